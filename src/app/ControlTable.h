#pragma once

#include <QList>
#include <QString>

namespace fahuo {

// One control of the main window as the window builds it: kind, object name, the page or group
// it sits in, its caption or default text, and where it sits (pixels inside its parent).
enum class ControlKind {
    Page,     // a page of the tab control 选择夹2; text is the tab caption
    Group,    // group box; text is its caption
    Label,    // static text
    Edit,     // one-line edit box; text is its default
    Memo,     // multi-line edit box
    Combo,    // editable combo box; text is the edit text, items the drop-down list
    Check,    // check box; text is its caption
    Button,   // push button
    Link,     // clickable text that opens our page
    Picture,  // clickable picture that opens our page
    List,     // report-style list view over a table of the store
};

enum ControlFlag {
    kTicked = 1 << 0,  // check box ticked at start
    kEmptiedByDoubleClick = 1 << 1,
    kPassword = 1 << 2,     // text shown as dots (still saved as typed)
    kTierText = 1 << 3,     // tier and gift boxes: red text, as the hint label says
    kAppendLabel = 1 << 4,  // placeholder / emoticon label of a template box: looks clickable
    kGapHost = 1 << 5,      // a caption with a run of blanks in which another control sits;
                            // w is then the width of that gap, the control's width follows
    kInGap = 1 << 6,        // sits in the gap of the control named as its parent
    kWrap = 1 << 7,         // label text wraps
    kHint = 1 << 8,         // hint text, shown in a quieter colour
};

struct ControlSpec {
    ControlKind kind;
    const char* name;    // object name; empty for unnamed static texts
    const char* parent;  // a page ("页1".."页7"), a group, "窗口" or, for kInGap, the host
    const char* text;
    int x, y, w, h;
    int flags = 0;
    const char* items = "";  // combo box list, items separated by "|"
};

// Every control of the window in creation order (parents before children).
const QList<ControlSpec>& WindowControls();

// The page names used as parents above, in tab order.
QString PageName(int index);

// A placeholder or emoticon label of the product editor: a click appends its text at the end of
// a template box.
struct AppendLabel {
    const char* label;
    const char* appended;
    const char* box;
};
const QList<AppendLabel>& TemplateAppendLabels();

// Where our promotional and help pages live.
inline const QString kShareAddress = QStringLiteral("https://example.com/fahuo/share");
inline const QString kHomeAddress = QStringLiteral("https://example.com/fahuo");

}  // namespace fahuo
