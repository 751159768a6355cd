#pragma once

#include <QByteArray>
#include <QString>

namespace fahuo {

// The one place that knows the code page 936 codec, so another platform can swap it.
QString DecodeGbk(const QByteArray& bytes);
QByteArray EncodeGbk(const QString& text);

// True when every character of the text has a GBK form (nothing would turn into "?").
bool FitsGbk(const QString& text);

}  // namespace fahuo
