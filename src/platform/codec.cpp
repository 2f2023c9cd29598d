#include "platform/codec.hpp"

#include <QStringDecoder>
#include <QStringEncoder>

namespace codec {

namespace {
// Opening an ICU converter costs far more than a short conversion: keep one of each.
QStringDecoder& decoder() {
    thread_local QStringDecoder gbk("GBK");
    gbk.resetState();
    return gbk;
}
QStringEncoder& encoder() {
    thread_local QStringEncoder gbk("GBK");
    gbk.resetState();
    return gbk;
}
} // namespace

bool available() {
    return QStringDecoder("GBK").isValid() && QStringEncoder("GBK").isValid();
}

QString toUnicode(std::string_view gbk) {
    return decoder().decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

Text fromUnicode(const QString& s) {
    const QByteArray bytes = encoder().encode(s);
    return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Text gbk(std::string_view utf8) {
    return fromUnicode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

} // namespace codec
