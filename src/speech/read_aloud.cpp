#include "speech/read_aloud.hpp"

void readAloud() {}
void speakText(const Text&) {}
