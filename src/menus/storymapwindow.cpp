#include "storymapwindow.h"

#include <QCloseEvent>

namespace {
constexpr Rgb kSea{0, 0, 192};
constexpr Rgb kHintPink{255, 192, 255};
constexpr Rgb kPanelGreen{192, 255, 192};

struct AreaPlace {
    const char16_t *caption;
    int left, top, width, height;
};
constexpr AreaPlace kAreaPlaces[StoryMap::kMapAreas] = {
    {u"北海道", 3240, 120, 1095, 615}, {u"東北", 3240, 840, 615, 975},  {u"北関東", 3240, 1800, 615, 375},
    {u"南関東", 3240, 2160, 615, 375}, {u"北陸", 2520, 1800, 735, 375}, {u"東海", 2520, 2160, 735, 375},
    {u"近畿", 2040, 1800, 495, 735},   {u"中国", 1200, 1800, 855, 375}, {u"四国", 1320, 2280, 615, 375},
    {u"九州", 600, 1800, 495, 975},    {u"沖縄", 120, 2880, 495, 255},
};
} // namespace

StoryMapWindow::StoryMapWindow(SharedState &state, QWidget *parent) : QWidget(parent), map_(state) {
    setObjectName(QStringLiteral("map"));
    setWindowTitle(QStringLiteral("ＭＡＰ"));
    setFixedSize(twipsSize(7845, 3240));
    setAttribute(Qt::WA_DeleteOnClose);
    fillBackground(this, kSea);
    setFont(layoutFont(Typeface::PGothic, 9));
    buildControls();
}

void StoryMapWindow::buildControls() {
    const QFont font = layoutFont(Typeface::PGothic, 9);
    for (int a = 0; a < StoryMap::kMapAreas; ++a) {
        const AreaPlace &place = kAreaPlaces[a];
        area[a] = new ClickableLabel(QStringLiteral("Label%1").arg(a), this);
        styleLabel(area[a], twips(place.left, place.top, place.width, place.height),
                   {kBlack, StoryMap::kUncleared, font, Qt::AlignHCenter | Qt::AlignTop},
                   QString::fromUtf16(place.caption));
        area[a]->setWordWrap(true);
        connect(area[a], &ClickableLabel::clicked, this, [this, a] {
            map_.chooseArea(a);
            render();
        });
    }
    auto *hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("Label18"));
    styleLabel(hint, twips(120, 240, 2775, 615), {kBlack, kHintPink, layoutFont(Typeface::PGothic, 12)},
               QStringLiteral("黄色い未クリアのエリアを　クリックしてください"));
    hint->setWordWrap(true);

    // The panel lies behind the representative's lines.
    auto *panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Label12"));
    styleLabel(panel, twips(4680, 0, 3255, 3255), {kBlack, kPanelGreen, font});
    auto line = [this, &font](const char *name, const QRect &geometry) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        styleLabel(label, geometry, {kBlack, std::nullopt, font});
        return label;
    };
    Label14 = line("Label14", twips(5280, 0, 2175, 255));
    Label13 = line("Label13", twips(4800, 1200, 1935, 255));
    Label15 = line("Label15", twips(4800, 1440, 975, 255));
    Label16 = line("Label16", twips(4800, 1680, 2535, 375));
    Label17 = line("Label17", twips(4800, 2160, 2895, 375));
    for (QLabel *label : {Label16, Label17})
        label->setWordWrap(true);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(5760, 2760, 1215, 375));
    Command1->setFont(layoutFont(Typeface::PGothic, 14.25));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    render();
}

bool StoryMapWindow::load() {
    const bool opened = map_.load();
    render();
    return opened;
}

void StoryMapWindow::render() {
    const StoryMapView &view = map_.view;
    for (int a = 0; a < StoryMap::kMapAreas; ++a)
        fillBackground(area[a], view.areaColour[a]);
    Label14->setText(view.heading);
    Label13->setText(view.name);
    Label15->setText(view.rank);
    Label16->setText(view.favourite);
    Label17->setText(view.weak);
    Command1->setVisible(view.okVisible);
}

void StoryMapWindow::closeEvent(QCloseEvent *event) {
    QWidget::closeEvent(event);
    emit closed();
}
