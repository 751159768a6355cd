#include "text/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace fahuo {

QString DecodeGbk(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

QByteArray EncodeGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

bool FitsGbk(const QString& text) {
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    // Some builds replace what they cannot map by "?" without flagging it; a round trip tells.
    QStringDecoder decoder("GBK");
    return QString(decoder.decode(bytes)) == text;
}

}  // namespace fahuo
