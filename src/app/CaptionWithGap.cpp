#include "app/CaptionWithGap.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace fahuo {
namespace {
constexpr int kGapPadding = 2;  // between the words and the control in the gap
}

GapSplit SplitAtGap(const QString& caption) {
    // The longest run of blanks is the gap; single blanks between words stay words.
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    qsizetype bestStart = -1;
    qsizetype bestLength = 0;
    auto it = blanks.globalMatch(caption);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.capturedLength() > bestLength) {
            bestStart = m.capturedStart();
            bestLength = m.capturedLength();
        }
    }
    if (bestStart < 0)
        return {caption, QString()};
    return {caption.left(bestStart), caption.mid(bestStart + bestLength)};
}

GapLabel::GapLabel(const QString& caption, int gapWidth, QWidget* parent)
    : QLabel(caption, parent), gapWidth_(gapWidth) {}

QRect GapLabel::GapRect() const {
    const GapSplit split = SplitAtGap(text());
    const int x = fontMetrics().horizontalAdvance(split.before) + kGapPadding;
    return QRect(x, 0, gapWidth_, height());
}

int GapLabel::PreferredWidth() const {
    const GapSplit split = SplitAtGap(text());
    const QFontMetrics fm = fontMetrics();
    return fm.horizontalAdvance(split.before) + gapWidth_ + 2 * kGapPadding +
           fm.horizontalAdvance(split.after) + 2;
}

void GapLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const GapSplit split = SplitAtGap(text());
    const QRect area = contentsRect();
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, split.before);
    const QRect gap = GapRect();
    painter.drawText(area.adjusted(gap.right() + 1 + kGapPadding, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, split.after);
}

GapCheckBox::GapCheckBox(const QString& caption, int gapWidth, QWidget* parent)
    : QCheckBox(caption, parent), gapWidth_(gapWidth) {}

int GapCheckBox::TextStart() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).left();
}

QRect GapCheckBox::GapRect() const {
    const GapSplit split = SplitAtGap(text());
    const int x = TextStart() + fontMetrics().horizontalAdvance(split.before) + kGapPadding;
    return QRect(x, 0, gapWidth_, height());
}

int GapCheckBox::PreferredWidth() const {
    const GapSplit split = SplitAtGap(text());
    const QFontMetrics fm = fontMetrics();
    return TextStart() + fm.horizontalAdvance(split.before) + gapWidth_ + 2 * kGapPadding +
           fm.horizontalAdvance(split.after) + 4;
}

void GapCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
    const GapSplit split = SplitAtGap(text());
    const QRect area = rect().adjusted(TextStart(), 0, 0, 0);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, split.before);
    const QRect gap = GapRect();
    painter.drawText(rect().adjusted(gap.right() + 1 + kGapPadding, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, split.after);
}

}  // namespace fahuo
