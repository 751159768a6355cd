#pragma once

#include <QList>
#include <QStringList>

#include "platform/UserDialogs.h"

namespace fahuo::test {

// Records every message, answers questions from a queue (Yes when it is empty) and keeps a
// clipboard of its own.
class RecordingDialogs : public UserDialogs {
  public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    bool AskYesNo(const QString& text, const QString& title) override {
        questions.append(title + QLatin1Char('|') + text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    QString ClipboardText() const override { return clipboard; }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    void OpenInBrowser(const QString& address) override { opened.append(address); }

    QString LastMessage() const { return messages.isEmpty() ? QString() : messages.last(); }

    QStringList messages;
    QStringList questions;
    QList<bool> answers;
    QString clipboard;
    QStringList opened;
};

}  // namespace fahuo::test
