#pragma once

#include <QString>

#include "channels/ChatSteps.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/WindowSystem.h"

namespace fahuo {

// How long the Qianniu command program may run before a send goes on without it.
constexpr int kChatCommandBoundMs = 30000;

// The chat steps with the program's waits (Clock::Delay) and its settings (编辑框_千牛延时,
// read after the command program has ended). Nicks come with their spaces already removed.
ChatOutcome SendChatMessage(WindowSystem& windows, const Controls& controls, Clock& clock,
                            const QString& sellerNick, const QString& buyerNick,
                            const QString& text, const QString& commandPath);

// What the test button tells the seller about an outcome.
QString ChatOutcomeText(ChatOutcome outcome, const QString& sellerNick, const QString& commandPath);

}  // namespace fahuo
