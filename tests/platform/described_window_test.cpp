// The window builder and its control API, on a small window with one control of each kind.
#include "platform/codec.hpp"
#include "platform/described_window.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

WindowDescription sample() {
    ControlProperties digits;
    digits.digitsOnly = true;
    return {"样例",
            300,
            200,
            false,
            {
                {"单选框1", ControlKind::radioButton, "", 10, 10, 80, 20, "甲"},
                {"单选框2", ControlKind::radioButton, "", 10, 30, 80, 20, "乙"},
                {"选择框1", ControlKind::checkBox, "", 100, 10, 80, 20, "丙"},
                {"分组框1", ControlKind::groupBox, "", 100, 40, 150, 80, "组"},
                {"编辑框1", ControlKind::editBox, "分组框1", 10, 20, 60, 20, "", digits},
                {"组合框1", ControlKind::comboBox, "", 10, 130, 100, 20, ""},
                {"超级链接框1", ControlKind::linkButton, "", 120, 130, 60, 20, "链接"},
                {"按钮1", ControlKind::button, "", 200, 130, 60, 30, "A&B"},
            },
            {{"菜单", true, {"一", "二"}}}};
}

TEST(DescribedWindow, ChildrenOfAGroupBoxArePlacedRelativeToIt) {
    DescribedWindow window(sample());
    QWidget* edit = window.control("编辑框1");
    EXPECT_EQ(edit->parentWidget(), window.control("分组框1"));
    EXPECT_EQ(edit->geometry(), QRect(10, 20, 60, 20));
    EXPECT_EQ(window.control("分组框1")->geometry(), QRect(100, 40, 150, 80));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST(DescribedWindow, RadioButtonsFormOneGroupThatCodeCanClear) {
    DescribedWindow window(sample());
    window.show();
    QTest::mouseClick(window.control("单选框1"), Qt::LeftButton);
    EXPECT_TRUE(window.checked("单选框1"));
    QTest::mouseClick(window.control("单选框2"), Qt::LeftButton);
    EXPECT_TRUE(window.checked("单选框2"));
    EXPECT_FALSE(window.checked("单选框1"));
    window.setChecked("单选框2", false);
    EXPECT_FALSE(window.checked("单选框1"));
    EXPECT_FALSE(window.checked("单选框2"));
}

TEST(DescribedWindow, OnlyTheLearnersActionsRaiseEvents) {
    DescribedWindow window(sample());
    window.show();
    int clicks = 0;
    int presses = 0;
    std::vector<int> picked;
    window.onClicked("选择框1", [&] { ++clicks; });
    window.onPressed("超级链接框1", [&] { ++presses; });
    window.onItemSelected("组合框1", [&](int index) { picked.push_back(index); });
    window.setChecked("选择框1", true);
    window.addItems("组合框1", {codec::gbk("一"), codec::gbk("二")});
    window.setSelectedIndex("组合框1", 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(picked.empty());

    QTest::mouseClick(window.control("选择框1"), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(window.checked("选择框1"));
    QTest::mousePress(window.control("超级链接框1"), Qt::LeftButton);
    EXPECT_EQ(presses, 1);
    QTest::mouseRelease(window.control("超级链接框1"), Qt::LeftButton);
    QTest::mousePress(window.control("超级链接框1"), Qt::RightButton);
    EXPECT_EQ(presses, 1);
    // Picking the item already shown raises the event too.
    auto* combo = qobject_cast<QComboBox*>(window.control("组合框1"));
    emit combo->activated(1);
    EXPECT_EQ(picked, std::vector<int>{1});
}

TEST(DescribedWindow, ListSelectionPastTheEndTakesTheLastItem) {
    DescribedWindow window(sample());
    EXPECT_EQ(window.selectedIndex("组合框1"), -1);
    window.addItems("组合框1", {"a", "b", "c"});
    EXPECT_EQ(window.selectedIndex("组合框1"), -1);
    window.setSelectedIndex("组合框1", 7);
    EXPECT_EQ(window.selectedIndex("组合框1"), 2);
    EXPECT_EQ(window.itemCount("组合框1"), 3);
    window.clearItems("组合框1");
    EXPECT_EQ(window.itemCount("组合框1"), 0);
}

TEST(DescribedWindow, DigitsFilterIgnoresOtherTypedCharacters) {
    DescribedWindow window(sample());
    window.show();
    QWidget* edit = window.control("编辑框1");
    edit->setFocus();
    QTest::keyClicks(edit, "1a2-b3");
    EXPECT_EQ(window.caption("编辑框1"), "12-3");
}

TEST(DescribedWindow, CaptionsCrossAsGbkAndAmpersandsStayCharacters) {
    DescribedWindow window(sample());
    EXPECT_EQ(window.caption("按钮1"), "A&B");
    window.setCaption("按钮1", "x&y");
    EXPECT_EQ(window.caption("按钮1"), "x&y");
    window.setCaption("分组框1", codec::gbk("新组"));
    EXPECT_EQ(qobject_cast<QGroupBox*>(window.control("分组框1"))->title().toStdString(), "新组");
    window.setCaption("超级链接框1", "<b>bold</b>");
    EXPECT_EQ(window.caption("超级链接框1"), "<b>bold</b>");
}

TEST(DescribedWindow, TextCutAtALabelsEdgeShowsWholeOnHover) {
    WindowDescription description = sample();
    description.controls.push_back({"标签1", ControlKind::label, "", 10, 170, 60, 20, ""});
    DescribedWindow window(description);
    window.setCaption("标签1", "short");
    EXPECT_TRUE(window.control("标签1")->toolTip().isEmpty());
    window.setCaption("标签1", "a topic far too long for sixty pixels");
    EXPECT_EQ(window.control("标签1")->toolTip().toStdString(), "a topic far too long for sixty pixels");
}

TEST(DescribedWindow, MenuItemsCanBeDisabledAndRunTheirHandler) {
    DescribedWindow window(sample());
    int chosen = 0;
    window.onMenuItem("菜单", "二", [&] { ++chosen; });
    window.setMenuItemEnabled("菜单", "一", false);
    EXPECT_FALSE(window.menuItemEnabled("菜单", "一"));
    EXPECT_TRUE(window.menuItemEnabled("菜单", "二"));
    window.menuItem("菜单", "二")->trigger();
    EXPECT_EQ(chosen, 1);
}

TEST(DescribedWindow, ModalRunReturnsWhenTheWindowIsClosed) {
    DescribedWindow window(sample());
    QTimer::singleShot(0, &window, [&] {
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
        window.close();
    });
    window.runModal();
    EXPECT_FALSE(window.isVisible());
}

TEST(DescribedWindow, FirstActivationRunsOnce) {
    DescribedWindow window(sample());
    int activations = 0;
    window.onFirstActivated([&] { ++activations; });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&window);
    QTest::qWait(10);
    EXPECT_EQ(activations, 1);
}

} // namespace
