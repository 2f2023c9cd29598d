#pragma once

void openSpeechWindow();
