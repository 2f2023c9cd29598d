#include "lessons/question_navigation.hpp"

#include "answering/word_grid.hpp"
#include "app/app_state.hpp"
#include "lessons/chapter_loader.hpp"
#include "lessons/current_question.hpp"
#include "platform/codec.hpp"
#include "ui/main_window.hpp"

namespace {

void display(int index) {
    AppState& s = appState();
    const bool valid = index >= 1 && index <= loadedCount();
    mainWindow().setCaption("编辑框1", valid ? s.questions[static_cast<std::size_t>(index - 1)] : Text());
    mainWindow().setCaption("编辑框2", "");
    if (s.inputMode == 1) {
        fillWordGrid(currentAnswer());
    }
}

} // namespace

void clearAnswerAndHideIt() {
    mainWindow().setCaption("编辑框3", "");
    mainWindow().setCaption("按钮6", codec::gbk("显示答案"));
}

void showQuestion() {
    appState().currentIndex = loadedCount();
    display(appState().currentIndex);
}

void showQuestion(int index) {
    display(index);
}

void nextQuestion() {
    AppState& s = appState();
    if (s.currentIndex == loadedCount()) {
        if (!loadNextPair()) {
            mainWindow().setCaption("状态条", codec::gbk("已经是最后一题，没有下一题"));
            return;
        }
        clearAnswerAndHideIt();
        showQuestion();
    } else {
        clearAnswerAndHideIt();
        ++s.currentIndex;
        showQuestion(s.currentIndex);
    }
    mainWindow().setCaption("状态条",
                            codec::gbk("第 ") + text::numberToText(s.currentIndex) + codec::gbk(" 题"));
}

void previousQuestion() {
    AppState& s = appState();
    if (s.currentIndex <= 1) {
        mainWindow().setCaption("状态条", codec::gbk("已经是第一题，没有上一题"));
        return;
    }
    clearAnswerAndHideIt();
    --s.currentIndex;
    showQuestion(s.currentIndex);
    mainWindow().setCaption("状态条",
                            codec::gbk("第 ") + text::numberToText(s.currentIndex) + codec::gbk(" 题"));
}

void goToQuestion() {
    AppState& s = appState();
    const int selection = mainWindow().selectedIndex("组合框1");
    if (selection < 0) {
        return;
    }
    const double target = selection + 1.0;
    if (target - s.currentIndex >= -1e-7) {
        for (double k = s.currentIndex; k - target < -1e-7; ++k) {
            if (requestNextPair() == PairRequest::exhausted) {
                break;
            }
        }
    }
    // The list may promise more questions than the files can give: stay within what loaded.
    s.currentIndex = std::min(text::realToInteger(target), loadedCount());
    showQuestion(s.currentIndex);
    mainWindow().setCaption("状态条", positionStatus(text::numberToText(s.currentIndex)));
}

void toggleAnswer() {
    DescribedWindow& window = mainWindow();
    if (window.caption("按钮6") == codec::gbk("显示答案")) {
        window.setCaption("编辑框2", currentAnswer());
        window.setCaption("按钮6", codec::gbk("隐藏答案"));
    } else {
        window.setCaption("编辑框2", "");
        window.setCaption("按钮6", codec::gbk("显示答案"));
    }
}
