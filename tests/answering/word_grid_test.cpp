// The word grid: words on the slots in their scattered order, clicked into the answer box.
#include "answering/word_grid.hpp"
#include "app/app_state.hpp"
#include "support/installation.hpp"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

std::string slotButton(int slot) {
    return "按钮" + std::to_string(slot + 6);
}

class WordGrid : public ::testing::Test {
protected:
    void start(const std::vector<std::string>& answers, const char* input = "1") {
        std::string s = replaced(validSettings(), "input=0", std::string("input=") + input);
        installation.writeSettings(s);
        std::vector<std::string> prompts(answers.size(), "提示");
        installation.writeChapter(1, answers, prompts);
        trainer = std::make_unique<RunningTrainer>(installation);
    }
    std::vector<std::string> slotCaptions() const {
        std::vector<std::string> captions;
        for (int i = 1; i <= 30; ++i) {
            captions.push_back(trainer->caption(slotButton(i)));
        }
        return captions;
    }
    Installation installation;
    std::unique_ptr<RunningTrainer> trainer;
};

TEST_F(WordGrid, SentenceLandsOnTheFirstSlotsAtTheirCells) {
    start({"I am a student.", "Next one."});
    const std::pair<int, QRect> expected[] = {{1, QRect(37, 296, 112, 32)},
                                              {2, QRect(37, 456, 112, 32)},
                                              {3, QRect(485, 424, 112, 32)},
                                              {4, QRect(373, 424, 112, 32)}};
    const char* words[] = {"I", "am", "a", "student."};
    for (int i = 0; i < 4; ++i) {
        const auto& [slot, cell] = expected[i];
        EXPECT_EQ(trainer->caption(slotButton(slot)), words[i]);
        EXPECT_EQ(trainer->window().control(slotButton(slot))->geometry(), cell);
    }
    const std::vector<std::string> all = slotCaptions();
    EXPECT_TRUE(std::all_of(all.begin() + 4, all.end(), [](const std::string& c) { return c.empty(); }));
}

TEST_F(WordGrid, ClickingTheWordsInOrderBuildsTheAnswerThatIsCorrect) {
    start({"I am a student.", "Next one."});
    for (int slot = 1; slot <= 4; ++slot) {
        trainer->click(slotButton(slot));
        EXPECT_EQ(trainer->caption(slotButton(slot)), "");
    }
    EXPECT_EQ(trainer->caption("编辑框3"), "I am a student.");
    auto* box = qobject_cast<QPlainTextEdit*>(trainer->window().control("编辑框3"));
    EXPECT_TRUE(box->textCursor().atEnd());
    trainer->click("按钮5");
    ASSERT_FALSE(trainer->fakes.messages.shown.empty());
    EXPECT_EQ(utf8(trainer->fakes.messages.shown[0].message),
              "恭喜你，答案正确，你又进步了哦！是否要进入下一题？");
    // Yes: the next sentence is on the grid and the box is empty.
    EXPECT_EQ(trainer->caption("编辑框3"), "");
    EXPECT_EQ(trainer->caption(slotButton(1)), "Next");
    EXPECT_EQ(trainer->caption(slotButton(2)), "one.");
}

TEST_F(WordGrid, CommaAndFullStopTakeNoSpaceFullWidthOnesToo) {
    start({"Hello, world.", "你好， 世界。 end"});
    trainer->click(slotButton(1));
    trainer->click(slotButton(2));
    EXPECT_EQ(trainer->caption("编辑框3"), "Hello,world.");
    trainer->click("按钮2");
    trainer->click(slotButton(1));
    trainer->click(slotButton(2));
    // The full-width full stop (A1 A3) is not A3 AE: it gets a space.
    EXPECT_EQ(trainer->caption("编辑框3"), "你好，世界。 ");
}

TEST_F(WordGrid, DoubleSpaceGivesAnEmptySlotThatAddsOneSpace) {
    start({"a  b"});
    EXPECT_EQ(slotCaptions()[0], "a");
    EXPECT_EQ(slotCaptions()[1], "");
    EXPECT_EQ(slotCaptions()[2], "b");
    trainer->click(slotButton(1));
    trainer->click(slotButton(2));
    trainer->click(slotButton(3));
    EXPECT_EQ(trainer->caption("编辑框3"), "a  b ");
    trainer->click(slotButton(3));
    EXPECT_EQ(trainer->caption("编辑框3"), "a  b  ");
}

TEST_F(WordGrid, OuterSpacesMakeNoWordsInnerFullWidthSpaceStaysInside) {
    start({"　 one two　three  　"});
    EXPECT_EQ(slotCaptions()[0], "one");
    EXPECT_EQ(slotCaptions()[1], "two　three");
    EXPECT_EQ(slotCaptions()[2], "");
}

TEST_F(WordGrid, RestoreKeepsEmptyWhatTheAnswerAlreadyHolds) {
    start({"I am a student."});
    trainer->window().setCaption("编辑框3", "I am ");
    trainer->click("按钮6");
    trainer->click("按钮37");
    EXPECT_EQ(slotCaptions()[0], "");
    EXPECT_EQ(slotCaptions()[1], "");
    EXPECT_EQ(slotCaptions()[2], ""); // "a" is found inside "am"
    EXPECT_EQ(slotCaptions()[3], "student.");
    EXPECT_EQ(trainer->caption("编辑框3"), "I am ");
    EXPECT_EQ(trainer->caption("按钮6"), "显示答案");
    EXPECT_EQ(trainer->caption("编辑框2"), "I am a student.");

    trainer->window().setCaption("编辑框3", "");
    trainer->click("按钮37");
    EXPECT_EQ(slotCaptions()[0], "I");
    EXPECT_EQ(slotCaptions()[3], "student.");
}

TEST_F(WordGrid, RestoreWorksInTypingModeToo) {
    start({"I am a student."}, "0");
    EXPECT_EQ(slotCaptions()[0], "");
    trainer->click("按钮37");
    EXPECT_EQ(slotCaptions()[0], "I");
}

TEST_F(WordGrid, HiddenGridIsRefilledAcrossQuestionsAndShownAgain) {
    start({"One two.", "Three four."});
    trainer->click("按钮38");
    EXPECT_EQ(trainer->caption("按钮38"), "显示点阵图");
    for (int slot = 1; slot <= 30; ++slot) {
        EXPECT_FALSE(trainer->window().controlVisible(slotButton(slot)));
    }
    trainer->click("按钮2");
    EXPECT_FALSE(trainer->window().controlVisible(slotButton(1)));
    EXPECT_EQ(slotCaptions()[0], "Three");
    trainer->click("按钮38");
    EXPECT_EQ(trainer->caption("按钮38"), "隐藏点阵图");
    EXPECT_TRUE(trainer->window().controlVisible(slotButton(1)));
    EXPECT_TRUE(trainer->window().controlEnabled("按钮38"));
}

TEST_F(WordGrid, WordsPastTheThirtiethAreLeftOffTheGrid) {
    std::string sentence;
    for (int i = 1; i <= 33; ++i) {
        sentence += "w" + std::to_string(i) + (i < 33 ? " " : ".");
    }
    start({sentence});
    EXPECT_EQ(slotCaptions()[29], "w30");
    EXPECT_EQ(slotCaptions()[0], "w1");
}

TEST_F(WordGrid, TypingModeLeavesTheGridAloneAcrossChapters) {
    start({"One two."}, "0");
    installation.writeChapter(2, {"Three four."}, {"提示"});
    trainer->click("按钮37");
    trainer->click("按钮4");
    EXPECT_EQ(slotCaptions()[0], "One");
}

TEST_F(WordGrid, AppendedWordIsScrolledIntoView) {
    start({"word"});
    auto* box = qobject_cast<QPlainTextEdit*>(trainer->window().control("编辑框3"));
    std::string many;
    for (int i = 0; i < 40; ++i) {
        many += "line\r\n";
    }
    trainer->window().setCaption("编辑框3", many);
    box->verticalScrollBar()->setValue(0);
    trainer->click(slotButton(1));
    EXPECT_TRUE(box->textCursor().atEnd());
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(box->viewport()->rect().contains(box->cursorRect()));
}

} // namespace
