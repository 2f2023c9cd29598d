#pragma once
#include "platform/text.hpp"

#include <string>
#include <string_view>
#include <vector>

enum class FillMode { normal, restore };

// The 30 word buttons in slot order: slot i is the button numbered i + 6.
std::vector<std::string> wordButtons();
void buildWordSlots();
void fillWordGrid(const Text& sentence, FillMode mode = FillMode::normal);
void takeWord(std::string_view button);
void restoreWordGrid();
void toggleWordGrid();
