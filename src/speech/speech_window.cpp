#include "speech/speech_window.hpp"

void openSpeechWindow() {}
