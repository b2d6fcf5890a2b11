#include "gui/layout/message_box.h"

#include <QMessageBox>

namespace marlix {

namespace {

MessageBoxHook& messageBoxHook() {
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    messageBoxHook() = std::move(hook);
}

void ShowMessage(QWidget* parent, const QString& text, const QString& caption) {
    if (messageBoxHook()) {
        messageBoxHook()(text, caption);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                    parent != nullptr ? parent->window() : nullptr);
    box.exec();
}

}  // namespace marlix
