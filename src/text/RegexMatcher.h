#pragma once

#include <QList>
#include <QRegularExpression>
#include <QRegularExpressionMatch>
#include <QString>

namespace fahuo {

// One regular expression run over one subject; matches and groups handed out by 1-based number.
// Patterns behave as the shop pages and the pastes expect: case ignored, multi-line, global,
// lazy quantifiers, "." stopping only at a line feed.
class RegexMatcher {
  public:
    // Returns false for a pattern that does not compile; the matcher then holds no match.
    bool Create(const QString& pattern, const QString& subject, bool caseSensitive = false,
                bool multiLine = true, bool global = true);
    int MatchCount() const;
    QString SubmatchText(int match, int group) const;
    // Where match i (1-based) starts in the subject; -1 for a match that does not exist.
    qsizetype MatchStart(int match) const;

  private:
    QString subject_;
    QList<QRegularExpressionMatch> matches_;
};

}  // namespace fahuo
