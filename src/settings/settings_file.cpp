#include "settings/settings_file.hpp"

#include "app/app_state.hpp"
#include "platform/codec.hpp"
#include "platform/ini_file.hpp"
#include "platform/paths.hpp"

namespace {

constexpr std::size_t longestValue = 10239;

Text settingsPath() {
    return paths::runDir() + "\\log.ini";
}

// Cut to the limit without leaving half of a two-byte character behind.
Text cutToLimit(Text value) {
    if (value.size() <= longestValue) {
        return value;
    }
    std::size_t end = 0;
    while (end < value.size()) {
        const std::size_t next = end + text::charLength(value, end);
        if (next > longestValue) {
            break;
        }
        end = next;
    }
    value.resize(end);
    return value;
}

} // namespace

const Text& MISSING() {
    static const Text marker = codec::gbk("假");
    return marker;
}

Text readSetting(const Text& section, const Text& key, const Text& fallback) {
    const std::optional<Text> value = ini::readValue(settingsPath(), section, key);
    return cutToLimit(value ? *value : fallback);
}

void writeSetting(const Text& section, const Text& key, const Text& value) {
    ini::writeValue(settingsPath(), section, key, value);
}

void reloadReadingMode() {
    AppState& s = appState();
    s.speechForReading = readSetting("loginfo", "video", MISSING());
    if (s.speechForReading == MISSING()) {
        s.speechForReading = "false";
    }
}

void reloadSpeechEngine() {
    AppState& s = appState();
    s.speechEngine = text::removeSpaces(readSetting("msc", "engine", MISSING()));
    if (s.speechEngine == MISSING()) {
        s.speechEngine = "intp65";
    }
    s.speechVoice = text::removeSpaces(readSetting("msc", "Voicepeople", MISSING()));
    if (s.speechVoice == MISSING()) {
        s.speechVoice = "xiaoyu";
    }
}
