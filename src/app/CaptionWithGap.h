#pragma once

#include <QCheckBox>
#include <QLabel>

namespace fahuo {

// A caption such as "隔        毫秒扫一次订单" whose run of blanks holds another control (an edit
// box or a counter). The widget keeps the caption text exactly as given; it paints the words
// before and after the blanks with a gap of a fixed width between them, where the other
// control is placed.
struct GapSplit {
    QString before;
    QString after;
};
GapSplit SplitAtGap(const QString& caption);

class GapLabel : public QLabel {
  public:
    GapLabel(const QString& caption, int gapWidth, QWidget* parent);
    // The gap in this widget's coordinates.
    QRect GapRect() const;
    int PreferredWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int gapWidth_;
};

class GapCheckBox : public QCheckBox {
  public:
    GapCheckBox(const QString& caption, int gapWidth, QWidget* parent);
    QRect GapRect() const;
    int PreferredWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int TextStart() const;
    int gapWidth_;
};

}  // namespace fahuo
