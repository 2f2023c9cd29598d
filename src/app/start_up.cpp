#include "answering/word_grid.hpp"
#include "app/agreement.hpp"
#include "app/app_state.hpp"
#include "app/lifecycle.hpp"
#include "hotkeys/hotkeys.hpp"
#include "lessons/chapter_loader.hpp"
#include "platform/codec.hpp"
#include "platform/paths.hpp"
#include "platform/services.hpp"
#include "settings/settings_file.hpp"
#include "ui/skins.hpp"

namespace {

Text loginfo(const char* key, const Text& fallback) {
    return readSetting("loginfo", key, fallback);
}

Text loginfoWithoutSpaces(const char* key, const Text& fallback) {
    return text::removeSpaces(loginfo(key, fallback));
}

// Reads the settings into AppState; false when a required one is missing.
bool readSettings() {
    AppState& s = appState();
    s.chapterNo = loginfo("section", MISSING());
    s.resumeTopic = loginfo("topic", MISSING());
    s.logText = loginfoWithoutSpaces("log", MISSING());
    s.sknText = loginfoWithoutSpaces("skn", MISSING());
    s.inputText = loginfoWithoutSpaces("input", MISSING());
    s.initializationText = loginfoWithoutSpaces("initialization", MISSING());
    s.caseSensitive = text::toInteger(loginfoWithoutSpaces("fit", "0"));
    s.playText = loginfoWithoutSpaces("play", "0");
    s.beepText = loginfoWithoutSpaces("beep", "0");
    s.toneFrequency = text::toInteger(loginfoWithoutSpaces("beepfrequency", "0"));
    s.toneDuration = text::toInteger(loginfoWithoutSpaces("beepsleep", "0"));

    reloadReadingMode();
    reloadSpeechEngine();

    s.playTone = s.playText == "true" ? 1 : 0;
    s.toneSynthesized = s.beepText == "synthesis" ? 1 : 0;

    if (s.initializationText == MISSING()) {
        return false;
    }
    s.resetOnWrong = s.initializationText == "true" ? 1 : 0;
    if (s.inputText == MISSING()) {
        return false;
    }
    s.inputMode = text::toInteger(s.inputText);
    if (s.sknText == MISSING()) {
        return false;
    }
    if (s.logText == MISSING()) {
        return false;
    }
    s.rememberPosition = s.logText == "0" ? 0 : 1;
    return s.chapterNo != MISSING() && s.resumeTopic != MISSING();
}

} // namespace

void startUp() {
    if (!paths::exists(paths::runDir() + "\\log.ini")) {
        showMessage(MessageKind::error, codec::gbk("缺少配置文件log.ini，程序无法继续运行！"));
        endProgram();
        return;
    }
    ensureAgreement();
    if (!readSettings()) {
        showMessage(MessageKind::error, codec::gbk("读取配置信息失败！"));
        endProgram();
        return;
    }
    openChapter(appState().chapterNo);
    buildWordSlots();
    switchSkin(text::realToInteger(text::toNumber(appState().sknText)));
    registerStartupHotkeys();
}
