#pragma once
// Start-up, resumption and the orderly end of the program.
#include "platform/text.hpp"

#include <string_view>

void startUp();
void resumeStoredPosition();
void saveAndExit();
// Replaces the font of one control of the main window; height is the cell height, or 20
// when useHeight is 0.
void setControlFont(std::string_view control, const Text& face, int height, int useHeight, int italic,
                    int underline, int strikeOut);
