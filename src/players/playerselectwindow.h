#pragma once

#include "playerselection.h"
#include "shared/fileerror.h"
#include "shared/widgets.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <functional>
#include <optional>

// The player select window "playerselect", always shown modally: choose, register or delete a
// player. Shows what its rules say and hands them clicks and the typed name.
class PlayerSelectWindow : public QDialog {
    Q_OBJECT
public:
    explicit PlayerSelectWindow(SharedState &state, QWidget *parent = nullptr);

    // Empties the guest slot, reads the roster and shows the choose screen. Throws FileError.
    void load();

    const PlayerSelection &selection() const { return selection_; }
    // A roster save that failed while the window was open; the window closed at once, and the
    // caller reports it.
    const std::optional<FileError> &fault() const { return fault_; }

    // The close box: the guest plays, as with "プレイヤーセレクトしない".
    void reject() override;

protected:
    // Enter and Escape do nothing here: neither button is a default or a cancel button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void handle(const std::function<void()> &intent);
    void render();

    PlayerSelection selection_;
    std::optional<FileError> fault_;
    bool finished_ = false;

    QLabel *label0 = nullptr, *Label12 = nullptr, *Label14 = nullptr;
    std::array<ClickableLabel *, kSlots> nameLabel{};   // Label1..Label10
    std::array<ClickableLabel *, kSlots> numberLabel{}; // Label15..Label24
    ClickableLabel *Label11 = nullptr, *Label13 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
};
