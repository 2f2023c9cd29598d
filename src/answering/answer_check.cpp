#include "answering/answer_check.hpp"

#include "answering/word_grid.hpp"
#include "app/app_state.hpp"
#include "lessons/current_question.hpp"
#include "lessons/question_navigation.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "platform/services.hpp"
#include "ui/main_window.hpp"

namespace {

void playErrorSound() {
    const AppState& s = appState();
    const Text mp3 = paths::runDir() + "\\Error_voice\\1.mp3";
    const Text wav = paths::runDir() + "\\Error_voice\\1.wav";
    if (s.toneSynthesized == 1) {
        platform().sound->tone(s.toneFrequency, s.toneDuration);
    } else if (paths::exists(mp3)) {
        platform().sound->playMp3(mp3);
    } else if (paths::exists(wav)) {
        platform().sound->playWav(wav);
    }
}

void resetQuestion() {
    DescribedWindow& window = mainWindow();
    window.setCaption("编辑框3", "");
    fillWordGrid(currentAnswer());
    window.setCaption("按钮6", codec::gbk("显示答案"));
    window.setCaption("编辑框2", "");
}

} // namespace

Text normaliseAnswer(const Text& answer) {
    const Text withoutSpaces = text::removeSpaces(answer);
    return appState().caseSensitive == 1 ? withoutSpaces : text::toLower(withoutSpaces);
}

void submitAnswer() {
    AppState& s = appState();
    DescribedWindow& window = mainWindow();
    const Text content = window.caption("编辑框3");
    if (text::removeSpaces(content).empty()) {
        showMessage(MessageKind::information, codec::gbk("你还没有填写答案呢！"));
        return;
    }
    if (normaliseAnswer(content) == normaliseAnswer(currentAnswer())) {
        const Text title = codec::gbk("消息");
        if (window.itemCount("组合框1") == s.currentIndex) {
            showMessage(MessageKind::information, codec::gbk("恭喜你已学完本章！"), title);
            return;
        }
        const MessageAnswer goOn = showMessage(
            MessageKind::question, codec::gbk("恭喜你，答案正确，你又进步了哦！是否要进入下一题？"), title);
        if (goOn == MessageAnswer::no) {
            return;
        }
        nextQuestion();
        return;
    }
    if (s.playTone == 1) {
        playErrorSound();
    }
    if (s.resetOnWrong == 1) {
        resetQuestion();
    }
    showMessage(MessageKind::information, codec::gbk("对不起，答案错误，请再仔细思考一下！"));
}
