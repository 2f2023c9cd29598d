// The real message boxes: title, text, icon, buttons, and the answer of a question.
#include "platform/codec.hpp"
#include "platform/qt_services.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    bool hasParent = true;
    int buttons = 0;
};

TEST(MessageBoxes, ErrorBoxCarriesItsTextTitleAndIcon) {
    QtMessageBoxService boxes;
    auto seen = std::make_shared<Seen>();
    QTimer::singleShot(0, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->modality = box->windowModality();
        seen->hasParent = box->parentWidget() != nullptr;
        seen->buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(boxes.show(MessageKind::error, codec::gbk("读取配置信息失败！"), codec::gbk("信息：")),
              MessageAnswer::ok);
    EXPECT_EQ(seen->title.toStdString(), "信息：");
    EXPECT_EQ(seen->text.toStdString(), "读取配置信息失败！");
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_EQ(seen->modality, Qt::ApplicationModal);
    EXPECT_FALSE(seen->hasParent);
    EXPECT_EQ(seen->buttons, 1);
}

TEST(MessageBoxes, QuestionGivesNoOnlyForNo) {
    QtMessageBoxService boxes;
    for (auto [press, expected] :
         {std::pair{QMessageBox::No, MessageAnswer::no}, std::pair{QMessageBox::Yes, MessageAnswer::yes}}) {
        auto icon = std::make_shared<QMessageBox::Icon>(QMessageBox::Critical);
        QTimer::singleShot(0, [press = press, icon] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            *icon = box->icon();
            EXPECT_EQ(box->buttons().size(), 2);
            box->button(press)->click();
        });
        EXPECT_EQ(boxes.show(MessageKind::question, "?", codec::gbk("消息")), expected);
        EXPECT_EQ(*icon, QMessageBox::NoIcon);
    }
}

} // namespace
