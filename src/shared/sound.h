#pragma once

#include <QString>

#include <array>
#include <memory>

// One player for one sound or music file, driven like a media control: Open a file, Prev to
// rewind, Play (returns at once; playing again restarts from the start), Close.
// A missing or unplayable file, or no sound device, means silence and nothing else.
class MediaControl {
public:
    virtual ~MediaControl() = default;
    virtual void Open(const QString &path) = 0;
    virtual void Prev() = 0;
    virtual void Play() = 0;
    virtual void Close() = 0;
};

class MediaBackend {
public:
    virtual ~MediaBackend() = default;
    virtual std::unique_ptr<MediaControl> createControl() = 0;
};

// A backend that plays nothing, for tools and for machines without sound.
class SilentBackend final : public MediaBackend {
public:
    std::unique_ptr<MediaControl> createControl() override;
};

// Rewind and play: a cue started while it still sounds starts again from the beginning.
void playCue(MediaControl &control);
// Music change: close what the control had, open the new file and play it from the start.
void changeMusic(MediaControl &control, const QString &path);

// The quiz window's sounds: five cues opened when the window loads, and one control for the
// music, which each music change reopens. Nothing loops.
class QuizSounds {
public:
    QuizSounds(MediaBackend &backend, QString dataDir);
    ~QuizSounds();

    void OpenSounds();
    void PlayTypeSound();
    void PlayCorrectSound();
    void PlayWrongSound();
    void PlayQuestionSound();
    void PlaySkillSound();
    void PlayMusic();
    void PlayGameOverMusic();

private:
    QString file(const char *name) const;
    MediaControl &control(int number) { return *controls_[number - 1]; }

    QString dataDir_;
    // The quiz window's controls 1..8: type, (two spare), correct, wrong, question, skill, music.
    std::array<std::unique_ptr<MediaControl>, 8> controls_;
};

// The skill slot window's one sound: the rattle restarted at every spin of the slot.
class SlotSound {
public:
    SlotSound(MediaBackend &backend, const QString &dataDir);
    ~SlotSound();

    void OpenSound();
    void PlaySlotSound();

private:
    QString path_;
    std::unique_ptr<MediaControl> control_;
};
