#include "platform/described_window.hpp"

#include "platform/codec.hpp"
#include "platform/fonts.hpp"
#include "platform/link_button.hpp"
#include "platform/whole_area_buttons.hpp"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <algorithm>

namespace {

// A Windows fixed frame: 3 px on each side, a 23 px caption, a 20 px menu bar.
constexpr int frameWidth = 6;
constexpr int frameHeight = 29;
constexpr int windowsMenuHeight = 20;

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor toQColor(Colour c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// Edit boxes hold CR LF line breaks in their text, as the classic edit control does.
QString fromSystemText(const Text& text) {
    QString s = codec::toUnicode(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

Text toSystemText(QString s) {
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return codec::fromUnicode(s);
}

void applyColours(QWidget* widget, const ControlProperties& p) {
    QPalette colours = widget->palette();
    if (p.textColour != noColour) {
        for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
            colours.setColor(QPalette::Active, role, toQColor(p.textColour));
            colours.setColor(QPalette::Inactive, role, toQColor(p.textColour));
        }
    }
    if (p.backgroundColour != noColour) {
        colours.setColor(QPalette::Base, toQColor(p.backgroundColour));
    }
    if (p.hideSelectionWithoutFocus) {
        colours.setColor(QPalette::Inactive, QPalette::Highlight,
                         colours.color(QPalette::Active, QPalette::Base));
        colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         colours.color(QPalette::Active, QPalette::Text));
    }
    widget->setPalette(colours);
}

QWidget* createEditBox(const ControlRow& row, QWidget* parent) {
    const ControlProperties& p = row.properties;
    if (p.multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(p.readOnly);
        edit->setVerticalScrollBarPolicy(p.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setFrameStyle(p.sunkenBorder ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::Box);
        edit->setPlainText(fromUtf8(row.text));
        // A read-only display gives no context menu and no caret of its own.
        edit->setContextMenuPolicy(p.readOnly ? Qt::NoContextMenu : Qt::DefaultContextMenu);
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(p.readOnly);
    edit->setText(fromUtf8(row.text));
    if (p.digitsOnly) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9]*")), edit));
    }
    return edit;
}

} // namespace

DescribedWindow::DescribedWindow(const WindowDescription& description) : QWidget(nullptr) {
    fonts::installSubstitutions();
    build(description);
}

DescribedWindow::~DescribedWindow() = default;

void DescribedWindow::build(const WindowDescription& description) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (description.minimiseBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
    setWindowTitle(fromUtf8(description.title));

    buildMenus(description);
    const bool hasMenuBar = std::any_of(description.menus.begin(), description.menus.end(),
                                        [](const MenuDescription& m) { return m.inMenuBar; });

    // The client area of the Windows frame, widened where a control reaches beyond it.
    int clientWidth = description.outerWidth - frameWidth;
    int clientHeight = description.outerHeight - frameHeight - (hasMenuBar ? windowsMenuHeight : 0);
    for (const ControlRow& row : description.controls) {
        if (row.parent.empty()) {
            clientWidth = std::max(clientWidth, row.x + row.width);
            clientHeight = std::max(clientHeight, row.y + row.height);
        }
    }
    const int menuHeight = hasMenuBar ? menuBar_->sizeHint().height() : 0;
    if (menuBar_) {
        menuBar_->setGeometry(0, 0, clientWidth, menuHeight);
        menuBar_->setVisible(hasMenuBar);
    }
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setGeometry(0, menuHeight, clientWidth, clientHeight);
    setFixedSize(clientWidth, menuHeight + clientHeight);

    for (const ControlRow& row : description.controls) {
        QWidget* parent = row.parent.empty() ? client_ : control(row.parent);
        QWidget* widget = createControl(row, parent);
        widget->setObjectName(fromUtf8(row.name));
        // Screen readers and test tools find a control by its name here.
        widget->setAccessibleDescription(fromUtf8(row.name));
        widget->setGeometry(row.x, row.y, row.width, row.height);
        controls_.emplace(std::string(row.name), widget);
    }
}

QWidget* DescribedWindow::createControl(const ControlRow& row, QWidget* parent) {
    const ControlProperties& p = row.properties;
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::label: {
        auto* label = new QLabel(fromUtf8(row.text), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::button:
        widget = new QPushButton(fromUtf8(row.text), parent);
        widget->setFocusPolicy(Qt::TabFocus);
        break;
    case ControlKind::checkBox:
        widget = new WholeAreaCheckBox(fromUtf8(row.text), parent);
        break;
    case ControlKind::radioButton: {
        auto* radio = new WholeAreaRadioButton(fromUtf8(row.text), parent);
        if (!radioGroup_) {
            radioGroup_ = new QButtonGroup(this);
        }
        radioGroup_->addButton(radio);
        widget = radio;
        break;
    }
    case ControlKind::editBox:
        widget = createEditBox(row, parent);
        break;
    case ControlKind::comboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        widget = combo;
        break;
    }
    case ControlKind::linkButton: {
        auto* link = new LinkButton(parent);
        link->setText(fromUtf8(row.text));
        widget = link;
        break;
    }
    case ControlKind::groupBox:
        widget = new QGroupBox(fromUtf8(row.text), parent);
        break;
    }
    if (!p.fontFace.empty() || p.fontPixels > 0 || p.bold) {
        const QString face = p.fontFace.empty() ? widget->font().family() : fromUtf8(p.fontFace);
        const int pixels = p.fontPixels > 0 ? p.fontPixels : widget->fontInfo().pixelSize();
        QFont font = fonts::withCharacterHeight(face, pixels, p.bold);
        font.setUnderline(widget->font().underline());
        widget->setFont(font);
    }
    applyColours(widget, p);
    return widget;
}

void DescribedWindow::buildMenus(const WindowDescription& description) {
    if (description.menus.empty()) {
        return;
    }
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    for (const MenuDescription& m : description.menus) {
        auto* menu = new QMenu(fromUtf8(m.title), this);
        for (std::string_view item : m.items) {
            menu->addAction(fromUtf8(item));
        }
        if (m.inMenuBar) {
            menuBar_->addMenu(menu);
        }
        menus_.emplace(std::string(m.title), menu);
    }
}

QWidget* DescribedWindow::control(std::string_view name) const {
    const auto it = controls_.find(name);
    Q_ASSERT_X(it != controls_.end(), "DescribedWindow::control", std::string(name).c_str());
    return it == controls_.end() ? nullptr : it->second;
}

QMenu* DescribedWindow::menu(std::string_view title) const {
    const auto it = menus_.find(title);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* DescribedWindow::menuItem(std::string_view menuTitle, std::string_view item) const {
    QMenu* m = menu(menuTitle);
    if (!m) {
        return nullptr;
    }
    const QString wanted = fromUtf8(item);
    for (QAction* action : m->actions()) {
        if (action->text() == wanted) {
            return action;
        }
    }
    return nullptr;
}

Text DescribedWindow::caption(std::string_view name) const {
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        return toSystemText(edit->toPlainText());
    }
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        return codec::fromUnicode(line->text());
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return codec::fromUnicode(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return codec::fromUnicode(button->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        return codec::fromUnicode(group->title());
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return codec::fromUnicode(combo->currentText());
    }
    return {};
}

void DescribedWindow::setCaption(std::string_view name, const Text& text) {
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        edit->setPlainText(fromSystemText(text));
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setText(codec::toUnicode(text));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        // Plain text: a chapter line must never be taken for markup.
        label->setTextFormat(Qt::PlainText);
        const QString shown = codec::toUnicode(text);
        label->setText(shown);
        // A long topic is cut at the label's edge: the whole of it shows on hover.
        const bool cut = label->fontMetrics().horizontalAdvance(shown) > label->width();
        label->setToolTip(cut ? shown : QString());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // "&" is a character of the caption, not a shortcut marker.
        QString caption = codec::toUnicode(text);
        button->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(codec::toUnicode(text));
    }
}

void DescribedWindow::appendToEditBox(std::string_view name, const Text& text) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control(name))) {
        edit->moveCursor(QTextCursor::End);
        edit->ensureCursorVisible();
        edit->insertPlainText(fromSystemText(text));
        edit->ensureCursorVisible();
    } else if (auto* line = qobject_cast<QLineEdit*>(control(name))) {
        line->end(false);
        line->insert(codec::toUnicode(text));
    }
}

bool DescribedWindow::checked(std::string_view name) const {
    auto* button = qobject_cast<QAbstractButton*>(control(name));
    return button && button->isChecked();
}

void DescribedWindow::setChecked(std::string_view name, bool on) {
    auto* button = qobject_cast<QAbstractButton*>(control(name));
    if (!button) {
        return;
    }
    // An exclusive group refuses to uncheck its checked button; from code it may.
    QButtonGroup* group = button->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive && !on) {
        group->setExclusive(false);
    }
    button->setChecked(on);
    if (exclusive && !on) {
        group->setExclusive(true);
    }
}

bool DescribedWindow::controlEnabled(std::string_view name) const {
    return control(name)->isEnabled();
}
void DescribedWindow::setControlEnabled(std::string_view name, bool on) {
    control(name)->setEnabled(on);
}
bool DescribedWindow::controlVisible(std::string_view name) const {
    return !control(name)->isHidden();
}
void DescribedWindow::setControlVisible(std::string_view name, bool on) {
    control(name)->setVisible(on);
}

int DescribedWindow::itemCount(std::string_view name) const {
    auto* combo = qobject_cast<QComboBox*>(control(name));
    return combo ? combo->count() : 0;
}

void DescribedWindow::addItems(std::string_view name, const std::vector<Text>& items) {
    if (auto* combo = qobject_cast<QComboBox*>(control(name))) {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(items.size()));
        for (const Text& item : items) {
            texts.append(codec::toUnicode(item));
        }
        const QSignalBlocker quiet(combo);
        const int shown = combo->currentIndex();
        combo->addItems(texts);
        combo->setCurrentIndex(shown);
    }
}

void DescribedWindow::clearItems(std::string_view name) {
    if (auto* combo = qobject_cast<QComboBox*>(control(name))) {
        const QSignalBlocker quiet(combo);
        combo->clear();
    }
}

int DescribedWindow::selectedIndex(std::string_view name) const {
    auto* combo = qobject_cast<QComboBox*>(control(name));
    return combo ? combo->currentIndex() : -1;
}

void DescribedWindow::setSelectedIndex(std::string_view name, int index) {
    if (auto* combo = qobject_cast<QComboBox*>(control(name))) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(combo->count() == 0 ? -1 : std::clamp(index, -1, combo->count() - 1));
    }
}

void DescribedWindow::setMenuItemEnabled(std::string_view menuTitle, std::string_view item, bool on) {
    if (QAction* action = menuItem(menuTitle, item)) {
        action->setEnabled(on);
    }
}

bool DescribedWindow::menuItemEnabled(std::string_view menuTitle, std::string_view item) const {
    QAction* action = menuItem(menuTitle, item);
    return action && action->isEnabled();
}

void DescribedWindow::onClicked(std::string_view name, std::function<void()> handler) {
    if (auto* button = qobject_cast<QAbstractButton*>(control(name))) {
        connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
    }
}

void DescribedWindow::onPressed(std::string_view name, std::function<void()> handler) {
    if (auto* link = qobject_cast<LinkButton*>(control(name))) {
        connect(link, &LinkButton::pressed, this, [handler = std::move(handler)] { handler(); });
    }
}

void DescribedWindow::onItemSelected(std::string_view name, std::function<void(int)> handler) {
    if (auto* combo = qobject_cast<QComboBox*>(control(name))) {
        connect(combo, &QComboBox::activated, this,
                [handler = std::move(handler)](int index) { handler(index); });
    }
}

void DescribedWindow::onMenuItem(std::string_view menuTitle, std::string_view item,
                                 std::function<void()> handler) {
    if (QAction* action = menuItem(menuTitle, item)) {
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    }
}

void DescribedWindow::onFirstActivated(std::function<void()> handler) {
    firstActivated_ = std::move(handler);
}

void DescribedWindow::onCloseRequested(std::function<void()> handler) {
    closeRequested_ = std::move(handler);
}

void DescribedWindow::centreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void DescribedWindow::runModal() {
    setWindowModality(Qt::ApplicationModal);
    centreOnScreen();
    closed_ = false;
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    connect(this, &DescribedWindow::windowClosed, &loop, &QEventLoop::quit);
    if (!closed_) {
        loop.exec();
    }
}

bool DescribedWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        if (firstActivated_) {
            firstActivated_();
        }
    }
    return handled;
}

void DescribedWindow::closeEvent(QCloseEvent* event) {
    if (closeRequested_) {
        event->ignore();
        closeRequested_();
        return;
    }
    event->accept();
    closed_ = true;
    emit windowClosed();
}
