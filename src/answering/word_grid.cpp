#include "answering/word_grid.hpp"

#include "app/app_state.hpp"
#include "lessons/current_question.hpp"
#include "platform/codec.hpp"
#include "ui/main_window.hpp"

namespace {

constexpr int slotCount = 30;
// Slot i is the button numbered i + 6.
constexpr int firstSlotButton = 7;

Text lastCharacter(const Text& s) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); i += text::charLength(s, i)) {
        start = i;
    }
    return s.substr(start);
}

} // namespace

std::vector<std::string> wordButtons() {
    std::vector<std::string> names;
    for (int i = 0; i < slotCount; ++i) {
        names.push_back("按钮" + std::to_string(firstSlotButton + i));
    }
    return names;
}

void buildWordSlots() {
    AppState& s = appState();
    for (std::string& name : wordButtons()) {
        s.wordSlots.push_back(std::move(name));
    }
}

void fillWordGrid(const Text& sentence, FillMode mode) {
    const AppState& s = appState();
    DescribedWindow& window = mainWindow();
    if (mode == FillMode::normal) {
        window.setCaption("编辑框3", "");
    }
    window.setCaption("按钮6", codec::gbk("显示答案"));
    const std::vector<Text> words = text::split(text::trim(sentence), " ");
    for (const std::string& slot : s.wordSlots) {
        window.setCaption(slot, "");
    }
    const Text answerSoFar = mode == FillMode::restore ? window.caption("编辑框3") : Text();
    // Words past the last slot have no place on the grid; the learner types them.
    const std::size_t shown = std::min(words.size(), s.wordSlots.size());
    for (std::size_t i = 0; i < shown; ++i) {
        if (mode == FillMode::restore && text::find(answerSoFar, words[i]).has_value()) {
            continue;
        }
        window.setCaption(s.wordSlots[i], words[i]);
    }
}

void takeWord(std::string_view button) {
    DescribedWindow& window = mainWindow();
    const Text word = window.caption(button);
    const Text last = text::toHalfWidth(lastCharacter(word));
    window.appendToEditBox("编辑框3", (last == "," || last == ".") ? word : word + " ");
    window.setCaption(button, "");
}

void restoreWordGrid() {
    fillWordGrid(currentAnswer(), FillMode::restore);
}

void toggleWordGrid() {
    const AppState& s = appState();
    DescribedWindow& window = mainWindow();
    const bool hide = window.caption("按钮38") == codec::gbk("隐藏点阵图");
    for (const std::string& slot : s.wordSlots) {
        window.setControlVisible(slot, !hide);
    }
    window.setCaption("按钮38", codec::gbk(hide ? "显示点阵图" : "隐藏点阵图"));
}
