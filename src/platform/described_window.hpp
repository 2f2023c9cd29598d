#pragma once
// A top-level window built from a WindowDescription, with the small control API the logic
// uses: every control is reached by its name, every text crosses as GBK.
#include "platform/text.hpp"
#include "platform/window_description.hpp"

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QButtonGroup;
class QMenu;
class QMenuBar;

class DescribedWindow : public QWidget {
    Q_OBJECT
public:
    explicit DescribedWindow(const WindowDescription& description);
    ~DescribedWindow() override;

    // The area the control places are relative to (below the menu bar).
    QWidget* clientArea() const { return client_; }
    QWidget* control(std::string_view name) const;
    QMenuBar* menuBar() const { return menuBar_; }
    QMenu* menu(std::string_view title) const;
    QAction* menuItem(std::string_view menuTitle, std::string_view item) const;

    // The visible text of a control: caption of a label, button, check box, radio button,
    // link or group box; content of an edit box (line breaks as CR LF); shown item of a list.
    Text caption(std::string_view name) const;
    void setCaption(std::string_view name, const Text& text);
    // Puts the caret at the end of an edit box's text, scrolled into view, and inserts there.
    void appendToEditBox(std::string_view name, const Text& text);
    bool checked(std::string_view name) const;
    void setChecked(std::string_view name, bool on);
    bool controlEnabled(std::string_view name) const;
    void setControlEnabled(std::string_view name, bool on);
    bool controlVisible(std::string_view name) const;
    void setControlVisible(std::string_view name, bool on);
    int itemCount(std::string_view name) const;
    void addItems(std::string_view name, const std::vector<Text>& items);
    void clearItems(std::string_view name);
    // -1 when nothing is selected.
    int selectedIndex(std::string_view name) const;
    // An index past the end selects the last item.
    void setSelectedIndex(std::string_view name, int index);
    void setMenuItemEnabled(std::string_view menuTitle, std::string_view item, bool on);
    bool menuItemEnabled(std::string_view menuTitle, std::string_view item) const;

    // Learner actions only; changes made from code raise none of them.
    void onClicked(std::string_view name, std::function<void()> handler);
    // Link buttons: the left mouse button pressed on them.
    void onPressed(std::string_view name, std::function<void()> handler);
    // List item picked by the learner, also the one already shown.
    void onItemSelected(std::string_view name, std::function<void(int)> handler);
    void onMenuItem(std::string_view menuTitle, std::string_view item, std::function<void()> handler);
    // Runs once, the first time the window becomes active.
    void onFirstActivated(std::function<void()> handler);
    // Replaces closing by the close box: the window stays open unless the handler closes it.
    void onCloseRequested(std::function<void()> handler);

    // Centred on the screen, application-modal; returns when the window is closed.
    void runModal();
    void centreOnScreen();

signals:
    void windowClosed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build(const WindowDescription& description);
    QWidget* createControl(const ControlRow& row, QWidget* parent);
    void buildMenus(const WindowDescription& description);

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QButtonGroup* radioGroup_ = nullptr;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<std::string, QMenu*, std::less<>> menus_;
    std::function<void()> firstActivated_;
    std::function<void()> closeRequested_;
    bool activatedOnce_ = false;
    bool closed_ = false;
};
