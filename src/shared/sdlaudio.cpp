#include "sdlaudio.h"

#include <QFile>

#include <vector>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr int kChannels = 16; // more are allocated when a game's windows hold more controls
constexpr const char *kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

bool isMidi(const QString &path) { return path.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive); }
} // namespace

// The mixer's channels, each lent to one control at a time.
struct ChannelPool {
    std::vector<bool> taken;

    int acquire(bool audio) {
        for (std::size_t c = 0; c < taken.size(); ++c)
            if (!taken[c]) {
                taken[c] = true;
                return static_cast<int>(c);
            }
        taken.push_back(true);
        if (audio)
            Mix_AllocateChannels(static_cast<int>(taken.size()));
        return static_cast<int>(taken.size()) - 1;
    }
    void release(int channel) { taken[static_cast<std::size_t>(channel)] = false; }
};

namespace {
// One control holds either a sound effect on a channel of its own or the music stream.
class SdlControl final : public MediaControl {
public:
    SdlControl(bool audio, std::shared_ptr<ChannelPool> pool)
        : audio_(audio), pool_(std::move(pool)), channel_(pool_->acquire(audio)) {}
    ~SdlControl() override {
        Close();
        pool_->release(channel_);
    }

    void Open(const QString &path) override {
        Close();
        if (!audio_ || !QFile::exists(path))
            return;
        const QByteArray native = QFile::encodeName(path);
        if (isMidi(path))
            music_ = Mix_LoadMUS(native.constData());
        else
            chunk_ = Mix_LoadWAV(native.constData());
    }
    void Prev() override {
        if (chunk_)
            Mix_HaltChannel(channel_);
        else if (music_)
            Mix_HaltMusic();
    }
    void Play() override {
        if (chunk_) {
            Mix_HaltChannel(channel_);
            Mix_PlayChannel(channel_, chunk_, 0);
        } else if (music_) {
            Mix_PlayMusic(music_, 0);
        }
    }
    void Close() override {
        if (chunk_) {
            Mix_HaltChannel(channel_);
            Mix_FreeChunk(chunk_);
            chunk_ = nullptr;
        }
        if (music_) {
            Mix_HaltMusic();
            Mix_FreeMusic(music_);
            music_ = nullptr;
        }
    }

private:
    bool audio_;
    std::shared_ptr<ChannelPool> pool_;
    int channel_;
    Mix_Chunk *chunk_ = nullptr;
    Mix_Music *music_ = nullptr;
};
} // namespace

SdlAudio::SdlAudio() : channels_(std::make_shared<ChannelPool>()) {
    channels_->taken.resize(kChannels);
    // SDL would turn SIGINT and SIGTERM into events that nothing here reads; the game handles
    // them itself (QuitSignals).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    Mix_Init(MIX_INIT_MID);
    for (const char *font : kSoundFonts)
        if (QFile::exists(QLatin1String(font))) {
            Mix_SetSoundFonts(font);
            break;
        }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(kChannels);
    available_ = true;
}

SdlAudio::~SdlAudio() {
    if (!available_)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<MediaControl> SdlAudio::createControl() {
    return std::make_unique<SdlControl>(available_, channels_);
}

int SdlAudio::soundingCues() const { return available_ ? Mix_Playing(-1) : 0; }
