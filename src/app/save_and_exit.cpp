#include "app/app_state.hpp"
#include "app/lifecycle.hpp"
#include "platform/services.hpp"
#include "settings/settings_file.hpp"

void saveAndExit() {
    platform().events->processPendingEvents();
    const AppState& s = appState();
    if (s.rememberPosition == 1) {
        writeSetting("loginfo", "section", s.chapterNo);
        writeSetting("loginfo", "topic", text::numberToText(s.currentIndex));
    }
    endProgram();
}
