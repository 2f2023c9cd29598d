// Moving between questions and chapters with real clicks on the main window.
#include "app/app_state.hpp"
#include "support/installation.hpp"

#include <QTest>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> numbered(const char* stem, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back(stem + std::to_string(i) + ".");
    }
    return lines;
}

class Navigation : public ::testing::Test {
protected:
    Navigation() {
        installation.writeSettings(validSettings());
        installation.writeChapter(1, numbered("Answer ", 12), numbered("题目", 12));
        installation.writeChapter(2, numbered("Second ", 3), numbered("第二章", 3));
        installation.writeChapter(3, numbered("Third ", 2), numbered("第三章", 2));
    }
    void startAt(const char* section, const char* topic) {
        std::string settings = replaced(validSettings(), "section=1", std::string("section=") + section);
        settings = replaced(settings, "topic=1", std::string("topic=") + topic);
        installation.writeSettings(settings);
    }
    int loaded() const { return static_cast<int>(appState().answers.size()); }
    Installation installation;
};

TEST_F(Navigation, NextAndPreviousMoveThroughLoadedQuestionsReadingOnlyWhenNeeded) {
    RunningTrainer trainer(installation);
    trainer.click("按钮2");
    trainer.click("按钮2");
    EXPECT_EQ(loaded(), 3);
    trainer.click("按钮1");
    trainer.click("按钮1");
    EXPECT_EQ(appState().currentIndex, 1);
    EXPECT_EQ(trainer.caption("状态条"), "第 1 题");
    trainer.click("按钮2");
    EXPECT_EQ(loaded(), 3);
    EXPECT_EQ(trainer.caption("编辑框1"), "题目2.");
    EXPECT_EQ(trainer.caption("状态条"), "第 2 题");
}

TEST_F(Navigation, MovingClearsTheAnswerBoxAndHidesTheAnswer) {
    RunningTrainer trainer(installation);
    trainer.window().setCaption("编辑框3", "typed");
    trainer.click("按钮6");
    EXPECT_EQ(trainer.caption("编辑框2"), "Answer 1.");
    EXPECT_EQ(trainer.caption("按钮6"), "隐藏答案");
    trainer.click("按钮2");
    EXPECT_EQ(trainer.caption("编辑框3"), "");
    EXPECT_EQ(trainer.caption("编辑框2"), "");
    EXPECT_EQ(trainer.caption("按钮6"), "显示答案");
}

TEST_F(Navigation, ToggleAnswerTwiceHidesItAgain) {
    RunningTrainer trainer(installation);
    trainer.click("按钮6");
    trainer.click("按钮6");
    EXPECT_EQ(trainer.caption("编辑框2"), "");
    EXPECT_EQ(trainer.caption("按钮6"), "显示答案");
}

TEST_F(Navigation, EndsOfTheChapterOnlyReport) {
    startAt("3", "2");
    RunningTrainer trainer(installation);
    trainer.window().setCaption("编辑框3", "kept");
    trainer.click("按钮6");
    trainer.click("按钮2");
    EXPECT_EQ(trainer.caption("状态条"), "已经是最后一题，没有下一题");
    EXPECT_EQ(appState().currentIndex, 2);
    EXPECT_EQ(trainer.caption("编辑框3"), "kept");
    EXPECT_EQ(trainer.caption("编辑框2"), "Third 2.");
    EXPECT_EQ(trainer.caption("按钮6"), "隐藏答案");

    trainer.click("按钮1");
    trainer.click("按钮1");
    EXPECT_EQ(trainer.caption("状态条"), "已经是第一题，没有上一题");
    EXPECT_EQ(appState().currentIndex, 1);
}

TEST_F(Navigation, GoForwardRequestsPairsCountedFromTheCurrentQuestion) {
    startAt("1", "8");
    RunningTrainer trainer(installation);
    for (int i = 0; i < 5; ++i) {
        trainer.click("按钮1");
    }
    ASSERT_EQ(appState().currentIndex, 3);
    trainer.chooseQuestion(5);
    trainer.click("超级链接框2");
    EXPECT_EQ(loaded(), 11);
    EXPECT_EQ(appState().currentIndex, 6);
    EXPECT_EQ(trainer.caption("编辑框1"), "题目6.");
    EXPECT_EQ(trainer.caption("状态条"), "第 6 道题目");
}

TEST_F(Navigation, GoBackRequestsNothingAndKeepsTypedText) {
    startAt("1", "5");
    RunningTrainer trainer(installation);
    trainer.window().setCaption("编辑框3", "typed");
    trainer.click("按钮6");
    trainer.chooseQuestion(1);
    trainer.click("超级链接框2");
    EXPECT_EQ(loaded(), 5);
    EXPECT_EQ(appState().currentIndex, 2);
    EXPECT_EQ(trainer.caption("编辑框3"), "typed");
    EXPECT_EQ(trainer.caption("编辑框2"), "");
    EXPECT_EQ(trainer.caption("按钮6"), "隐藏答案");
    trainer.click("按钮6");
    EXPECT_EQ(trainer.caption("按钮6"), "显示答案");
    EXPECT_EQ(trainer.caption("编辑框2"), "");
}

TEST_F(Navigation, GoToTheCurrentQuestionShowsItAgain) {
    startAt("1", "4");
    RunningTrainer trainer(installation);
    trainer.click("按钮6");
    trainer.chooseQuestion(3);
    trainer.click("超级链接框2");
    EXPECT_EQ(loaded(), 4);
    EXPECT_EQ(trainer.caption("编辑框2"), "");
    EXPECT_EQ(trainer.caption("状态条"), "第 4 道题目");
    trainer.click("按钮2");
    EXPECT_EQ(trainer.caption("状态条"), "第 5 题");
}

TEST_F(Navigation, NextChapterOpensItAtItsFirstQuestion) {
    startAt("2", "2");
    RunningTrainer trainer(installation);
    trainer.window().setCaption("编辑框3", "typed");
    trainer.click("按钮4");
    EXPECT_EQ(utf8(appState().chapterNo), "3");
    EXPECT_EQ(utf8(appState().resumeTopic), "0");
    EXPECT_EQ(appState().currentIndex, 1);
    EXPECT_EQ(loaded(), 1);
    EXPECT_EQ(trainer.caption("编辑框1"), "第三章1.");
    EXPECT_EQ(trainer.caption("编辑框3"), "");
    EXPECT_EQ(trainer.caption("状态条"), "第 1 道题目");
    EXPECT_EQ(trainer.window().itemCount("组合框1"), 2);
    EXPECT_EQ(trainer.window().selectedIndex("组合框1"), 0);
    EXPECT_EQ(trainer.caption("标签3"), "当前第 3 章，共 2 道题目");
    EXPECT_EQ(trainer.caption("标签2"), "当前章节主题：Third 1.（第三章1.）");
}

TEST_F(Navigation, ChapterRangeEndsOnlyReport) {
    startAt("3", "2");
    RunningTrainer trainer(installation);
    trainer.click("按钮4");
    EXPECT_EQ(trainer.caption("状态条"), "已经是最后一章了，没有下一章");
    EXPECT_EQ(utf8(appState().chapterNo), "3");
    EXPECT_EQ(appState().currentIndex, 2);
    EXPECT_EQ(trainer.window().itemCount("组合框1"), 2);

    trainer.click("按钮3");
    trainer.click("按钮3");
    EXPECT_EQ(utf8(appState().chapterNo), "1");
    trainer.click("按钮3");
    EXPECT_EQ(trainer.caption("状态条"), "当前已经是第一章，没有上一章");
    EXPECT_EQ(trainer.fakes.end.ended, 0);
}

TEST_F(Navigation, MissingPreviousChapterEndsThroughTheOpenFailure) {
    startAt("3", "1");
    QDir(QString::fromStdString(installation.dir.file("res/section2"))).removeRecursively();
    RunningTrainer trainer(installation);
    trainer.click("按钮3");
    ASSERT_EQ(trainer.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].title), "第2章");
    EXPECT_EQ(trainer.fakes.end.ended, 1);
}

TEST_F(Navigation, PlainFileNamedLikeTheNextChapterCountsAsOne) {
    startAt("3", "1");
    installation.dir.write("res/section4", "not a folder");
    RunningTrainer trainer(installation);
    trainer.click("按钮4");
    EXPECT_EQ(trainer.fakes.end.ended, 1);
    EXPECT_EQ(utf8(trainer.fakes.messages.shown.at(0).message), "打开txt1.txt失败，无法继续运行！");
}

// A chapter whose first answer line is blank has nothing to show; nothing may break.
TEST_F(Navigation, ChapterWithoutLoadableQuestionKeepsEveryButtonHarmless) {
    installation.writeChapterFile(2, "TXT1.TXT", "\r\n  \r\n");
    installation.writeChapterFile(2, "TXT2.TXT", "x\r\ny\r\n");
    startAt("2", "3");
    RunningTrainer trainer(installation);
    EXPECT_EQ(loaded(), 0);
    EXPECT_EQ(trainer.caption("编辑框1"), "");
    EXPECT_EQ(trainer.caption("状态条"), "本章没有可以显示的题目");
    for (const char* control : {"按钮2", "按钮1", "超级链接框2", "按钮6", "按钮37", "按钮7", "按钮38"}) {
        trainer.click(control);
    }
    trainer.window().setCaption("编辑框3", "anything");
    trainer.click("按钮5");
    EXPECT_EQ(loaded(), 0);
    EXPECT_EQ(trainer.fakes.end.ended, 0);
    trainer.click("按钮4");
    EXPECT_EQ(trainer.caption("编辑框1"), "第三章1.");
}

TEST_F(Navigation, GoWithAnEmptyListDoesNothing) {
    installation.writeChapterFile(2, "TXT1.TXT", "");
    startAt("2", "1");
    RunningTrainer trainer(installation);
    const std::string status = trainer.caption("状态条");
    trainer.click("超级链接框2");
    EXPECT_EQ(trainer.caption("状态条"), status);
    EXPECT_EQ(appState().currentIndex, 0);
}

} // namespace
