#include "app/ProfileFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include "text/Gbk.h"

namespace fahuo {
namespace {

bool IsProfileBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString TrimProfileBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsProfileBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsProfileBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString StripMatchingQuotes(const QString& text) {
    if (text.size() >= 2) {
        const QChar first = text.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && text.back() == first)
            return text.mid(1, text.size() - 2);
    }
    return text;
}

// GBK has no form for these; the file carries them as numeric references instead of "?".
QString EscapeOutsideGbk(const QString& text) {
    if (FitsGbk(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString unit = text.mid(i, length);
        if (FitsGbk(unit)) {
            out += unit;
        } else {
            const char32_t code = length == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                              : char32_t(text.at(i).unicode());
            out += QLatin1String("&#x") + QString::number(quint32(code), 16).toUpper() +
                   QLatin1Char(';');
        }
        i += length;
    }
    return out;
}

// Only references to characters GBK cannot hold are ours; "&#x41;" typed by the seller stays.
QString UnescapeOutsideGbk(const QString& text) {
    if (!text.contains(QLatin1String("&#x")))
        return text;
    static const QRegularExpression reference(QStringLiteral("&#x([0-9A-Fa-f]{1,6});"));
    QString out;
    qsizetype last = 0;
    auto it = reference.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        bool ok = false;
        const uint code = match.captured(1).toUInt(&ok, 16);
        if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            continue;
        const char32_t c32 = char32_t(code);
        const QString character = QString::fromUcs4(&c32, 1);
        if (FitsGbk(character))
            continue;
        out += text.mid(last, match.capturedStart() - last);
        out += character;
        last = match.capturedEnd();
    }
    out += text.mid(last);
    return out;
}

QString SectionNameOf(const QString& line) {
    const QString trimmed = TrimProfileBlanks(line);
    if (!trimmed.startsWith(QLatin1Char('[')))
        return QString();
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return TrimProfileBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
}

bool IsSectionLine(const QString& line) {
    return TrimProfileBlanks(line).startsWith(QLatin1Char('['));
}

}  // namespace

QString CutToGbkBytes(const QString& text, int maxBytes) {
    // Two bytes per character at most, so short texts need no counting.
    if (text.size() * 2 <= maxBytes)
        return text;
    int bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const ushort u = text.at(i).unicode();
        const int width = u < 0x80 ? 1 : int(EncodeGbk(text.mid(i, length)).size());
        if (bytes + width > maxBytes)
            return text.left(i);
        bytes += width;
        i += length;
    }
    return text;
}

bool ProfileFile::Load(const QString& path) {
    lines_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = DecodeGbk(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines_ = text.split(QLatin1Char('\n'));
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
    return true;
}

bool ProfileFile::Save(const QString& path) const {
    QString text;
    for (const QString& line : lines_)
        text += line + QLatin1String("\r\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(EncodeGbk(EscapeOutsideGbk(text)));
    return file.commit();
}

int ProfileFile::FindSection(const QString& section) const {
    for (int i = 0; i < lines_.size(); ++i) {
        if (IsSectionLine(lines_.at(i)) &&
            SectionNameOf(lines_.at(i)).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int ProfileFile::SectionEnd(int sectionLine) const {
    int i = sectionLine + 1;
    while (i < lines_.size() && !IsSectionLine(lines_.at(i)))
        ++i;
    return i;
}

int ProfileFile::FindKey(int sectionLine, const QString& key) const {
    const int end = SectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        const QString& line = lines_.at(i);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        if (TrimProfileBlanks(line.left(equals)).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool ProfileFile::Contains(const QString& section, const QString& key) const {
    const int sectionLine = FindSection(section);
    return sectionLine >= 0 && FindKey(sectionLine, key) >= 0;
}

QString ProfileFile::Value(const QString& section, const QString& key) const {
    const int sectionLine = FindSection(section);
    if (sectionLine < 0)
        return QString();
    const int keyLine = FindKey(sectionLine, key);
    if (keyLine < 0)
        return QString();
    const QString& line = lines_.at(keyLine);
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1);
    value = StripMatchingQuotes(TrimProfileBlanks(value));
    return UnescapeOutsideGbk(CutToGbkBytes(value, kValueBufferBytes - 1));
}

void ProfileFile::SetValue(const QString& section, const QString& key, const QString& value) {
    const QString line = key + QLatin1Char('=') + value;
    int sectionLine = FindSection(section);
    if (sectionLine < 0) {
        lines_.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines_.append(line);
        return;
    }
    const int keyLine = FindKey(sectionLine, key);
    if (keyLine >= 0) {
        lines_[keyLine] = line;
        return;
    }
    // After the section's last non-empty line, so a blank line before the next section stays.
    int insertAt = SectionEnd(sectionLine);
    while (insertAt > sectionLine + 1 && TrimProfileBlanks(lines_.at(insertAt - 1)).isEmpty())
        --insertAt;
    lines_.insert(insertAt, line);
}

}  // namespace fahuo
