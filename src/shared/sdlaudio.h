#pragma once

#include "sound.h"

#include <memory>

struct ChannelPool;

// Sound through SDL2_mixer: WAV cues on channels of their own, MIDI music through FluidSynth
// with the General MIDI sound font. When the audio device cannot be opened every control it
// makes stays silent and the game goes on.
//
// Every control keeps one mixer channel for as long as it lives and gives it back when it is
// destroyed, so a cue restarted every few milliseconds (the skill slot's rattle) only ever cuts
// itself, never the answer cues of the quiz window beneath it; the music plays on the mixer's
// music stream, apart from every channel.
class SdlAudio final : public MediaBackend {
public:
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio &) = delete;
    SdlAudio &operator=(const SdlAudio &) = delete;

    bool available() const { return available_; }
    std::unique_ptr<MediaControl> createControl() override;

    // Cues sounding right now, over all channels.
    int soundingCues() const;

private:
    bool available_ = false;
    std::shared_ptr<ChannelPool> channels_;
};
