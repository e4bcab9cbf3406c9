#include "playerselectwindow.h"

#include "playerwindows.h"

#include <QKeyEvent>

namespace {
// Slot rows: names of slots 1..5 on the left, 6..10 on the right, 480 twips apart.
constexpr int kRowTop = 960;
constexpr int kRowPitch = 480;
constexpr int kSlotsPerColumn = 5;
constexpr int kNameLeft[] = {360, 3000};
constexpr int kNumberLeft[] = {120, 2760};
// Slot 10's number is two digits wide and starts further left.
constexpr int kTenthNumberLeft = 2520;
constexpr int kTenthNumberWidth = 495;
// The number label of slot k is Label(k + 14).
constexpr int kNumberLabelOffset = 14;

int rowTop(int slot) { return kRowTop + kRowPitch * ((slot - 1) % kSlotsPerColumn); }
int column(int slot) { return (slot - 1) / kSlotsPerColumn; }
} // namespace

PlayerSelectWindow::PlayerSelectWindow(SharedState &state, QWidget *parent)
    : QDialog(parent), selection_(state) {
    setUpPlayersWindow(this, QStringLiteral("playerselect"), QStringLiteral("Form1"), 5520, 5025);
    buildControls();
}

void PlayerSelectWindow::buildControls() {
    const QFont windowFont = layoutFont(Typeface::PGothic, 11.25);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const LabelStyle blueBox{kWhite, kDarkBlue, layoutFont(Typeface::PGothic, 12), centred};
    const LabelStyle slotNumber{kWhite, std::nullopt, layoutFont(Typeface::PGothic, 15.75, true), centred};

    label0 = addLabel(this, QStringLiteral("label0"), twips(600, 120, 4095, 375),
                      {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 18, true), centred});
    Label12 = addLabel(this, QStringLiteral("Label12"), twips(720, 600, 4095, 255),
                       {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 11.25, true), centred});

    for (int k = kFirstRosterSlot; k <= kLastRosterSlot; ++k) {
        nameLabel[k] = addLabel<ClickableLabel>(this, QStringLiteral("Label%1").arg(k),
                                                twips(kNameLeft[column(k)], rowTop(k), 1935, 255), blueBox);
        LabelStyle numberStyle = slotNumber;
        QRect numberGeometry = twips(kNumberLeft[column(k)], rowTop(k), 255, 375);
        if (k == kLastRosterSlot) {
            numberStyle.alignment = Qt::AlignLeft | Qt::AlignTop;
            numberGeometry = twips(kTenthNumberLeft, rowTop(k), kTenthNumberWidth, 375);
        }
        numberLabel[k] = addLabel<ClickableLabel>(this, QStringLiteral("Label%1").arg(k + kNumberLabelOffset),
                                                  numberGeometry, numberStyle, formatFullWidth(k));
        for (ClickableLabel *label : {nameLabel[k], numberLabel[k]})
            connect(label, &ClickableLabel::clicked, this, [this, k] { handle([this, k] { selection_.chooseSlot(k); }); });
    }

    Label11 = addLabel<ClickableLabel>(this, QStringLiteral("Label11"), twips(1440, 3360, 2415, 255),
                                       {kWhite, kDarkBlue, windowFont, centred}, QStringLiteral("プレイヤーセレクトしない"));
    connect(Label11, &ClickableLabel::clicked, this, [this] { handle([this] { selection_.leave(); }); });
    Label14 = addLabel(this, QStringLiteral("Label14"), twips(960, 3480, 3615, 255),
                       {kWhite, std::nullopt, layoutFont(Typeface::PGothic, 12, true)});
    Label13 = addLabel<ClickableLabel>(this, QStringLiteral("Label13"), twips(1440, 3840, 2415, 255),
                                       {kWhite, kDarkBlue, windowFont, centred});
    connect(Label13, &ClickableLabel::clicked, this, [this] { handle([this] { selection_.startDeleting(); }); });

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    // Qt's own edit menu speaks English; the name box needs none.
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setGeometry(twips(1560, 3840, 1935, 405));
    Text1->setFont(layoutFont(Typeface::PGothic, 12));
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &text) { selection_.typeName(text); });

    Command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("ＯＫ"), twips(2280, 4320, 735, 375),
                         layoutFont(Typeface::PGothic, 14.25, true));
    connect(Command1, &QPushButton::clicked, this, [this] { handle([this] { selection_.ok(); }); });
    Command2 = addButton(this, QStringLiteral("Command2"), QStringLiteral("キャンセル"), twips(3360, 4320, 1335, 375),
                         layoutFont(Typeface::PGothic, 12));
    connect(Command2, &QPushButton::clicked, this, [this] { handle([this] { selection_.cancel(); }); });
}

void PlayerSelectWindow::load() {
    selection_.load();
    render();
}

void PlayerSelectWindow::handle(const std::function<void()> &intent) {
    if (finished_)
        return;
    try {
        intent();
    } catch (const FileError &error) {
        // The roster could not be saved: the window closes and its caller reports the fault.
        fault_ = error;
        finished_ = true;
        done(QDialog::Rejected);
        return;
    }
    render();
    if (selection_.view.closed) {
        finished_ = true;
        done(QDialog::Accepted);
    }
}

void PlayerSelectWindow::reject() { handle([this] { selection_.leave(); }); }

void PlayerSelectWindow::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); break;
    default: QDialog::keyPressEvent(event);
    }
}

void PlayerSelectWindow::render() {
    const PlayerSelectView &view = selection_.view;
    label0->setText(view.title);
    Label12->setText(view.instruction);
    for (int k = kFirstRosterSlot; k <= kLastRosterSlot; ++k) {
        nameLabel[k]->setText(view.name[k]);
        nameLabel[k]->setVisible(view.rowVisible[k]);
        numberLabel[k]->setVisible(view.rowVisible[k]);
    }
    Label11->setVisible(view.skipVisible);
    Label13->setText(view.chosen);
    Label13->setVisible(view.chosenVisible);
    Label14->setText(view.prompt);
    Label14->setVisible(view.promptVisible);
    if (Text1->text() != view.entry)
        Text1->setText(view.entry); // only when the rules changed it, so typing keeps its cursor
    Text1->setVisible(view.entryVisible);
    Command1->setVisible(view.okVisible);
    Command2->setVisible(view.cancelVisible);
}
