#pragma once

#include "storymap.h"
#include "shared/widgets.h"

#include <QPushButton>
#include <QWidget>

#include <array>

// The story map window "map": the eleven areas of Japan and the representative panel. Shown
// without waiting; OK (or closing it) ends the visit to the map.
class StoryMapWindow : public QWidget {
    Q_OBJECT
public:
    explicit StoryMapWindow(SharedState &state, QWidget *parent = nullptr);

    // Colours the areas; false when every area is cleared and the program must end.
    bool load();
    const StoryMap &map() const { return map_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void render();

    StoryMap map_;
    std::array<ClickableLabel *, StoryMap::kMapAreas> area{};
    QLabel *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr;
    QPushButton *Command1 = nullptr;
};
