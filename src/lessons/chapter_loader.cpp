#include "lessons/chapter_loader.hpp"

#include "app/app_state.hpp"
#include "platform/chapter_file.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "platform/services.hpp"
#include "ui/main_window.hpp"

namespace {

Text chapterFolder(const Text& chapterNo) {
    return paths::runDir() + "\\res\\section" + chapterNo;
}

} // namespace

void openChapter(const Text& chapterNo) {
    AppState& s = appState();
    const Text title = codec::gbk("第") + chapterNo + codec::gbk("章");
    s.answerFile = chapterfile::open(chapterFolder(chapterNo) + "\\TXT1.TXT");
    if (s.answerFile < 1) {
        showMessage(MessageKind::error, codec::gbk("打开txt1.txt失败，无法继续运行！"), title);
        endProgram();
        return;
    }
    s.questionFile = chapterfile::open(chapterFolder(chapterNo) + "\\TXT2.TXT");
    if (s.questionFile < 1) {
        showMessage(MessageKind::error, codec::gbk("打开txt2.txt失败，无法继续运行！"), title);
        endProgram();
        return;
    }
    chapterfile::rewind(s.answerFile);
    chapterfile::rewind(s.questionFile);
    const int count = countQuestions();
    DescribedWindow& window = mainWindow();
    window.setCaption("标签3", codec::gbk("当前第 ") + chapterNo + codec::gbk(" 章，共 ") +
                                   text::numberToText(count) + codec::gbk(" 道题目"));
    window.setSelectedIndex("组合框1", 0);
}

int countQuestions() {
    const AppState& s = appState();
    static const Text before = codec::gbk("第 ");
    static const Text after = codec::gbk(" 题");
    // Added to the list in one go: a chapter of many thousand lines fills it at once.
    std::vector<Text> items;
    while (mainWindowExists()) {
        const Text line = chapterfile::readLine(s.answerFile);
        if (line.empty()) {
            break;
        }
        items.push_back(before + text::numberToText(static_cast<std::int64_t>(items.size() + 1)) + after);
        if (chapterfile::atEnd(s.answerFile)) {
            break;
        }
    }
    if (mainWindowExists()) {
        mainWindow().addItems("组合框1", items);
    }
    chapterfile::rewind(s.answerFile);
    chapterfile::rewind(s.questionFile);
    return static_cast<int>(items.size());
}

bool loadNextPair() {
    AppState& s = appState();
    if (chapterfile::position(s.answerFile) == 0) {
        s.atChapterStart = 1;
    }
    const Text answer = chapterfile::readLine(s.answerFile);
    if (text::removeSpaces(answer).empty()) {
        return false;
    }
    if (!chapterfile::atEnd(s.answerFile)) {
        s.answers.push_back(answer);
        const Text question = chapterfile::readLine(s.questionFile);
        s.questions.push_back(question);
        if (s.atChapterStart == 1) {
            mainWindow().setCaption("标签2", codec::gbk("当前章节主题：") + answer + codec::gbk("（") +
                                                 question + codec::gbk("）"));
            s.atChapterStart = 0;
        }
        return true;
    }
    if (s.lastLineTaken == 0) {
        s.answers.push_back(answer);
        s.questions.push_back(chapterfile::readLine(s.questionFile));
        s.lastLineTaken = 1;
        return true;
    }
    return false;
}

PairRequest requestNextPair() {
    const std::int64_t before = chapterfile::position(appState().answerFile);
    if (loadNextPair()) {
        return PairRequest::added;
    }
    // A call that read nothing stands at the end of the readable text: every later call
    // reads nothing too.
    return chapterfile::position(appState().answerFile) == before ? PairRequest::exhausted
                                                                  : PairRequest::skipped;
}
