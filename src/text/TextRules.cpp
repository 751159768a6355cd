#include "text/TextRules.h"

#include <limits>

namespace fahuo {
namespace {

constexpr char16_t kIdeographicSpace = 0x3000;

char16_t AsAscii(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E)
        return static_cast<char16_t>(c - 0xFEE0);
    if (c == kIdeographicSpace)
        return u' ';
    return c;
}

bool IsSpace(QChar c) {
    return c == u' ' || c == QChar(kIdeographicSpace);
}

bool IsLeadingWhiteSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

}  // namespace

qint64 TextToInteger(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && IsLeadingWhiteSpace(AsAscii(text[i].unicode())))
        ++i;
    bool negative = false;
    if (i < n) {
        char16_t c = AsAscii(text[i].unicode());
        if (c == u'+' || c == u'-') {
            negative = c == u'-';
            ++i;
        }
    }
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    qint64 value = 0;  // kept negative while reading, so the minimum fits too
    bool saturated = false;
    for (; i < n; ++i) {
        char16_t c = AsAscii(text[i].unicode());
        if (c < u'0' || c > u'9')
            break;
        if (saturated)
            continue;
        const int digit = c - u'0';
        if (value < (kMin + digit) / 10) {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (saturated)
        return negative ? kMin : kMax;
    if (negative)
        return value;
    return value == kMin ? kMax : -value;
}

QString Trim(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString RemoveAllSpaces(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (!IsSpace(c))
            result.append(c);
    }
    return result;
}

QString NumberToText(qint64 value) {
    return QString::number(value);
}

QString NumberToText(double value) {
    QString text = QString::number(value, 'g', 13);
    // Qt writes exponents with at least two digits ("1e+13"); keep that form.
    return text;
}

}  // namespace fahuo
