#pragma once

void openAboutWindow();
