#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/UserDialogs.h"

namespace fahuo {

// Real message boxes over the main window, the system clipboard and the default browser.
class WidgetDialogs : public UserDialogs {
  public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    QString ClipboardText() const override;
    void SetClipboardText(const QString& text) override;
    void OpenInBrowser(const QString& address) override;

  private:
    // A hidden (tray) window would make the box appear nowhere near; no parent then.
    QWidget* VisibleParent() const;

    QPointer<QWidget> parent_;
};

}  // namespace fahuo
