#include "ui/about_window.hpp"

void openAboutWindow() {}
