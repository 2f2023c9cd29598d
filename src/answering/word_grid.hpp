#pragma once
#include "platform/text.hpp"

#include <string_view>

enum class FillMode { normal, restore };

void buildWordSlots();
void fillWordGrid(const Text& sentence, FillMode mode = FillMode::normal);
void takeWord(std::string_view button);
void restoreWordGrid();
void toggleWordGrid();
