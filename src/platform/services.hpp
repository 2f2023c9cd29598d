#pragma once
// The operating-system services the logic uses, as small interfaces, so that tests can
// hand in recording or scripted fakes. The real ones live beside this file.
#include "platform/text.hpp"

#include <functional>

enum class MessageKind { information, error, question };
enum class MessageAnswer { ok, yes, no };

// Application-modal message boxes without an owner window.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageAnswer show(MessageKind kind, const Text& message, const Text& title) = 0;
};

class SoundService {
public:
    virtual ~SoundService() = default;
    // Returns when the tone has ended.
    virtual void tone(int frequencyHz, int durationMs) = 0;
    // Ends the MP3 in progress, plays this one once in the background.
    virtual void playMp3(const Text& path) = 0;
    // Plays once in the background, overlapping whatever plays.
    virtual void playWav(const Text& path) = 0;
    virtual void stopAll() = 0;
};

class ProgramEndService {
public:
    virtual ~ProgramEndService() = default;
    // Runs the routines registered for the end and ends the process with exit code 0.
    // Only a test's fake returns; callers return right after it.
    virtual void endProgram() = 0;
};

class EventPumpService {
public:
    virtual ~EventPumpService() = default;
    // Handles the queued window events until the queue is empty.
    virtual void processPendingEvents() = 0;
};

struct Platform {
    MessageBoxService* messages = nullptr;
    SoundService* sound = nullptr;
    ProgramEndService* end = nullptr;
    EventPumpService* events = nullptr;
};

Platform& platform();
void installPlatform(const Platform& services);

// Routines run by the real end of the program, in the order registered.
void registerAtEnd(std::function<void()> routine);
void runAtEndRoutines();

// The title a message box carries when it has none of its own.
const Text& defaultMessageTitle();
MessageAnswer showMessage(MessageKind kind, const Text& message);
MessageAnswer showMessage(MessageKind kind, const Text& message, const Text& title);
void endProgram();
