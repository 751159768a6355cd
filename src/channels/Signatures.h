#pragma once

#include <QString>

namespace fahuo {

// The two advertising lines every delivery appends: LongSignature to the mail body (the test
// mail too), ShortSignature to the chat text. Each begins with CR LF CR LF.
QString LongSignature();
QString ShortSignature();

}  // namespace fahuo
