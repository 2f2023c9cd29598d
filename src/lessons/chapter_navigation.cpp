#include "lessons/chapter_navigation.hpp"

#include "app/app_state.hpp"
#include "lessons/chapter_loader.hpp"
#include "lessons/current_question.hpp"
#include "lessons/question_navigation.hpp"
#include "platform/chapter_file.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "ui/main_window.hpp"

namespace {

Text neighbour(int direction) {
    return text::numberToText(text::toNumber(appState().chapterNo) + direction);
}

void changeChapter(int direction) {
    AppState& s = appState();
    clearAnswerAndHideIt();
    stepChapter(direction);
    openChapter(s.chapterNo);
    loadNextPair();
    showQuestion();
    mainWindow().setCaption("状态条", positionStatus(text::numberToText(s.currentIndex)));
}

} // namespace

void nextChapter() {
    if (!paths::exists(paths::runDir() + "\\res\\section" + neighbour(+1))) {
        mainWindow().setCaption("状态条", codec::gbk("已经是最后一章了，没有下一章"));
        return;
    }
    changeChapter(+1);
}

void previousChapter() {
    if (appState().chapterNo == "1") {
        mainWindow().setCaption("状态条", codec::gbk("当前已经是第一章，没有上一章"));
        return;
    }
    changeChapter(-1);
}

void closeChapter() {
    AppState& s = appState();
    chapterfile::close(s.answerFile);
    chapterfile::close(s.questionFile);
    s.answerFile = 0;
    s.questionFile = 0;
    s.currentIndex = 0;
    s.lastLineTaken = 0;
    s.answers.clear();
    s.questions.clear();
    mainWindow().clearItems("组合框1");
}

void stepChapter(int direction) {
    AppState& s = appState();
    closeChapter();
    s.chapterNo = neighbour(direction);
    // Built, then moved: assigning the literal trips a false -Wrestrict in GCC 12.
    s.resumeTopic = Text(1, '0');
}
