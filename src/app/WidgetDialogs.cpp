#include "app/WidgetDialogs.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

namespace fahuo {

QWidget* WidgetDialogs::VisibleParent() const {
    return parent_ && parent_->isVisible() ? parent_.data() : nullptr;
}

void WidgetDialogs::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, VisibleParent());
    box.exec();
}

bool WidgetDialogs::AskYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    VisibleParent());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetDialogs::ClipboardText() const {
    return QGuiApplication::clipboard()->text();
}

void WidgetDialogs::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void WidgetDialogs::OpenInBrowser(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

}  // namespace fahuo
