#pragma once
// The real services of a desktop session.
#include "platform/services.hpp"

class QtMessageBoxService : public MessageBoxService {
public:
    MessageAnswer show(MessageKind kind, const Text& message, const Text& title) override;
};

class ProcessEndService : public ProgramEndService {
public:
    [[noreturn]] void endProgram() override;
};

class QtEventPumpService : public EventPumpService {
public:
    void processPendingEvents() override;
};
