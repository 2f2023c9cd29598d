#pragma once

void nextChapter();
void previousChapter();
void stepChapter(int direction);
