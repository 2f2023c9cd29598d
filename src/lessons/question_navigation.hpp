#pragma once

void showQuestion();
void showQuestion(int index);
void nextQuestion();
void previousQuestion();
void goToQuestion();
void toggleAnswer();
// Empties the answer box and puts the expected answer back out of sight.
void clearAnswerAndHideIt();
