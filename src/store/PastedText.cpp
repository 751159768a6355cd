#include "store/PastedText.h"

#include "text/RegexMatcher.h"
#include "text/TextRules.h"

namespace fahuo {

QStringList SplitPastedKeys(const QString& clipboard) {
    QStringList keys;
    qsizetype start = 0;
    const qsizetype n = clipboard.size();
    for (qsizetype i = 0; i <= n; ++i) {
        const bool end = i == n;
        if (!end) {
            const QChar c = clipboard[i];
            if (c != u'\r' && c != u'\n' && c != u' ' && c != u'\t')
                continue;
        }
        if (i > start) {
            const QString key = RemoveAllSpaces(clipboard.mid(start, i - start));
            if (!key.isEmpty())
                keys.append(key);
        }
        start = i + 1;
    }
    return keys;
}

QList<PastedMailbox> ParsePastedMailboxes(const QString& clipboard) {
    // The shortest text holding an "@" before "----", then the shortest password up to a
    // space, a line break or the end. Clipboard text comes with bare LF line ends, so a line
    // break of either kind ends a password.
    RegexMatcher matcher;
    matcher.Create(QStringLiteral("(.*?\\@.*?)----(.*?)(?:[ \\r\\n]|$)"), clipboard);
    QList<PastedMailbox> boxes;
    for (int i = 1; i <= matcher.MatchCount(); ++i) {
        boxes.append({RemoveAllSpaces(matcher.SubmatchText(i, 1)),
                      RemoveAllSpaces(matcher.SubmatchText(i, 2))});
    }
    return boxes;
}

}  // namespace fahuo
