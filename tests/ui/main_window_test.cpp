// The main window as the learner sees it: every control of the table at its place, with its
// text and look, the menus, and the fixed frame.
#include "support/installation.hpp"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Placement {
    const char* name;
    int x, y, width, height;
    const char* text;
};

const Placement controls[] = {
    {"标签3", 104, 1, 216, 24, ""},
    {"标签2", 292, 1, 340, 24, ""},
    {"标签1", 8, 32, 86, 48, "当前题目:"},
    {"编辑框1", 104, 32, 512, 64, ""},
    {"编辑框3", 104, 98, 512, 74, ""},
    {"按钮5", 9, 112, 80, 40, "提交"},
    {"编辑框2", 104, 176, 512, 76, ""},
    {"按钮6", 9, 184, 81, 40, "显示答案"},
    {"按钮37", 38, 256, 93, 32, "初始化单词点阵"},
    {"按钮1", 130, 256, 54, 32, "上一题"},
    {"超级链接框1", 185, 257, 56, 30, "朗 读"},
    {"按钮2", 242, 256, 62, 32, "下一题"},
    {"按钮3", 303, 256, 57, 32, "上一章"},
    {"按钮4", 359, 256, 59, 32, "下一章"},
    {"按钮38", 417, 256, 79, 32, "隐藏点阵图"},
    {"组合框1", 497, 264, 79, 20, ""},
    {"超级链接框2", 575, 264, 40, 20, "GO"},
    {"分组框1", 0, 484, 640, 31, ""},
    {"状态条", 8, 11, 624, 16, ""},
};

// Slot order of the grid, row by row as it stands on the window.
const int gridButtons[6][5] = {{7, 32, 31, 30, 29},  {28, 27, 26, 25, 24}, {23, 22, 21, 20, 19},
                               {18, 17, 16, 15, 14}, {13, 12, 11, 10, 9},  {8, 33, 35, 36, 34}};

class MainWindowLayout : public ::testing::Test {
protected:
    MainWindowLayout() {
        installation.writeSettings(validSettings());
        installation.writeChapter(1, {"I am a student."}, {"我是一名学生。"});
    }
    Installation installation;
};

TEST_F(MainWindowLayout, EveryControlStandsAtItsPlaceWithItsText) {
    RunningTrainer trainer(installation, false);
    for (const Placement& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = trainer.window().control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(c.x, c.y, c.width, c.height));
        if (std::string_view(c.name).starts_with("编辑框") || std::string_view(c.name).starts_with("标签") ||
            std::string_view(c.name) == "状态条" || std::string_view(c.name) == "组合框1") {
            continue; // filled by start-up
        }
        EXPECT_EQ(trainer.caption(c.name), c.text);
        EXPECT_TRUE(widget->isEnabled());
        EXPECT_FALSE(widget->isHidden());
    }
    EXPECT_EQ(trainer.window().control("状态条")->parentWidget(), trainer.window().control("分组框1"));
}

TEST_F(MainWindowLayout, WordGridHasThirtyEmptyButtonsInSixRowsOfFive) {
    RunningTrainer trainer(installation, false);
    const int left[] = {37, 149, 261, 373, 485};
    const int top[] = {296, 328, 360, 392, 424, 456};
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 5; ++column) {
            const std::string name = "按钮" + std::to_string(gridButtons[row][column]);
            SCOPED_TRACE(name);
            QWidget* button = trainer.window().control(name);
            EXPECT_EQ(button->geometry(), QRect(left[column], top[row], 112, 32));
            EXPECT_EQ(trainer.caption(name), "");
        }
    }
}

TEST_F(MainWindowLayout, DisplaysAreReadOnlyAndTheAnswerBoxTakesLineBreaks) {
    RunningTrainer trainer(installation, false);
    auto* prompt = qobject_cast<QPlainTextEdit*>(trainer.window().control("编辑框1"));
    auto* answer = qobject_cast<QPlainTextEdit*>(trainer.window().control("编辑框3"));
    auto* expected = qobject_cast<QPlainTextEdit*>(trainer.window().control("编辑框2"));
    ASSERT_TRUE(prompt && answer && expected);
    EXPECT_TRUE(prompt->isReadOnly());
    EXPECT_TRUE(expected->isReadOnly());
    EXPECT_FALSE(answer->isReadOnly());
    EXPECT_EQ(prompt->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(answer->palette().color(QPalette::Text), QColor(255, 80, 128));
    EXPECT_EQ(expected->palette().color(QPalette::Text), QColor(128, 0, 128));
    EXPECT_EQ(prompt->font().pixelSize(), 16);
    EXPECT_FALSE(prompt->font().bold());
    EXPECT_TRUE(qobject_cast<QLabel*>(trainer.window().control("标签1"))->font().bold());
    EXPECT_EQ(trainer.window().control("标签1")->font().pixelSize(), 19);

    answer->setFocus();
    answer->setPlainText("Hello");
    answer->moveCursor(QTextCursor::End);
    QTest::keyClick(answer, Qt::Key_Return);
    QTest::keyClicks(answer, "world");
    EXPECT_EQ(trainer.caption("编辑框3"), "Hello\r\nworld");
    QTest::keyClicks(prompt, "typed");
    EXPECT_EQ(trainer.caption("编辑框1"), "");
}

TEST_F(MainWindowLayout, MenuBarHoldsOnlyStartAndThePopupMenuStaysHidden) {
    RunningTrainer trainer(installation, false);
    QMenuBar* bar = trainer.window().menuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text().toStdString(), "开始");
    auto texts = [](QMenu* menu) {
        std::vector<std::string> items;
        for (QAction* a : menu->actions()) {
            items.push_back(a->text().toStdString());
            EXPECT_TRUE(a->isEnabled());
            EXPECT_FALSE(a->isSeparator());
        }
        return items;
    };
    EXPECT_EQ(texts(trainer.window().menu("开始")),
              (std::vector<std::string>{"关于语音合成", "个人设置", "热键注册", "关于", "退出"}));
    QMenu* popup = trainer.window().menu("编辑框右键");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(texts(popup), (std::vector<std::string>{"语音朗读", "剪切", "复制", "删除", "粘贴", "全选"}));
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(MainWindowLayout, FrameIsFixedWithMinimiseAndCloseButNoMaximise) {
    RunningTrainer trainer(installation);
    DescribedWindow& window = trainer.window();
    EXPECT_EQ(window.windowTitle().toStdString(), "Venlorin");
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    // The client area below the menu bar holds the whole table.
    EXPECT_EQ(window.clientArea()->size(), QSize(640, 515));
    EXPECT_EQ(window.clientArea()->y(), window.menuBar()->height());
}

TEST_F(MainWindowLayout, ChineseFaceMapsToAnInstalledFontWithChineseGlyphs) {
    RunningTrainer trainer(installation, false);
    const QFont font = trainer.window().control("编辑框1")->font();
    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(0x9898))); // 题
    EXPECT_TRUE(metrics.inFont(QChar(0x5B66))); // 学
}

} // namespace
