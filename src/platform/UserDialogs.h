#pragma once

#include <QString>

namespace fahuo {

// What the seller is shown or asked, and the clipboard: the window shows real message boxes,
// tests answer them.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A message box with one OK button and no title; returns when the seller has closed it.
    virtual void ShowMessage(const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;

    virtual QString ClipboardText() const = 0;
    virtual void SetClipboardText(const QString& text) = 0;

    virtual void OpenInBrowser(const QString& address) = 0;
};

}  // namespace fahuo
