#pragma once

#include <array>
#include <cstdint>

// The fifteen skills by id. The ids are not contiguous: 8..10, 12 and 15..20 name no skill, and 0
// means no skill at all. Each id also indexes the skill's effect counter in the quiz.
namespace Skill {
enum Id : std::int16_t {
    None = 0,
    Elite = 1,         // points doubled for five judged questions
    Slow = 2,          // the counter runs at half speed for five questions
    ThreeChoice = 3,   // one wrong answer removed, five times
    TwoChoice = 4,     // two wrong answers removed, five times
    GenreSelect = 5,   // the player picks the genre of the next five questions
    Prayer = 6,        // three- or two-choice once lives run low; works from the moment it is won
    Retry = 7,         // the next wrong choice may be answered again
    SunSword = 11,     // a life for each correct answer, three questions long
    Shield = 13,       // the next wrong answer or time-out costs nothing
    Ambush = 14,       // one wrong answer removed when the counter reaches 80
    LifeRecovery = 21, // two lives at once
    BonusPoints = 22,  // 2000 points the moment it is won
    Charge = 23,       // the question in play is answered correctly
    QuestionPass = 24, // the question in play is dropped unjudged
    TimeStop = 25,     // the counter holds for 100 ticks
};

inline constexpr std::array<Id, 15> kAll = {Elite,    Slow,   ThreeChoice, TwoChoice,    GenreSelect,
                                            Prayer,   Retry,  SunSword,    Shield,       Ambush,
                                            LifeRecovery, BonusPoints, Charge, QuestionPass, TimeStop};
inline constexpr int kHighestId = TimeStop;

constexpr bool isSkill(int id) {
    for (Id skill : kAll)
        if (skill == id)
            return true;
    return false;
}

// Prayer and the bonus points act the moment they are won; every other skill is held until used.
constexpr bool isHeld(int id) { return isSkill(id) && id != Prayer && id != BonusPoints; }
} // namespace Skill
