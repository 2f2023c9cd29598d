#include "ui/main_window.hpp"

#include "answering/answer_check.hpp"
#include "answering/word_grid.hpp"
#include "app/lifecycle.hpp"
#include "hotkeys/hotkey_window.hpp"
#include "lessons/chapter_navigation.hpp"
#include "lessons/question_navigation.hpp"
#include "speech/read_aloud.hpp"
#include "speech/speech_window.hpp"
#include "ui/about_window.hpp"
#include "ui/answer_box_menu.hpp"
#include "ui/main_window_description.hpp"
#include "ui/settings_window.hpp"

#include <string>

namespace {

DescribedWindow*& current() {
    static DescribedWindow* window = nullptr;
    return window;
}

struct ControlEvent {
    std::string_view control;
    enum { clicked, pressed } kind;
    void (*operation)();
};

const ControlEvent controlEvents[] = {
    {"按钮5", ControlEvent::clicked, submitAnswer},       {"按钮6", ControlEvent::clicked, toggleAnswer},
    {"按钮1", ControlEvent::clicked, previousQuestion},   {"按钮2", ControlEvent::clicked, nextQuestion},
    {"超级链接框2", ControlEvent::pressed, goToQuestion}, {"按钮3", ControlEvent::clicked, previousChapter},
    {"按钮4", ControlEvent::clicked, nextChapter},        {"按钮37", ControlEvent::clicked, restoreWordGrid},
    {"按钮38", ControlEvent::clicked, toggleWordGrid},    {"超级链接框1", ControlEvent::pressed, readAloud},
};

struct MenuEvent {
    std::string_view menu;
    std::string_view item;
    void (*operation)();
};

const MenuEvent menuEvents[] = {
    {"编辑框右键", "语音朗读", readSelectionAloud},
    {"编辑框右键", "剪切", cutSelection},
    {"编辑框右键", "复制", copySelection},
    {"编辑框右键", "删除", deleteSelection},
    {"编辑框右键", "粘贴", pasteClipboard},
    {"编辑框右键", "全选", selectAll},
    {"开始", "关于语音合成", openSpeechWindow},
    {"开始", "个人设置", openSettingsWindow},
    {"开始", "热键注册", openHotkeyWindow},
    {"开始", "关于", openAboutWindow},
    {"开始", "退出", saveAndExit},
};

void wireEvents(DescribedWindow& window) {
    for (const ControlEvent& e : controlEvents) {
        if (e.kind == ControlEvent::clicked) {
            window.onClicked(e.control, e.operation);
        } else {
            window.onPressed(e.control, e.operation);
        }
    }
    for (const std::string& name : wordButtons()) {
        window.onClicked(name, [name] { takeWord(name); });
    }
    for (const MenuEvent& e : menuEvents) {
        window.onMenuItem(e.menu, e.item, e.operation);
    }
    window.onFirstActivated(resumeStoredPosition);
    window.onCloseRequested(saveAndExit);
}

} // namespace

DescribedWindow* createMainWindow() {
    auto* window = new DescribedWindow(mainWindowDescription());
    current() = window;
    wireEvents(*window);
    window->centreOnScreen();
    startUp();
    return window;
}

DescribedWindow& mainWindow() {
    return *current();
}

bool mainWindowExists() {
    return current() != nullptr;
}

void releaseMainWindow() {
    current() = nullptr;
}
