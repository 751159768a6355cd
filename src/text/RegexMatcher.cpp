#include "text/RegexMatcher.h"

namespace fahuo {

bool RegexMatcher::Create(const QString& pattern, const QString& subject, bool caseSensitive,
                          bool multiLine, bool global) {
    matches_.clear();
    subject_ = subject;
    QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
    if (!caseSensitive)
        options |= QRegularExpression::CaseInsensitiveOption;
    if (multiLine)
        options |= QRegularExpression::MultilineOption;
    // (*LF) pins the line ending to the line feed alone, so "." still matches a CR.
    const QRegularExpression re(QStringLiteral("(*LF)") + pattern, options);
    if (!re.isValid())
        return false;
    QRegularExpressionMatchIterator it = re.globalMatch(subject_);
    while (it.hasNext()) {
        matches_.append(it.next());
        if (!global)
            break;
    }
    return true;
}

int RegexMatcher::MatchCount() const {
    return static_cast<int>(matches_.size());
}

QString RegexMatcher::SubmatchText(int match, int group) const {
    if (match < 1 || match > matches_.size() || group < 1)
        return {};
    const QRegularExpressionMatch& m = matches_[match - 1];
    if (group > m.lastCapturedIndex())
        return {};
    return m.captured(group);
}

qsizetype RegexMatcher::MatchStart(int match) const {
    if (match < 1 || match > matches_.size())
        return -1;
    return matches_[match - 1].capturedStart(0);
}

}  // namespace fahuo
