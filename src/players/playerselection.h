#pragma once

#include "shared/sharedstate.h"

#include <QString>

#include <array>
#include <cstdint>

// Slots the player select window shows: 1..10. Slot 0, the guest, is never shown.
inline constexpr int kFirstRosterSlot = 1;
inline constexpr int kLastRosterSlot = kSlots - 1;

// Everything the player select window shows, control by control.
struct PlayerSelectView {
    QString title;                          // label0
    QString instruction;                    // Label12
    std::array<QString, kSlots> name;       // Label1..Label10 at 1..10
    std::array<bool, kSlots> rowVisible{};  // Label k with its number Label k+14
    bool skipVisible = true;                // Label11 "プレイヤーセレクトしない"
    QString chosen;                         // Label13: "プレイヤー削除" or a player's name
    bool chosenVisible = true;
    QString prompt;                         // Label14
    bool promptVisible = false;
    QString entry;                          // Text1
    bool entryVisible = false;
    bool okVisible = false;                 // Command1
    bool cancelVisible = false;             // Command2
    bool closed = false;                    // the window is to close; CurrentPlayer holds the choice
};

// The rules of the player select window: choose one of ten registered players for the coming
// game, register a new one in a free slot, or delete one. Closing leaves the choice in
// CurrentPlayer (0: the guest plays). Every roster change is saved at once; a save that fails
// throws FileError and ends the program with the old file kept.
class PlayerSelection {
public:
    // SelectMode: choosing or registering, deleting, or waiting for the chosen player's ＯＫ.
    enum Mode : std::int16_t { Choose = 0, Delete = 1, Confirm = 2 };

    explicit PlayerSelection(SharedState &state);

    // The window opens: the guest slot is emptied, the roster read afresh, the choose screen shown.
    void load();

    // What the player does.
    void chooseSlot(int slot);              // a name or its number, slot 1..10
    void typeName(const QString &text);     // the text box changed
    void ok();                              // Command1 "ＯＫ"
    void cancel();                          // Command2 "キャンセル"
    void startDeleting();                   // Label13 "プレイヤー削除"
    // Label11 "プレイヤーセレクトしない", and the window's close box: the guest plays. After a
    // deletion CurrentPlayer still names the freed slot, so the guest is set here explicitly.
    void leave();

    // Steps of the screen.
    void ShowRoster();
    void ShowAllSlots();
    void ResetSelectScreen();
    void SelectSlot();
    void ShowNewPlayerEntry();
    void ShowConfirmation();

    std::int16_t SelectMode = Choose;
    std::int16_t SelectedSlot = 0;
    PlayerSelectView view;

private:
    const QString &slotName(int slot) const { return state_.PlayerName[slot][0]; }
    void registerName();
    void deleteSelected();

    SharedState &state_;
};
