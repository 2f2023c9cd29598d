// Counting and loading a chapter's two files, including the files that make the two disagree.
#include "app/app_state.hpp"
#include "lessons/chapter_loader.hpp"
#include "platform/codec.hpp"
#include "support/installation.hpp"

#include <gtest/gtest.h>

namespace {

struct LoaderCase {
    const char* name;
    std::string answers; // raw bytes of TXT1.TXT
    std::string prompts; // raw bytes of TXT2.TXT
    int listed;          // items of the question list
    // Results of successive loadNextPair calls, then the lists they leave.
    std::vector<bool> loads;
    std::vector<std::string> loadedAnswers;
    std::vector<std::string> loadedPrompts;
    int lastLineTaken;
};

const LoaderCase loaderCases[] = {
    {"ThreeLinesWithFinalBreak",
     "a\r\nb\r\nc\r\n",
     "x\r\ny\r\nz\r\n",
     3,
     {true, true, true, false},
     {"a", "b", "c"},
     {"x", "y", "z"},
     1},
    {"ThreeLinesWithoutFinalBreak",
     "a\r\nb\r\nc",
     "x\r\ny\r\nz",
     3,
     {true, true, true, false, false},
     {"a", "b", "c"},
     {"x", "y", "z"},
     1},
    {"LfOnly", "a\nb\n", "x\ny\n", 2, {true, true, false}, {"a", "b"}, {"x", "y"}, 1},
    {"EmptyLinesAfterTheLastQuestion",
     "a\r\nb\r\n\r\n\r\n",
     "x\r\ny\r\n",
     2,
     {true, true, false, false, false},
     {"a", "b"},
     {"x", "y"},
     0},
    {"BlankLineInTheMiddle",
     "a\r\n\r\nc\r\n",
     "x\r\ny\r\nz\r\n",
     1,
     {true, false, true, false},
     {"a", "c"},
     {"x", "y"},
     1},
    {"SpacesOnlyLineIsCountedButStopsLoading",
     "a\r\n \xA1\xA1 \r\nc",
     "x\r\ny\r\nz",
     3,
     {true, false, true, false},
     {"a", "c"},
     {"x", "y"},
     1},
    {"CarriageReturnInTheMiddleStays",
     "a\rb\r\nc\r\n",
     "x\r\ny\r\n",
     2,
     {true, true},
     {"a\rb", "c"},
     {"x", "y"},
     1},
    {"Byte26EndsTheReadableText",
     "a\r\nb\r\n\x1A"
     "c\r\nd\r\n",
     "x\r\ny\r\nz\r\nw\r\n",
     2,
     {true, true, false, false},
     {"a", "b"},
     {"x", "y"},
     0},
    {"ShortPromptFileGivesEmptyPrompts",
     "a\r\nb\r\nc",
     "x\r\n",
     3,
     {true, true, true},
     {"a", "b", "c"},
     {"x", "", ""},
     1},
    {"EmptyAnswerFile", "", "x\r\n", 0, {false, false}, {}, {}, 0},
    {"TwoByteCharacterWhoseSecondByteIsLf",
     "\x81\x0A"
     "b\r\nc\r\n",
     "x\r\ny\r\n",
     2,
     {true, true},
     {"\x81\x0A"
      "b",
      "c"},
     {"x", "y"},
     1},
};

class ChapterLoader : public ::testing::TestWithParam<LoaderCase> {};

TEST_P(ChapterLoader, CountsAndLoadsAsTheFilesAllow) {
    const LoaderCase& c = GetParam();
    Installation installation;
    installation.writeSettings(validSettings());
    installation.writeChapterFile(1, "TXT1.TXT", c.answers);
    installation.writeChapterFile(1, "TXT2.TXT", c.prompts);
    RunningTrainer trainer(installation, false);
    EXPECT_EQ(trainer.window().itemCount("组合框1"), c.listed);
    EXPECT_EQ(trainer.caption("标签3"), "当前第 1 章，共 " + std::to_string(c.listed) + " 道题目");
    for (std::size_t i = 0; i < c.loads.size(); ++i) {
        EXPECT_EQ(loadNextPair(), c.loads[i]) << "call " << i + 1;
        EXPECT_EQ(appState().answers.size(), appState().questions.size());
    }
    EXPECT_EQ(appState().answers, c.loadedAnswers);
    EXPECT_EQ(appState().questions, c.loadedPrompts);
    EXPECT_EQ(appState().lastLineTaken, c.lastLineTaken);
}

INSTANTIATE_TEST_SUITE_P(Files, ChapterLoader, ::testing::ValuesIn(loaderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChapterLoaderTopic, FirstPairNamesTheChapterInFullWidthParentheses) {
    Installation installation;
    installation.writeSettings(validSettings());
    installation.writeChapter(1, {"Nice to meet you.", "Hello."}, {"很高兴认识你。", "你好。"});
    RunningTrainer trainer(installation);
    EXPECT_EQ(trainer.caption("标签2"), "当前章节主题：Nice to meet you.（很高兴认识你。）");
    EXPECT_EQ(trainer.window().selectedIndex("组合框1"), 0);
    EXPECT_EQ(trainer.caption("组合框1"), "第 1 题");
}

struct OpenFailure {
    const char* missing;
    const char* message;
};

class ChapterLoaderOpen : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(ChapterLoaderOpen, UnopenableFileEndsTheProgramWithItsMessage) {
    Installation installation;
    installation.writeSettings(validSettings());
    installation.writeChapter(1, {"a"}, {"x"});
    QFile::remove(
        QString::fromStdString(installation.dir.file(std::string("res/section1/") + GetParam().missing)));
    RunningTrainer trainer(installation, false);
    ASSERT_EQ(trainer.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].message), GetParam().message);
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].title), "第1章");
    EXPECT_EQ(trainer.fakes.messages.shown[0].kind, MessageKind::error);
    EXPECT_EQ(trainer.fakes.end.ended, 1);
}

INSTANTIATE_TEST_SUITE_P(Files, ChapterLoaderOpen,
                         ::testing::Values(OpenFailure{"TXT1.TXT", "打开txt1.txt失败，无法继续运行！"},
                                           OpenFailure{"TXT2.TXT", "打开txt2.txt失败，无法继续运行！"}));

TEST(ChapterLoaderOpenBoth, AnswerFileFailureDoesNotTryThePromptFile) {
    Installation installation;
    installation.writeSettings(validSettings());
    installation.writeChapterFile(1, "TXT2.TXT", "x\r\n");
    RunningTrainer trainer(installation, false);
    EXPECT_EQ(trainer.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(appState().questionFile, 0);
}

} // namespace
