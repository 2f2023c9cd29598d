#include "platform/ini.hpp"

#include <vector>

namespace ini {

namespace {

// Offsets into the contents: [begin, end) is the line's text, [end, next) its line ending.
// Edits splice the original bytes, so whatever lies outside the touched line stays as it was.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

struct Entry {
    std::string_view key;
    std::size_t equalsAt; // offset of the "=" within the line
};

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// CR LF, LF and a lone CR all end a line; none of them can be the second byte of a GBK character.
std::vector<Line> splitLines(std::string_view s) {
    std::vector<Line> lines;
    // An editor's UTF-8 mark must not hide the first section line.
    std::size_t i = s.substr(0, byteOrderMark.size()) == byteOrderMark ? byteOrderMark.size() : 0;
    while (i < s.size()) {
        const std::size_t end = s.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            lines.push_back({i, s.size(), s.size()});
            break;
        }
        const bool crlf = s[end] == '\r' && end + 1 < s.size() && s[end + 1] == '\n';
        lines.push_back({i, end, end + (crlf ? 2 : 1)});
        i = lines.back().next;
    }
    return lines;
}

std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::string_view rest = line.substr(1);
    // Character by character: "]" (0x5D) is also a valid second byte of a GBK character.
    std::size_t close = rest.size();
    for (std::size_t i = 0; i < rest.size(); i += text::charLength(rest, i)) {
        if (rest[i] == ']') {
            close = i;
            break;
        }
    }
    return trimBlanks(rest.substr(0, close));
}

std::optional<Entry> entry(std::string_view line) {
    const std::size_t equalsAt = line.find('=');
    if (equalsAt == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view key = trimBlanks(line.substr(0, equalsAt));
    if (key.empty()) {
        return std::nullopt;
    }
    return Entry{key, equalsAt};
}

struct Match {
    std::vector<Line> lines;
    std::optional<std::size_t> keyLine;
    // Where a new key of the section goes: after the last key of its first block, or after
    // its header.
    std::optional<std::size_t> insertAfter;
};

Match locate(std::string_view contents, std::string_view section, std::string_view key) {
    Match match{splitLines(contents), std::nullopt, std::nullopt};
    const Text wantedSection = text::toLower(section);
    const Text wantedKey = text::toLower(key);
    bool inSection = false;
    bool inFirstBlock = false;
    for (std::size_t i = 0; i < match.lines.size(); ++i) {
        const Line& line = match.lines[i];
        const std::string_view view = contents.substr(line.begin, line.end - line.begin);
        if (const auto name = sectionName(view)) {
            inSection = text::toLower(*name) == wantedSection;
            inFirstBlock = inSection && !match.insertAfter;
            if (inFirstBlock) {
                match.insertAfter = i;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        const auto found = entry(view);
        if (!found) {
            continue;
        }
        if (text::toLower(found->key) == wantedKey) {
            match.keyLine = i;
            return match;
        }
        if (inFirstBlock) {
            match.insertAfter = i;
        }
    }
    return match;
}

std::string_view lineEnding(std::string_view contents, const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (line.next > line.end) {
            return contents.substr(line.end, line.next - line.end);
        }
    }
    return "\r\n";
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::optional<Text> find(std::string_view contents, std::string_view section, std::string_view key) {
    const Match match = locate(contents, section, key);
    if (!match.keyLine) {
        return std::nullopt;
    }
    const Line& line = match.lines[*match.keyLine];
    const std::string_view view = contents.substr(line.begin, line.end - line.begin);
    return Text(trimBlanks(view.substr(entry(view)->equalsAt + 1)));
}

bool isStorable(std::string_view section, std::string_view key, std::string_view value) {
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) {
        return false;
    }
    if (section.empty() || sectionName(Text("[") + Text(section) + "]") != section) {
        return false;
    }
    const Text keyLine = Text(key) + "=";
    const auto parsed = entry(keyLine);
    return !sectionName(keyLine) && parsed && parsed->key == key && parsed->equalsAt == key.size();
}

Text withValue(std::string_view contents, std::string_view section, std::string_view key,
               std::string_view value) {
    const Match match = locate(contents, section, key);
    const Text eol(lineEnding(contents, match.lines));
    const Text keyLine = Text(key) + "=" + Text(value);
    if (match.keyLine) {
        const Line& line = match.lines[*match.keyLine];
        const std::size_t valueAt =
            line.begin + entry(contents.substr(line.begin, line.end - line.begin))->equalsAt + 1;
        return Text(contents.substr(0, valueAt)) + Text(value) + Text(contents.substr(line.end));
    }
    if (match.insertAfter) {
        const Line& line = match.lines[*match.insertAfter];
        if (line.next == line.end) {
            return Text(contents) + eol + keyLine + eol;
        }
        return Text(contents.substr(0, line.next)) + keyLine + eol + Text(contents.substr(line.next));
    }
    const bool endsOpen = !contents.empty() && contents.back() != '\n' && contents.back() != '\r';
    return Text(contents) + (endsOpen ? eol : Text()) + "[" + Text(section) + "]" + eol + keyLine + eol;
}

} // namespace ini
