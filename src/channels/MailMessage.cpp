#include "channels/MailMessage.h"

#include <QUuid>

#include "text/Gbk.h"

namespace fahuo {
namespace {

const QByteArray kCrLf = "\r\n";
const QByteArray kBoundary = "#BOUNDARY#";

bool IsAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 127)
            return false;
    return true;
}

// GBK bytes that stay inside GB2312: two-byte characters with both bytes in A1..FE and the first
// no higher than F7.
bool IsGb2312(const QByteArray& gbk) {
    for (int i = 0; i < gbk.size(); ++i) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80)
            continue;
        if (i + 1 >= gbk.size())
            return false;
        const auto trail = static_cast<unsigned char>(gbk[++i]);
        if (lead < 0xA1 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE)
            return false;
    }
    return true;
}

QByteArray Base64Lines(const QByteArray& data) {
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    for (int i = 0; i < encoded.size(); i += 76)
        out += encoded.mid(i, 76) + kCrLf;
    return out;
}

QByteArray ContentTypeText(const QByteArray& charset) {
    return "Content-type: text/plain; charset=\"" + charset + "\"" + kCrLf;
}

// A characters' run for one encoded word, never splitting a surrogate pair.
QList<QString> Pieces(const QString& text, const QByteArray& charset, int maxBytes) {
    QList<QString> pieces;
    QString piece;
    int bytes = 0;
    for (int i = 0; i < text.size(); ++i) {
        QString ch = text.mid(i, 1);
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            ch = text.mid(i++, 2);
        const int size = int(charset == "utf-8" ? ch.toUtf8().size() : EncodeGbk(ch).size());
        if (bytes + size > maxBytes && !piece.isEmpty()) {
            pieces.append(piece);
            piece.clear();
            bytes = 0;
        }
        piece += ch;
        bytes += size;
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    return pieces;
}

QByteArray EncodedWords(const QString& text, const QByteArray& separator) {
    const CharsetBytes whole = TextInCharset(text);
    QByteArray out;
    for (const QString& piece : Pieces(text, whole.charset, 45)) {
        if (!out.isEmpty())
            out += separator;
        out += "=?" + whole.charset + "?B?" + TextInCharset(piece).bytes.toBase64() + "?=";
    }
    return out;
}

QString OneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// The attachment's name as a quoted parameter value: a full path carries "\" and ":" and
// encoded words carry "?" and "=", none of which may stand unquoted.
QByteArray QuotedName(const QString& name) {
    const QString line = OneLine(name);
    if (!IsAscii(line))
        return "\"" + EncodedWords(line, " ") + "\"";
    QByteArray escaped;
    for (char c : line.toLatin1()) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return "\"" + escaped + "\"";
}

QByteArray MessageId(const QString& senderAddress) {
    const QString domain = senderAddress.section(QLatin1Char('@'), 1);
    return "<" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "@" +
           (IsAscii(domain) && !domain.isEmpty() ? domain.toLatin1() : QByteArray("fahuo")) + ">";
}

}  // namespace

CharsetBytes TextInCharset(const QString& text) {
    if (IsAscii(text))
        return {"us-ascii", text.toLatin1()};
    if (FitsGbk(text)) {
        const QByteArray gbk = EncodeGbk(text);
        if (IsGb2312(gbk))
            return {"gb2312", gbk};
    }
    return {"utf-8", text.toUtf8()};
}

QByteArray HeaderText(const QString& text) {
    const QString line = OneLine(text);
    if (IsAscii(line))
        return line.toLatin1();
    return EncodedWords(line, "\r\n ");
}

QByteArray MailDate(const QDateTime& when) {
    static const char* const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = when.date();
    const QTime t = when.time();
    const int offsetMinutes = when.offsetFromUtc() / 60;
    const int zoneHours = offsetMinutes / 60;
    const int zoneMinutes = (offsetMinutes < 0 ? -offsetMinutes : offsetMinutes) % 60;
    return QString::asprintf("%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d", days[d.dayOfWeek() - 1],
                             d.day(), months[d.month() - 1], d.year(), t.hour(), t.minute(),
                             t.second(), offsetMinutes < 0 ? '-' : '+',
                             zoneHours < 0 ? -zoneHours : zoneHours, zoneMinutes)
        .toLatin1();
}

bool IsMailAddress(const QString& address) {
    const int at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != address.lastIndexOf(QLatin1Char('@')) || at == address.size() - 1)
        return false;
    for (QChar c : address)
        if (c.isSpace() || c == QLatin1Char('<') || c == QLatin1Char('>') ||
            c == QLatin1Char(',') || c.unicode() < 32 || c.unicode() == 127)
            return false;
    return true;
}

QByteArray ComposeMail(const MailContent& mail) {
    const CharsetBytes text = TextInCharset(mail.body);
    QByteArray out;
    out +=
        "From: " + HeaderText(mail.senderName) + " <" + mail.senderAddress.toUtf8() + ">" + kCrLf;
    out += "To: " + mail.recipient.toUtf8() + kCrLf;
    out += "Subject: " + HeaderText(mail.subject) + kCrLf;
    out += "Date: " + MailDate(mail.date) + kCrLf;
    out += "Message-ID: " + MessageId(mail.senderAddress) + kCrLf;
    out += "MIME-Version: 1.0" + kCrLf;
    if (mail.attachments.isEmpty()) {
        out += ContentTypeText(text.charset);
        out += "Content-Transfer-Encoding: base64" + kCrLf + kCrLf;
        out += Base64Lines(text.bytes);
        return out;
    }
    out += "Content-type: multipart/mixed; boundary=\"" + kBoundary + "\"" + kCrLf + kCrLf;
    out += "--" + kBoundary + kCrLf;
    out += ContentTypeText(text.charset);
    out += "Content-Transfer-Encoding: base64" + kCrLf + kCrLf;
    out += Base64Lines(text.bytes);
    for (const MailAttachment& attachment : mail.attachments) {
        const QByteArray name = QuotedName(attachment.name);
        out += "--" + kBoundary + kCrLf;
        out += "Content-Type: application/octet-stream; name=" + name + kCrLf;
        out += "Content-Transfer-Encoding: base64" + kCrLf;
        out += "Content-Disposition: attachment; filename=" + name + kCrLf + kCrLf;
        out += Base64Lines(attachment.data);
    }
    out += "--" + kBoundary + "--" + kCrLf;
    return out;
}

QByteArray DotStuff(const QByteArray& message) {
    QByteArray out;
    out.reserve(message.size() + 16);
    bool lineStart = true;
    for (char c : message) {
        if (lineStart && c == '.')
            out += '.';
        out += c;
        lineStart = c == '\n';
    }
    return out;
}

}  // namespace fahuo
