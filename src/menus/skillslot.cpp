#include "skillslot.h"

#include "shared/fileerror.h"
#include "shared/skillhandoff.h"
#include "shared/skills.h"

namespace {
struct SlotEntry {
    Skill::Id id;
    const char16_t *name;
    const char16_t *description;
};

// The slot names differ from the quiz's short names for the genre choice and the bonus points.
constexpr SlotEntry kSlotTable[] = {
    {Skill::Elite, u"エリート", u"使ってから５問の間　獲得得点が２倍になる。"},
    {Skill::Slow, u"スロウ", u"使ってから５問の間　タイムの進行速度が半減する。"},
    {Skill::ThreeChoice, u"３択", u"使ってから５問の間　３択になる。"},
    {Skill::TwoChoice, u"２択", u"使ってから５問の間　２択になる。"},
    {Skill::GenreSelect, u"ジャンルセレクト", u"次の問題から５問の間　問題のジャンルを選ぶことが出来る。"},
    {Skill::Prayer, u"祈り",
     u"ピンチになると３択になる。　更にピンチになると２択になる。　ピンチになってから５問有効。"},
    {Skill::Retry, u"連続", u"間違えても　もう一度答えられる。使ってから間違えるまで有効。"},
    {Skill::SunSword, u"太陽剣", u"使ってから３問の間　正解すると１問につき１つライフを回復できる。"},
    {Skill::Shield, u"大盾", u"間違えても１回だけは見逃してくれる。　１回でも間違えると無くなる。"},
    {Skill::Ambush, u"待ち伏せ", u"使ってから５問の間　タイムが４０をきると３択になる。"},
    {Skill::LifeRecovery, u"ライフ回復", u"使うと　すぐにライフを２つ回復できる。"},
    {Skill::BonusPoints, u"ボーナス", u"得点が２０００点アップ。"},
    {Skill::Charge, u"突撃", u"使った時に　出題されている問題を無理やりに正解出来る。"},
    {Skill::QuestionPass, u"問題パス", u"使った時に　出題されている問題を無理やりにパス出来る。"},
    {Skill::TimeStop, u"世界", u"使った時に　時を止めることが出来る。１０秒間有効。"},
};

// The hand-off file written; a fault says what it costs the player.
void handOver(const QString &path, int id) {
    try {
        writeSkillHandOff(path, id);
    } catch (FileError &error) {
        error.setRemedy(QStringLiteral(
            "ディスクの空き容量と書き込みの権限を確かめてください。今回のスキルは獲得できません。ゲームはこのまま続きます。"));
        throw;
    }
}

const SlotEntry *entryOf(int id) {
    for (const SlotEntry &entry : kSlotTable)
        if (entry.id == id)
            return &entry;
    return nullptr;
}
} // namespace

SkillSlot::SkillSlot(RandomSource &random, GameTimer &timer, SlotSound &sound, QString handOffPath)
    : random_(random), timer_(timer), sound_(sound), handOffPath_(std::move(handOffPath)) {}

QString SkillSlot::slotName(int id) {
    const SlotEntry *entry = entryOf(id);
    return entry ? QString::fromUtf16(entry->name) : QString();
}

QString SkillSlot::description(int id) {
    const SlotEntry *entry = entryOf(id);
    return entry ? QString::fromUtf16(entry->description) : QString();
}

void SkillSlot::load() {
    sound_.OpenSound();
    timer_.setInterval(kSpinInterval);
    view.stopVisible = true;
    view.okVisible = false;
    view.description.clear();
    // Written before the slot spins, so a fault is told while nothing moves or rattles.
    handOver(handOffPath_, Skill::None);
    startSpinning();
}

void SkillSlot::startSpinning() { timer_.setEnabled(true); }

void SkillSlot::tick() { SpinSlot(); }

void SkillSlot::SpinSlot() {
    sound_.PlaySlotSound();
    random_.Randomize();
    // Draw until the hits since the last miss are complete: ten after a miss, eleven when there
    // was none. Every skill is equally likely to be the last hit.
    // A spin takes some ten thousand draws, so only the id is kept on the way; the name and
    // description are the last hit's.
    for (int i = 0; i <= kHitsInARow; ++i) {
        const int id = random_.draw(kDrawnIds);
        if (Skill::isSkill(id))
            SlotSkill = static_cast<std::int16_t>(id);
        else
            i = 0;
    }
    SlotSkillName = slotName(SlotSkill);
    SlotSkillText = description(SlotSkill);
    view.name = SlotSkillName;
}

void SkillSlot::stop() {
    view.stopVisible = false;
    view.okVisible = true;
    view.description = SlotSkillText;
    timer_.setEnabled(false);
    handOver(handOffPath_, SlotSkill);
}
