#pragma once

void openSettingsWindow();
