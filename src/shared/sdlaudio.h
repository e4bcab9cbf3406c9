#pragma once

#include "sound.h"

// Sound through SDL2_mixer: WAV cues on channels of their own, MIDI music through FluidSynth
// with the General MIDI sound font. When the audio device cannot be opened every control it
// makes stays silent and the game goes on.
class SdlAudio final : public MediaBackend {
public:
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio &) = delete;
    SdlAudio &operator=(const SdlAudio &) = delete;

    bool available() const { return available_; }
    std::unique_ptr<MediaControl> createControl() override;

private:
    bool available_ = false;
    int nextChannel_ = 0;
};
