#pragma once

void openHotkeyWindow();
