#pragma once

#include <QString>

namespace fahuo {

// Reads an integer the way every setting, price and count is read: full-width forms count as
// ASCII, leading white space is skipped, an optional sign, then digits up to the first other
// character. No digits gives 0; a run too long for the type saturates.
qint64 TextToInteger(const QString& text);

// Removes ASCII and ideographic (U+3000) spaces at both ends; tabs and line breaks stay.
QString Trim(const QString& text);

// Removes every ASCII and ideographic space.
QString RemoveAllSpaces(const QString& text);

// Integers plainly; reals with at most 13 significant digits, no trailing zeros, no point when
// whole, exponent form for very large or small values.
QString NumberToText(qint64 value);
QString NumberToText(double value);

}  // namespace fahuo
