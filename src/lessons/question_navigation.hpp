#pragma once

void showQuestion();
void showQuestion(int index);
void nextQuestion();
void previousQuestion();
void goToQuestion();
void toggleAnswer();
