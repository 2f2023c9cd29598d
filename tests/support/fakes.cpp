#include "support/fakes.hpp"

#include <QCoreApplication>

void ImmediateEventPump::processPendingEvents() {
    QCoreApplication::processEvents();
}

FakePlatform::FakePlatform() {
    installPlatform({&messages, &sound, &end, &events});
}

FakePlatform::~FakePlatform() {
    installPlatform({});
}
