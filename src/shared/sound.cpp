#include "sound.h"

#include <QDir>

namespace {
class SilentControl final : public MediaControl {
public:
    void Open(const QString &) override {}
    void Prev() override {}
    void Play() override {}
    void Close() override {}
};
} // namespace

std::unique_ptr<MediaControl> SilentBackend::createControl() { return std::make_unique<SilentControl>(); }

void playCue(MediaControl &control) {
    control.Prev();
    control.Play();
}

void changeMusic(MediaControl &control, const QString &path) {
    control.Close();
    control.Open(path);
    control.Prev();
    control.Play();
}

QuizSounds::QuizSounds(MediaBackend &backend, QString dataDir) : dataDir_(std::move(dataDir)) {
    for (auto &c : controls_)
        c = backend.createControl();
}

QuizSounds::~QuizSounds() {
    for (auto &c : controls_)
        c->Close();
}

QString QuizSounds::file(const char *name) const { return QDir(dataDir_).filePath(QLatin1String(name)); }

void QuizSounds::OpenSounds() {
    // Controls 2 and 3 hold the two spare typing sounds and never play.
    control(1).Open(file("type.wav"));
    control(2).Open(file("type2.wav"));
    control(3).Open(file("type3.wav"));
    control(4).Open(file("seikai.wav"));
    control(5).Open(file("fuseikai.wav"));
    control(6).Open(file("mondai.wav"));
    control(7).Open(file("skilluse.wav"));
}

void QuizSounds::PlayTypeSound() { playCue(control(1)); }
void QuizSounds::PlayCorrectSound() { playCue(control(4)); }
void QuizSounds::PlayWrongSound() { playCue(control(5)); }
void QuizSounds::PlayQuestionSound() { playCue(control(6)); }
void QuizSounds::PlaySkillSound() { playCue(control(7)); }
void QuizSounds::PlayMusic() { changeMusic(control(8), file("bed.mid")); }
void QuizSounds::PlayGameOverMusic() { changeMusic(control(8), file("gameover.mid")); }

SlotSound::SlotSound(MediaBackend &backend, const QString &dataDir)
    : path_(QDir(dataDir).filePath(QStringLiteral("slot.wav"))), control_(backend.createControl()) {}

SlotSound::~SlotSound() { control_->Close(); }

void SlotSound::OpenSound() { control_->Open(path_); }
void SlotSound::PlaySlotSound() { playCue(*control_); }
