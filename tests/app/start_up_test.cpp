// Start-up: the settings file is checked, read and validated in a fixed order, and the
// orderly end stores the position only when asked.
#include "app/app_state.hpp"
#include "support/installation.hpp"
#include "ui/main_window.hpp"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class StartUp : public ::testing::Test {
protected:
    StartUp() {
        installation.writeChapter(1, {"I am a student.", "Good morning.", "How are you?", "Fine, thanks."},
                                  {"我是一名学生。", "早上好。", "你好吗？", "很好，谢谢。"});
        installation.writeChapter(2, {"See you."}, {"再见。"});
    }
    Installation installation;
};

TEST_F(StartUp, MissingSettingsFileIsReportedAndEndsWithoutWritingAnything) {
    RunningTrainer trainer(installation, false);
    ASSERT_EQ(trainer.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(trainer.fakes.messages.shown[0].kind, MessageKind::error);
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].message), "缺少配置文件log.ini，程序无法继续运行！");
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].title), "信息：");
    EXPECT_EQ(trainer.fakes.end.ended, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(installation.dir.file("log.ini"))));
}

// Each required key, absent or stored as the marker, stops the start.
struct BrokenSetting {
    const char* key;
    const char* replacement; // the line that takes the key's place; "" removes it
};

class StartUpWithBrokenSetting : public StartUp, public ::testing::WithParamInterface<BrokenSetting> {};

TEST_P(StartUpWithBrokenSetting, EndsWithTheReadFailureAndLeavesTheFileAlone) {
    std::string settings = validSettings();
    const std::string line = std::string(GetParam().key) + "=";
    const auto at = settings.find("\n" + line);
    ASSERT_NE(at, std::string::npos);
    const auto end = settings.find("\r\n", at + 1);
    settings.replace(at + 1, end + 2 - (at + 1), GetParam().replacement);
    installation.writeSettings(settings);
    const std::string before = installation.settingsBytes();

    RunningTrainer trainer(installation, false);
    ASSERT_EQ(trainer.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(utf8(trainer.fakes.messages.shown[0].message), "读取配置信息失败！");
    EXPECT_EQ(trainer.fakes.messages.shown[0].kind, MessageKind::error);
    EXPECT_EQ(trainer.fakes.end.ended, 1);
    EXPECT_EQ(installation.settingsBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(RequiredKeys, StartUpWithBrokenSetting,
                         ::testing::Values(BrokenSetting{"section", ""}, BrokenSetting{"topic", ""},
                                           BrokenSetting{"log", ""}, BrokenSetting{"skn", ""},
                                           BrokenSetting{"input", ""}, BrokenSetting{"initialization", ""},
                                           BrokenSetting{"skn", "skn=假\r\n"},
                                           BrokenSetting{"section", "section = 假 \r\n"},
                                           BrokenSetting{"log", "log=假\r\n"}));

TEST_F(StartUp, ValidationStopsAtTheFirstMissingKeyInItsOrder) {
    // initialization is tested first: nothing after it is derived.
    installation.writeSettings("[loginfo]\r\nsection=1\r\ntopic=1\r\nlog=0\r\nskn=0\r\ninput=1\r\n");
    RunningTrainer trainer(installation, false);
    EXPECT_EQ(trainer.fakes.end.ended, 1);
    EXPECT_EQ(appState().inputMode, 0);
    EXPECT_EQ(appState().rememberPosition, 0);
    EXPECT_EQ(utf8(appState().chapterNo), "1");
}

TEST_F(StartUp, SknMissingStillDerivesTheKeysTestedBeforeIt) {
    installation.writeSettings(
        "[loginfo]\r\nsection=1\r\ntopic=1\r\nlog=yes\r\ninput=1\r\ninitialization=true\r\n");
    RunningTrainer trainer(installation, false);
    EXPECT_EQ(trainer.fakes.end.ended, 1);
    EXPECT_EQ(appState().resetOnWrong, 1);
    EXPECT_EQ(appState().inputMode, 1);
    EXPECT_EQ(appState().rememberPosition, 0);
}

struct Derived {
    const char* lines;
    int AppState::*field;
    int expected;
};

class StartUpDerivation : public StartUp, public ::testing::WithParamInterface<Derived> {};

TEST_P(StartUpDerivation, FlagsComeFromTheTextsExactly) {
    installation.writeSettings(validSettings(GetParam().lines));
    RunningTrainer trainer(installation, false);
    EXPECT_EQ(trainer.fakes.end.ended, 0);
    EXPECT_EQ(appState().*GetParam().field, GetParam().expected) << GetParam().lines;
}

INSTANTIATE_TEST_SUITE_P(Settings, StartUpDerivation,
                         ::testing::Values(Derived{"play=true\r\n", &AppState::playTone, 1},
                                           Derived{"play=True\r\n", &AppState::playTone, 0},
                                           Derived{"play= t r u e \r\n", &AppState::playTone, 1},
                                           Derived{"beep=synthesis\r\n", &AppState::toneSynthesized, 1},
                                           Derived{"beep=custom\r\n", &AppState::toneSynthesized, 0},
                                           Derived{"", &AppState::toneSynthesized, 0},
                                           Derived{"fit=1\r\n", &AppState::caseSensitive, 1},
                                           Derived{"fit=\xEF\xBC\x92\r\n", &AppState::caseSensitive, 2},
                                           Derived{"", &AppState::caseSensitive, 0},
                                           Derived{"beepfrequency=8 00\r\n", &AppState::toneFrequency, 800},
                                           Derived{"beepsleep=250ms\r\n", &AppState::toneDuration, 250}));

TEST_F(StartUp, LogDecidesWhetherThePositionIsStored) {
    const std::pair<const char*, int> cases[] = {{"log=yes", 1}, {"log=0", 0}, {"log= 0 ", 0}, {"log=", 1}};
    for (const auto& [line, expected] : cases) {
        std::string settings = replaced(validSettings(), "log=1", line);
        installation.writeSettings(settings);
        RunningTrainer trainer(installation, false);
        EXPECT_EQ(appState().rememberPosition, expected) << line;
    }
}

TEST_F(StartUp, EmptyRequiredKeyIsNotMissingAndOptionalKeysFallBack) {
    std::string settings =
        "[loginfo]\r\nsection=1\r\ntopic=1\r\nlog=1\r\nskn=0\r\ninput=\r\ninitialization=x\r\n";
    installation.writeSettings(settings);
    RunningTrainer trainer(installation, false);
    EXPECT_EQ(trainer.fakes.end.ended, 0);
    EXPECT_EQ(appState().inputMode, 0);
    EXPECT_EQ(appState().resetOnWrong, 0);
    EXPECT_EQ(utf8(appState().speechForReading), "false");
    EXPECT_EQ(utf8(appState().speechEngine), "intp65");
    EXPECT_EQ(utf8(appState().speechVoice), "xiaoyu");
}

TEST_F(StartUp, PresentButEmptyVideoIsKeptEmpty) {
    installation.writeSettings(validSettings("video=\r\n") + "[msc]\r\nengine = vivi21\r\n");
    RunningTrainer trainer(installation, false);
    EXPECT_EQ(utf8(appState().speechForReading), "");
    EXPECT_EQ(utf8(appState().speechEngine), "intp65"); // the first [msc] block wins
}

// Resumption at the stored question, with the fonts set at the first activation only.
struct Resumption {
    const char* topic;
    int loaded;
    int shown;
    const char* status;
};

class Resume : public StartUp, public ::testing::WithParamInterface<Resumption> {};

TEST_P(Resume, LoadsUpToTheStoredQuestionAndShowsIt) {
    std::string settings = replaced(validSettings(), "topic=1", std::string("topic=") + GetParam().topic);
    installation.writeSettings(settings);
    RunningTrainer trainer(installation);
    EXPECT_EQ(static_cast<int>(appState().answers.size()), GetParam().loaded);
    EXPECT_EQ(appState().currentIndex, GetParam().shown);
    EXPECT_EQ(trainer.caption("状态条"), GetParam().status);
    const std::vector<std::string> prompts{"我是一名学生。", "早上好。", "你好吗？", "很好，谢谢。"};
    EXPECT_EQ(trainer.caption("编辑框1"), prompts[static_cast<std::size_t>(GetParam().shown - 1)]);
}

INSTANTIATE_TEST_SUITE_P(
    StoredTopics, Resume,
    ::testing::Values(Resumption{"1", 1, 1, "已获取题目"}, Resumption{"4", 4, 4, "第 4 道题目"},
                      Resumption{"2.5", 3, 2, "第 2.5 道题目"}, Resumption{"1.00000001", 1, 1, "已获取题目"},
                      Resumption{"9", 4, 4, "第 4 道题目"}, Resumption{"0", 1, 1, "第 1 道题目"},
                      Resumption{"abc", 1, 1, "第 1 道题目"},
                      Resumption{"99999999999999999999", 4, 4, "第 4 道题目"}));

TEST_F(StartUp, AnswerFontsAreReplacedAtTheFirstActivationOnly) {
    installation.writeSettings(validSettings());
    RunningTrainer trainer(installation, false);
    QWidget* answer = trainer.window().control("编辑框3");
    EXPECT_TRUE(answer->font().bold());
    EXPECT_FALSE(answer->font().underline());
    trainer.window().show();
    QApplication::setActiveWindow(&trainer.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&trainer.window()));
    for (const char* name : {"编辑框3", "编辑框2"}) {
        const QFont font = trainer.window().control(name)->font();
        EXPECT_TRUE(font.underline()) << name;
        EXPECT_FALSE(font.bold()) << name;
        EXPECT_FALSE(font.italic()) << name;
        EXPECT_NEAR(QFontMetrics(font).height(), 23, 1) << name;
    }
    // A later activation changes nothing.
    trainer.window().control("编辑框3")->setFont(QFont());
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&trainer.window());
    QTest::qWait(10);
    EXPECT_FALSE(trainer.window().control("编辑框3")->font().underline());
}

// Leaving the program: by the close box or by "退出", the same way.
class Leaving : public StartUp, public ::testing::WithParamInterface<bool> {
protected:
    void leave(RunningTrainer& trainer) {
        if (GetParam()) {
            trainer.window().close();
        } else {
            trainer.window().menuItem("开始", "退出")->trigger();
        }
    }
};

TEST_P(Leaving, StoresChapterAndQuestionKeepingEveryOtherLine) {
    installation.writeSettings("; 我的设置\r\n" + validSettings("video=真的\r\n") +
                               "\r\n[extra]\r\nX = 1 \r\n");
    const std::string before = installation.settingsBytes();
    RunningTrainer trainer(installation);
    trainer.click("按钮2");
    trainer.click("按钮2");
    leave(trainer);
    EXPECT_EQ(trainer.fakes.end.ended, 1);
    std::string expected = before;
    expected = replaced(expected, "topic=1", "topic=3");
    EXPECT_EQ(installation.settingsBytes(), expected);
}

TEST_P(Leaving, WritesNothingWhenThePositionIsNotToBeStored) {
    std::string settings = replaced(validSettings(), "log=1", "log=0");
    installation.writeSettings(settings);
    const std::string before = installation.settingsBytes();
    RunningTrainer trainer(installation);
    trainer.click("按钮2");
    leave(trainer);
    EXPECT_EQ(trainer.fakes.end.ended, 1);
    EXPECT_EQ(installation.settingsBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(ByCloseBoxOrMenu, Leaving, ::testing::Bool());

} // namespace
