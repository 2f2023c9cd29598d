// Submitting an answer: the comparison, the messages, the error sound and the reset.
#include "answering/answer_check.hpp"
#include "app/app_state.hpp"
#include "platform/codec.hpp"
#include "support/installation.hpp"

#include <gtest/gtest.h>

namespace {

class AnswerCheck : public ::testing::Test {
protected:
    AnswerCheck() {
        installation.writeSettings(validSettings());
        installation.writeChapter(1, {"I am a student.", "Hello, world.", "Good night."},
                                  {"我是一名学生。", "你好，世界。", "晚安。"});
    }
    void settings(const std::string& loginfoLines) {
        installation.writeSettings(validSettings(loginfoLines));
    }
    void submit(RunningTrainer& trainer, const std::string& answerUtf8) {
        trainer.window().setCaption("编辑框3", codec::gbk(answerUtf8));
        trainer.click("按钮5");
    }
    std::string lastMessage(const RunningTrainer& trainer) const {
        return trainer.fakes.messages.shown.empty() ? "" : utf8(trainer.fakes.messages.shown.back().message);
    }
    Installation installation;
};

struct Comparison {
    const char* answer;
    int caseSensitive;
    bool correct;
};

class AnswerComparison : public AnswerCheck, public ::testing::WithParamInterface<Comparison> {};

TEST_P(AnswerComparison, IgnoresSpacesAndByDefaultLetterCase) {
    settings("fit=" + std::to_string(GetParam().caseSensitive) + "\r\n");
    RunningTrainer trainer(installation);
    trainer.fakes.messages.answers.push_back(MessageAnswer::no);
    submit(trainer, GetParam().answer);
    EXPECT_EQ(lastMessage(trainer), GetParam().correct ? "恭喜你，答案正确，你又进步了哦！是否要进入下一题？"
                                                       : "对不起，答案错误，请再仔细思考一下！")
        << GetParam().answer;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerComparison,
    ::testing::Values(Comparison{"I am a student.", 0, true}, Comparison{"Iamastudent.", 0, true},
                      Comparison{"Iam a student .", 0, true}, Comparison{"　I　am a student.　", 0, true},
                      Comparison{"I AM A STUDENT.", 0, true}, Comparison{"I AM A STUDENT.", 1, false},
                      Comparison{"I AM A STUDENT.", 2, true}, Comparison{"I am a student.", 1, true},
                      Comparison{"I am a student", 0, false}, Comparison{"ｉ am a student.", 0, false},
                      Comparison{"I am a student。", 0, false}, Comparison{"I am a\tstudent.", 0, false},
                      Comparison{"I am a\nstudent.", 0, false}));

TEST_F(AnswerCheck, SpacesOnlyAnswerIsRefused) {
    RunningTrainer trainer(installation);
    for (const char* answer : {"", "   ", "　 　"}) {
        submit(trainer, answer);
        EXPECT_EQ(lastMessage(trainer), "你还没有填写答案呢！");
        EXPECT_EQ(utf8(trainer.fakes.messages.shown.back().title), "信息：");
    }
    EXPECT_EQ(appState().currentIndex, 1);
}

TEST_F(AnswerCheck, CorrectAnswerAcceptedWithYesMovesOnLoadingOneMorePair) {
    RunningTrainer trainer(installation);
    submit(trainer, "i am a student.");
    ASSERT_EQ(trainer.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(trainer.fakes.messages.shown[0].kind, MessageKind::question);
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].title), "消息");
    EXPECT_EQ(appState().currentIndex, 2);
    EXPECT_EQ(appState().answers.size(), 2u);
    EXPECT_EQ(trainer.caption("编辑框1"), "你好，世界。");
    EXPECT_EQ(trainer.caption("编辑框3"), "");
    EXPECT_EQ(trainer.caption("状态条"), "第 2 题");
}

TEST_F(AnswerCheck, CorrectAnswerDeclinedWithNoChangesNothing) {
    RunningTrainer trainer(installation);
    trainer.fakes.messages.answers.push_back(MessageAnswer::no);
    submit(trainer, "I am a student.");
    EXPECT_EQ(appState().currentIndex, 1);
    EXPECT_EQ(trainer.caption("编辑框3"), "I am a student.");
}

TEST_F(AnswerCheck, CorrectAnswerOnTheLastQuestionOnlyCongratulates) {
    std::string s = replaced(validSettings(), "topic=1", "topic=3");
    installation.writeSettings(s);
    RunningTrainer trainer(installation);
    submit(trainer, "Good night.");
    ASSERT_EQ(trainer.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(trainer.fakes.messages.shown[0].kind, MessageKind::information);
    EXPECT_EQ(lastMessage(trainer), "恭喜你已学完本章！");
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].title), "消息");
    EXPECT_EQ(appState().currentIndex, 3);
    EXPECT_EQ(utf8(appState().chapterNo), "1");
    EXPECT_EQ(trainer.caption("编辑框3"), "Good night.");
}

// Which error sound a wrong answer makes.
struct SoundChoice {
    const char* name;
    const char* lines;
    bool mp3, wav;
    const char* expected; // "", "tone", "mp3", "wav"
};

class ErrorSound : public AnswerCheck, public ::testing::WithParamInterface<SoundChoice> {};

TEST_P(ErrorSound, FirstApplicableSoundPlays) {
    settings(GetParam().lines);
    if (GetParam().mp3) {
        installation.dir.write("Error_voice/1.mp3", "mp3");
    }
    if (GetParam().wav) {
        installation.dir.write("Error_voice/1.wav", "wav");
    }
    RunningTrainer trainer(installation);
    submit(trainer, "wrong");
    EXPECT_EQ(lastMessage(trainer), "对不起，答案错误，请再仔细思考一下！");
    const auto& calls = trainer.fakes.sound.calls;
    if (std::string(GetParam().expected).empty()) {
        EXPECT_TRUE(calls.empty());
        return;
    }
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].what, GetParam().expected);
    if (calls[0].what == "tone") {
        EXPECT_EQ(calls[0].frequency, 800);
        EXPECT_EQ(calls[0].duration, 250);
    } else {
        EXPECT_EQ(calls[0].path, installation.runDir() + "\\Error_voice\\1." + calls[0].what);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ErrorSound,
    ::testing::Values(SoundChoice{"Tone",
                                  "play=true\r\nbeep=synthesis\r\nbeepfrequency=800\r\nbeepsleep=250\r\n",
                                  true, true, "tone"},
                      SoundChoice{"Mp3BeforeWav", "play=true\r\nbeep=custom\r\n", true, true, "mp3"},
                      SoundChoice{"WavWithoutMp3", "play=true\r\n", false, true, "wav"},
                      SoundChoice{"NoFile", "play=true\r\n", false, false, ""},
                      SoundChoice{"PlayOff", "play=false\r\nbeep=synthesis\r\n", true, true, ""},
                      SoundChoice{"PlayNotExactlyTrue", "play=TRUE\r\n", true, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnswerCheck, WrongAnswerWithResetClearsAndRefillsTheGridEvenWhenTyping) {
    std::string s = replaced(validSettings(), "initialization=false", "initialization=true");
    installation.writeSettings(s);
    RunningTrainer trainer(installation);
    trainer.click("按钮6");
    submit(trainer, "I am a teacher.");
    EXPECT_EQ(trainer.caption("编辑框3"), "");
    EXPECT_EQ(trainer.caption("编辑框2"), "");
    EXPECT_EQ(trainer.caption("按钮6"), "显示答案");
    EXPECT_EQ(trainer.caption("按钮7"), "I");
    EXPECT_EQ(trainer.caption("按钮10"), "student.");
}

TEST_F(AnswerCheck, WrongAnswerWithoutResetKeepsEverything) {
    RunningTrainer trainer(installation);
    trainer.click("按钮6");
    submit(trainer, "I am a teacher.");
    EXPECT_EQ(trainer.caption("编辑框3"), "I am a teacher.");
    EXPECT_EQ(trainer.caption("编辑框2"), "I am a student.");
    EXPECT_EQ(trainer.caption("按钮7"), "");
}

} // namespace
