#pragma once
#include "platform/text.hpp"

void readAloud();
void speakText(const Text& text);
