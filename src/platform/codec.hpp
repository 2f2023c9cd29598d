#pragma once
// The one place where GBK system texts meet Unicode (widgets, clipboard, file names,
// speech library).
#include "platform/text.hpp"

#include <QString>
#include <string_view>

namespace codec {

// False when the platform cannot convert GBK (Qt's non-Unicode codecs come from ICU).
bool available();
QString toUnicode(std::string_view gbk);
// Characters GBK cannot hold become "?".
Text fromUnicode(const QString& s);
// A UTF-8 source literal as a system text; used for the system's own Chinese texts.
Text gbk(std::string_view utf8);

} // namespace codec
