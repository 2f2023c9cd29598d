#include "lessons/current_question.hpp"

#include "app/app_state.hpp"
#include "platform/codec.hpp"

int loadedCount() {
    return static_cast<int>(appState().answers.size());
}

bool questionOnScreen() {
    const int index = appState().currentIndex;
    return index >= 1 && index <= loadedCount();
}

const Text& currentAnswer() {
    static const Text none;
    return questionOnScreen() ? appState().answers[static_cast<std::size_t>(appState().currentIndex - 1)]
                              : none;
}

Text positionStatus(const Text& number) {
    return questionOnScreen() ? codec::gbk("第 ") + number + codec::gbk(" 道题目") : noQuestionStatus();
}

Text noQuestionStatus() {
    return codec::gbk("本章没有可以显示的题目");
}
