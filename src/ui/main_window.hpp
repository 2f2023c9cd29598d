#pragma once
// The main window: built from its description, its events wired to the operations, its
// created event run before it is first shown.
#include "platform/described_window.hpp"

// Builds the window and runs its created event (startUp); the caller shows it.
DescribedWindow* createMainWindow();
DescribedWindow& mainWindow();
bool mainWindowExists();
// Forgets the window (it is being destroyed).
void releaseMainWindow();
