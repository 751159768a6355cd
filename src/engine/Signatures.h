#pragma once

#include <QString>

namespace fahuo {

// Our line under every delivery mail body (and the test mail), after a blank line.
const QString& LongSignature();
// Our line under every delivery chat text, after a blank line.
const QString& ShortSignature();

}  // namespace fahuo
