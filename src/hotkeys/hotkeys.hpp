#pragma once

void registerStartupHotkeys();
void dispatchHotkey(int id);
