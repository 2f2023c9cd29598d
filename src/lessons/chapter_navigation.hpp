#pragma once

void nextChapter();
void previousChapter();
void stepChapter(int direction);
// Closes both files of the chapter and forgets everything loaded from them.
void closeChapter();
