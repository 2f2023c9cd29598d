#include "platform/codec.hpp"

#include <QStringDecoder>
#include <QStringEncoder>

namespace codec {

bool available() {
    return QStringDecoder("GBK").isValid() && QStringEncoder("GBK").isValid();
}

QString toUnicode(std::string_view gbk) {
    QStringDecoder decoder("GBK");
    return decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

Text fromUnicode(const QString& s) {
    QStringEncoder encoder("GBK", QStringConverter::Flag::Default);
    const QByteArray bytes = encoder.encode(s);
    return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Text gbk(std::string_view utf8) {
    return fromUnicode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

} // namespace codec
