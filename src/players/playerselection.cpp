#include "playerselection.h"

#include "shared/nameentry.h"

namespace {
const QString kTitle = QStringLiteral("プレイヤーセレクト");
const QString kInstruction = QStringLiteral("空欄をクリックすると新規登録できます");
const QString kNewNamePrompt = QStringLiteral("新規プレイヤー名");
const QString kDeleteButton = QStringLiteral("プレイヤー削除");
const QString kConfirmPrompt = QStringLiteral("このプレイヤーでよろしいですか？");
const QString kDeleteTitle = QStringLiteral("プレイヤーの削除");
const QString kDeleteInstruction = QStringLiteral("プレイヤー名をクリックしてください");
const QString kDeletePrompt = QStringLiteral("削除プレイヤー名");
} // namespace

PlayerSelection::PlayerSelection(SharedState &state) : state_(state) {}

void PlayerSelection::load() {
    view = PlayerSelectView{};
    SelectedSlot = 0;
    state_.CurrentPlayer = 0;
    // Every opening starts the guest afresh.
    state_.ClearPlayer();
    state_.LoadPlayerData();
    ResetSelectScreen();
}

void PlayerSelection::ShowRoster() {
    for (int k = kFirstRosterSlot; k <= kLastRosterSlot; ++k)
        view.name[k] = slotName(k);
}

void PlayerSelection::ShowAllSlots() {
    for (int k = kFirstRosterSlot; k <= kLastRosterSlot; ++k)
        view.rowVisible[k] = true;
}

void PlayerSelection::ResetSelectScreen() {
    view.title = kTitle;
    view.instruction = kInstruction;
    view.prompt = kNewNamePrompt;
    ShowRoster();
    state_.SavePlayerData();
    view.skipVisible = true;
    view.chosen = kDeleteButton;
    view.chosenVisible = true;
    view.promptVisible = view.entryVisible = view.okVisible = view.cancelVisible = false;
    SelectedSlot = 0;
    SelectMode = Choose;
    ShowAllSlots();
}

void PlayerSelection::chooseSlot(int slot) {
    // Only a row on screen can be clicked.
    if (slot < kFirstRosterSlot || slot > kLastRosterSlot || !view.rowVisible[slot])
        return;
    SelectedSlot = static_cast<std::int16_t>(slot);
    SelectSlot();
}

void PlayerSelection::SelectSlot() {
    for (int k = kFirstRosterSlot; k <= kLastRosterSlot; ++k)
        view.rowVisible[k] = k == SelectedSlot;
    const bool free = slotName(SelectedSlot).isEmpty();
    switch (SelectMode) {
    case Choose:
        if (free)
            ShowNewPlayerEntry();
        else
            ShowConfirmation();
        break;
    case Delete:
        if (free) {
            ShowAllSlots();
        } else {
            view.promptVisible = true;
            view.chosen = slotName(SelectedSlot);
            view.chosenVisible = true;
            view.okVisible = true;
        }
        break;
    case Confirm:
        break;
    }
}

void PlayerSelection::ShowNewPlayerEntry() {
    view.skipVisible = false;
    view.chosenVisible = false;
    view.prompt = kNewNamePrompt;
    view.promptVisible = true;
    view.entry.clear();
    view.entryVisible = true;
    view.okVisible = view.cancelVisible = true;
    view.instruction = kInstruction; // a refused name's reason goes with the name
}

void PlayerSelection::ShowConfirmation() {
    view.skipVisible = false;
    view.chosen = slotName(SelectedSlot);
    view.prompt = kConfirmPrompt;
    view.promptVisible = true;
    view.okVisible = view.cancelVisible = true;
    SelectMode = Confirm;
}

void PlayerSelection::typeName(const QString &text) { view.entry = text; }

void PlayerSelection::startDeleting() {
    if (SelectMode != Choose || !view.chosenVisible)
        return;
    view.title = kDeleteTitle;
    view.instruction = kDeleteInstruction;
    view.prompt = kDeletePrompt;
    view.skipVisible = false;
    view.chosenVisible = false;
    view.cancelVisible = true;
    SelectMode = Delete;
}

void PlayerSelection::leave() {
    SelectedSlot = 0;
    state_.CurrentPlayer = 0;
    view.closed = true;
}

void PlayerSelection::ok() {
    if (!view.okVisible)
        return;
    switch (SelectMode) {
    case Choose: registerName(); break;
    case Delete: deleteSelected(); break;
    case Confirm:
        state_.CurrentPlayer = SelectedSlot;
        state_.SavePlayerData();
        view.closed = true;
        break;
    }
}

void PlayerSelection::registerName() {
    // The name is kept as typed, except for marks typed under a code point the file cannot hold
    // while it holds the same mark under another. A name the file still cannot hold is refused
    // here, with the reason, and nothing is written.
    const QString name = withShiftJisLookAlikes(view.entry);
    view.entry = name;
    const QString fault = nameFault(name);
    if (!fault.isEmpty()) {
        view.instruction = fault;
        return;
    }
    // The slot keeps whatever figures it holds.
    state_.PlayerName[SelectedSlot][0] = name;
    state_.SavePlayerData();
    ResetSelectScreen();
}

void PlayerSelection::deleteSelected() {
    state_.CurrentPlayer = SelectedSlot;
    state_.ClearPlayer();
    SelectedSlot = 0;
    ShowRoster();
    state_.SavePlayerData();
    view.okVisible = false;
    ShowAllSlots();
    view.chosenVisible = false;
    view.promptVisible = false;
}

void PlayerSelection::cancel() {
    if (view.cancelVisible)
        ResetSelectScreen();
}
