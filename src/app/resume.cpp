#include "app/app_state.hpp"
#include "app/lifecycle.hpp"
#include "lessons/chapter_loader.hpp"
#include "lessons/current_question.hpp"
#include "lessons/question_navigation.hpp"
#include "platform/codec.hpp"
#include "ui/main_window.hpp"

#include <algorithm>
#include <cmath>

void resumeStoredPosition() {
    AppState& s = appState();
    DescribedWindow& window = mainWindow();
    window.setCaption("状态条", codec::gbk("正在获取题目和答案…"));
    setControlFont("编辑框3", codec::gbk("微软雅黑"), 23, 1, 0, 1, 0);
    setControlFont("编辑框2", codec::gbk("微软雅黑"), 23, 1, 0, 1, 0);

    const double topic = text::toNumber(s.resumeTopic);
    if (std::abs(topic - 1) <= 1e-7) {
        loadNextPair();
        showQuestion();
        window.setCaption("状态条", questionOnScreen() ? codec::gbk("已获取题目") : noQuestionStatus());
        return;
    }
    for (double count = 0; count - topic < -1e-7; ++count) {
        if (requestNextPair() == PairRequest::exhausted) {
            break;
        }
    }
    // A stored number that names no loaded question shows the nearest one that loaded.
    const int stored = text::realToInteger(topic);
    if (stored < 1 && loadedCount() == 0) {
        loadNextPair();
    }
    s.currentIndex = std::clamp(stored, std::min(1, loadedCount()), loadedCount());
    showQuestion(s.currentIndex);
    const Text shown = s.currentIndex == stored ? s.resumeTopic : text::numberToText(s.currentIndex);
    window.setCaption("状态条", positionStatus(shown));
}
