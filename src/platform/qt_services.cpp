#include "platform/qt_services.hpp"

#include "platform/codec.hpp"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

MessageAnswer QtMessageBoxService::show(MessageKind kind, const Text& message, const Text& title) {
    QMessageBox box(kind == MessageKind::error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    codec::toUnicode(title), codec::toUnicode(message),
                    kind == MessageKind::question ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(kind == MessageKind::question ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (kind != MessageKind::question) {
        return MessageAnswer::ok;
    }
    return answer == QMessageBox::No ? MessageAnswer::no : MessageAnswer::yes;
}

void ProcessEndService::endProgram() {
    runAtEndRoutines();
    std::fflush(nullptr);
    // Nothing may run after this: no destructor of a window that a handler is still inside.
    std::_Exit(0);
}

void QtEventPumpService::processPendingEvents() {
    QCoreApplication::processEvents();
}
