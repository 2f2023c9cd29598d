#pragma once
#include "platform/text.hpp"

void openChapter(const Text& chapterNo);
int countQuestions();
bool loadNextPair();

enum class PairRequest { added, skipped, exhausted };
// loadNextPair for loops that request many pairs: tells when no later request can add one,
// so that a huge stored question number costs nothing.
PairRequest requestNextPair();
