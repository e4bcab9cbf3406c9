#pragma once

#include "shared/rgb.h"
#include "shared/sharedstate.h"

#include <QString>

#include <array>

// What the story map shows.
struct StoryMapView {
    std::array<Rgb, 11> areaColour{};                             // Label0..Label10
    QString heading = QStringLiteral("　　　　地区代表");          // Label14
    QString name = QStringLiteral("名前：");                      // Label13
    QString rank = QStringLiteral("ランク");                      // Label15
    QString favourite = QStringLiteral("得意ジャンル");           // Label16
    QString weak = QStringLiteral("苦手ジャンル");                // Label17
    bool okVisible = true;                                        // Command1
};

// The story map of Japan's eleven areas. Areas not yet cleared are yellow and can be chosen;
// choosing one shows its district representative in the side panel and the OK that leads on.
// Cleared areas are grey and ignore clicks. All of it lives in the shared state.
class StoryMap {
public:
    static constexpr int kMapAreas = 11;
    static constexpr Rgb kUncleared{255, 255, 128};
    static constexpr Rgb kCleared{192, 192, 192};

    explicit StoryMap(SharedState &state);

    // The window opens: the areas are coloured. False when every area is cleared: the story is
    // over and the program ends.
    bool load();
    void chooseArea(int area);
    void ShowRepresentative();

    StoryMapView view;

private:
    QString genreName(int genre) const;

    SharedState &state_;
};
