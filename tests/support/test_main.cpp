// Every test runs without a display or a sound card, at the layout's 96 dpi, whether it is
// started by CTest or by hand. Widget tests get their application object here, so it outlives
// every window a test makes.
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef MIROVALK_WIDGET_TESTS
#include <QApplication>
#endif

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QT_FONT_DPI", "96", 0);
    ::testing::InitGoogleTest(&argc, argv);
#ifdef MIROVALK_WIDGET_TESTS
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
