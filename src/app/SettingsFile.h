#pragma once

#include <QString>
#include <QStringList>

#include "platform/Controls.h"

namespace fahuo {

// confi.ini carries the texts of the window's edit boxes from one run to the next: section
// "编辑框", one key per edit box named exactly like the box, every line break written as
// "><br><". Ticks, combo boxes and labels are not kept.
inline const QString kSettingsSection = QStringLiteral("编辑框");
inline const QString kSettingsFileName = QStringLiteral("confi.ini");
inline const QString kLineBreakMark = QStringLiteral("><br><");

// The 73 edit boxes of the window, the keys of the section.
const QStringList& SettingsKeys();

// Puts the stored texts into the boxes. A missing file, key or an empty (or all-blank) value
// leaves the box as it is. Returns false when the file could not be read.
bool LoadSettings(Controls& controls, const QString& path);
// Writes every box's text into the file, keeping whatever else the file holds. A lone CR or LF
// (which the file could not hold inside a line) is written as a line break too. Returns false
// when the file could not be written; the seller is not told, as before.
bool SaveSettings(const Controls& controls, const QString& path);

}  // namespace fahuo
