#include "hotkeys/hotkey_window.hpp"

void openHotkeyWindow() {}
