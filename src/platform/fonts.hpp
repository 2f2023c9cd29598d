#pragma once
// Fonts by the face names the windows ask for. Chinese faces of the Windows desktop are
// mapped to the CJK fonts installed here.
#include <QFont>
#include <QString>

namespace fonts {

// Idempotent; the builder calls it before the first font is made.
void installSubstitutions();
// A font whose characters are `pixels` high (the em size).
QFont withCharacterHeight(const QString& face, int pixels, bool bold);
// A font whose whole cell (ascent + descent) is `pixels` high, as a Windows font request
// with a positive height asks for.
QFont withCellHeight(const QString& face, int pixels, bool italic, bool underline, bool strikeOut);

} // namespace fonts
