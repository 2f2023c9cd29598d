#include "hotkeys/hotkeys.hpp"

void registerStartupHotkeys() {}
void dispatchHotkey(int) {}
