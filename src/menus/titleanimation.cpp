#include "titleanimation.h"

TitleAnimation::TitleAnimation() = default;

void TitleAnimation::chooseMode(Mode mode) {
    TitleMode = mode;
    TitleStep = kModeChosenStep;
}

TitleAnimation::Action TitleAnimation::tick() {
    TitleStep += 1;
    if (TitleStep > kIdleStep && TitleStep < kCurtainStep)
        TitleStep = kIdleStep; // the intro waits here until a mode is chosen
    const int step = TitleStep;

    if (step >= 1 && step <= kLastLetterStep) {
        // Letter k (0-based) appears at step 10k + 1 and shrinks by 6 pt a step to 36 pt.
        const int k = (step - 1) / kStepsPerLetter;
        const int phase = step - kStepsPerLetter * k;
        if (phase == 1) {
            letters[k].visible = true;
            if (k > 0)
                letters[k - 1].colour = kBlue;
        } else {
            letters[k].pointSize = kLargestPointSize - kShrinkPerStep * phase;
        }
    } else if (step == kWhiteStep) {
        background = kWhite;
        letters[kLetters - 1].colour = kBlue;
    } else if (step >= kSubtitleFirstStep && step <= kSubtitleLastStep && (step - kSubtitleFirstStep) % 10 == 0) {
        subtitleWidth = kSubtitleStepWidth * ((step - kSubtitleFirstStep) / 10 + 1); // uncovered from the left
    } else if (step == kPictureStep) {
        pictureVisible = true;
    } else if (step == kCurtainStep) {
        curtainVisible = true;
        for (Letter &letter : letters)
            letter.visible = false;
        subtitleVisible = false;
        pictureVisible = false;
    } else if (step > kCurtainStep && step <= kCurtainClosedStep) {
        curtainWidth = (step - kCurtainStep) * kCurtainStepWidth;
    } else if (step == kHandOverStep) {
        if (TitleMode == Mode::Endless)
            return Action::OpenEndless;
        if (TitleMode == Mode::Story)
            return Action::OpenStory;
    }
    return Action::None;
}
