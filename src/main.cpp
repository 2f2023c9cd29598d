#include <QApplication>
#include <QMessageBox>

#include "app/app_state.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "platform/qt_services.hpp"
#include "platform/sound_sdl.hpp"
#include "ui/main_window.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (!codec::available()) {
        QMessageBox::critical(nullptr, QStringLiteral("Venlorin"),
                              QStringLiteral("This system cannot convert Chinese (GBK) text: Qt was built "
                                             "without ICU. Venlorin cannot run."));
        return 0;
    }
    QtMessageBoxService messages;
    SdlSoundService sound;
    ProcessEndService end;
    QtEventPumpService events;
    installPlatform({&messages, &sound, &end, &events});
    paths::setRunDir(codec::fromUnicode(QCoreApplication::applicationDirPath()));

    createAppState();
    registerAtEnd(releaseAppState);
    DescribedWindow* window = createMainWindow();
    window->show();
    application.exec();
    endProgram();
}
