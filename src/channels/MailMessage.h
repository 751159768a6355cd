#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace fahuo {

struct MailAttachment {
    QString name;  // as configured, a full path included
    QByteArray data;
};

struct MailContent {
    QString subject;
    QString body;
    QString recipient;
    QString senderAddress;
    QString senderName;
    QList<MailAttachment> attachments;
    QDateTime date;
};

// The whole message as it goes after DATA, lines ended by CR LF, before dot-stuffing.
QByteArray ComposeMail(const MailContent& mail);

// A line that begins with "." gets a second one, so the server does not take it for the end.
QByteArray DotStuff(const QByteArray& message);

// "Fri, 14 Nov 2014 04:34:42 +0800": English names whatever the machine's language.
QByteArray MailDate(const QDateTime& when);

// A header text: as it is when plain ASCII, else Base64 encoded words in gb2312, or in UTF-8
// for what gb2312 cannot hold. Line breaks never reach a header.
QByteArray HeaderText(const QString& text);

// The charset a text part is sent in and its bytes: us-ascii, gb2312, or utf-8 when gb2312
// cannot hold every character (so nothing becomes "?").
struct CharsetBytes {
    QByteArray charset;
    QByteArray bytes;
};
CharsetBytes TextInCharset(const QString& text);

// One "@" between a non-empty local part and domain, and nothing that could break a header or
// the SMTP envelope (spaces, angle brackets, line breaks).
bool IsMailAddress(const QString& address);

}  // namespace fahuo
