#pragma once
// Recording and scripted stand-ins for the platform services.
#include "platform/services.hpp"

#include <deque>
#include <string>
#include <vector>

struct ShownMessage {
    MessageKind kind;
    Text message;
    Text title;
};

class FakeMessageBoxes : public MessageBoxService {
public:
    MessageAnswer show(MessageKind kind, const Text& message, const Text& title) override {
        shown.push_back({kind, message, title});
        if (kind != MessageKind::question) {
            return MessageAnswer::ok;
        }
        if (answers.empty()) {
            return MessageAnswer::yes;
        }
        const MessageAnswer next = answers.front();
        answers.pop_front();
        return next;
    }
    std::vector<ShownMessage> shown;
    // Answers for the next question boxes, in order; Yes when none is left.
    std::deque<MessageAnswer> answers;
};

struct SoundCall {
    std::string what; // "tone", "mp3", "wav", "stop"
    Text path;
    int frequency = 0;
    int duration = 0;
};

class FakeSound : public SoundService {
public:
    void tone(int frequencyHz, int durationMs) override {
        calls.push_back({"tone", {}, frequencyHz, durationMs});
    }
    void playMp3(const Text& path) override { calls.push_back({"mp3", path}); }
    void playWav(const Text& path) override { calls.push_back({"wav", path}); }
    void stopAll() override { calls.push_back({"stop", {}}); }
    std::vector<SoundCall> calls;
};

class FakeProgramEnd : public ProgramEndService {
public:
    void endProgram() override { ++ended; }
    int ended = 0;
};

class ImmediateEventPump : public EventPumpService {
public:
    void processPendingEvents() override;
};

// Installs a fresh set of fakes for one test and removes them afterwards.
struct FakePlatform {
    FakePlatform();
    ~FakePlatform();
    FakeMessageBoxes messages;
    FakeSound sound;
    FakeProgramEnd end;
    ImmediateEventPump events;
};
