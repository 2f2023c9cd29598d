#pragma once
#include "platform/text.hpp"

Text normaliseAnswer(const Text& text);
void submitAnswer();
