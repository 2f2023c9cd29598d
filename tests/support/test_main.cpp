// Widget tests need one QApplication for the whole run; it lives on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("SDL_AUDIODRIVER", qgetenv("SDL_AUDIODRIVER").isEmpty() ? "dummy" : qgetenv("SDL_AUDIODRIVER"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
