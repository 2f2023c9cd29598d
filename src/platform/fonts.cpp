#include "platform/fonts.hpp"

#include <QFontMetrics>
#include <QStringList>
#include <cstdlib>
#include <limits>

namespace fonts {

void installSubstitutions() {
    static const bool installed = [] {
        const QStringList cjk{"Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC",
                              "Source Han Sans SC", "Droid Sans Fallback"};
        QFont::insertSubstitutions(QString::fromUtf8("微软雅黑"), cjk);
        return true;
    }();
    (void)installed;
}

QFont withCharacterHeight(const QString& face, int pixels, bool bold) {
    installSubstitutions();
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont withCellHeight(const QString& face, int pixels, bool italic, bool underline, bool strikeOut) {
    installSubstitutions();
    QFont font(face);
    // The em size whose line cell (not whose em) comes closest to the requested height.
    int best = pixels;
    int bestError = std::numeric_limits<int>::max();
    for (int em = std::max(1, pixels / 2); em <= pixels; ++em) {
        font.setPixelSize(em);
        const int error = std::abs(QFontMetrics(font).height() - pixels);
        if (error <= bestError) {
            best = em;
            bestError = error;
        }
    }
    font.setPixelSize(best);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

} // namespace fonts
