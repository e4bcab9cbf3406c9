#include "titleanimation.h"

TitleAnimation::TitleAnimation() = default;

void TitleAnimation::chooseMode(Mode mode) {
    TitleMode = mode;
    TitleStep = 999;
}

TitleAnimation::Action TitleAnimation::tick() {
    TitleStep += 1;
    if (TitleStep > kIdleStep && TitleStep < 1000)
        TitleStep = kIdleStep; // the intro waits here until a mode is chosen
    const int step = TitleStep;

    if (step >= 1 && step <= 80) {
        // Letter k (0-based) appears at step 10k + 1 and shrinks by 6 pt a step to 36 pt.
        const int k = (step - 1) / 10;
        const int phase = step - 10 * k;
        if (phase == 1) {
            letters[k].visible = true;
            if (k > 0)
                letters[k - 1].colour = kBlue;
        } else {
            letters[k].pointSize = 96 - 6 * phase;
        }
    } else if (step == 81) {
        background = kWhite;
        letters[kLetters - 1].colour = kBlue;
    } else if (step >= 82 && step <= 122 && (step - 82) % 10 == 0) {
        subtitleWidth = 340 * ((step - 82) / 10 + 1); // uncovered from the left in five steps
    } else if (step == 132) {
        pictureVisible = true;
    } else if (step == kCurtainStep) {
        curtainVisible = true;
        for (Letter &letter : letters)
            letter.visible = false;
        subtitleVisible = false;
        pictureVisible = false;
    } else if (step > kCurtainStep && step <= 1013) {
        curtainWidth = (step - kCurtainStep) * 400;
    } else if (step == kHandOverStep) {
        if (TitleMode == Mode::Endless)
            return Action::OpenEndless;
        if (TitleMode == Mode::Story)
            return Action::OpenStory;
    }
    return Action::None;
}
