#include "ui/settings_window.hpp"

void openSettingsWindow() {}
