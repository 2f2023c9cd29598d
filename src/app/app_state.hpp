#pragma once
// The one record of program state, alive from the start of the program to its end.
#include "platform/text.hpp"
#include "ui/canvas_ops.hpp"
#include "ui/edit_box_ops.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct AppState {
    std::unique_ptr<EditBoxOps> answerBoxOps;
    Text lastSpokenText;
    Text speechEngine;
    Text speechVoice;
    std::int32_t agreementAccepted = 0;
    Text chapterNo;
    Text resumeTopic;
    Text logText;
    Text sknText;
    Text inputText;
    Text initializationText;
    std::int32_t caseSensitive = 0;
    Text playText;
    Text beepText;
    std::int32_t toneFrequency = 0;
    std::int32_t toneDuration = 0;
    std::int32_t playTone = 0;
    std::int32_t toneSynthesized = 0;
    std::int32_t resetOnWrong = 0;
    std::int32_t inputMode = 0;
    std::int32_t rememberPosition = 0;
    Text speechForReading;
    std::int32_t answerFile = 0;
    std::int32_t questionFile = 0;
    // Names of the 30 word buttons in slot order.
    std::vector<std::string> wordSlots;
    std::int32_t skinState = 0;
    std::int32_t readHotkeyId = 0;
    Text readHotkeyModifiers;
    Text readHotkeyKey;
    std::int32_t submitHotkeyId = 0;
    Text submitHotkeyModifiers;
    Text submitHotkeyKey;
    std::int32_t currentIndex = 0;
    std::int32_t lastLineTaken = 0;
    // Indexed from 1 by the logic: question i is element i - 1.
    std::vector<Text> answers;
    std::vector<Text> questions;
    std::int32_t atChapterStart = 0;
    std::int32_t keyCaptureOn = 0;
    std::unique_ptr<CanvasOps> canvasOps;
};

void createAppState();
void releaseAppState();
// The record built by createAppState; only valid between create and release.
AppState& appState();
bool appStateExists();
