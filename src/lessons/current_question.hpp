#pragma once
// Safe access to the question on screen: the lists are indexed from 1 and a chapter may
// have no loadable question at all.
#include "platform/text.hpp"

int loadedCount();
bool questionOnScreen();
// answers[currentIndex], or the empty text when no question is on screen.
const Text& currentAnswer();
// The text the status line shows when a chapter has nothing to show.
Text noQuestionStatus();
// "第 <number> 道题目" for the question on screen, or noQuestionStatus when there is none.
Text positionStatus(const Text& number);
