#pragma once

bool showAnswerBoxMenu(int x, int y, int keyState);
void readSelectionAloud();
void cutSelection();
void copySelection();
void deleteSelection();
void pasteClipboard();
void selectAll();
