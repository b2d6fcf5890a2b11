#include "gui/layout/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace marlix {

namespace {

// The box's button is Qt's own; its caption is looked up in this context, and marlix's
// translations carry it so that nothing is read from Qt's files at run time.
[[maybe_unused]] constexpr const char* kOkText = QT_TRANSLATE_NOOP("QPlatformTheme", "OK");

MessageBoxHook& messageBoxHook() {
    static MessageBoxHook hook;
    return hook;
}

QuestionHook& questionHook() {
    static QuestionHook hook;
    return hook;
}

}  // namespace

void SetQuestionHook(QuestionHook hook) {
    questionHook() = std::move(hook);
}

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

int AskQuestion(QWidget* parent, const QString& text, const QString& caption,
                const QStringList& buttons, int defaultButton, int escapeButton) {
    if (questionHook())
        return questionHook()(text, buttons, defaultButton);
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton,
                    parent != nullptr ? parent->window() : nullptr);
    QList<QPushButton*> added;
    for (const QString& button : buttons) {
        // Buttons in the order given, whatever the style's order of roles would be.
        added.append(box.addButton(button, QMessageBox::ActionRole));
    }
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(added[defaultButton]);
    if (escapeButton >= 0 && escapeButton < added.size())
        box.setEscapeButton(added[escapeButton]);
    box.exec();
    const int chosen = added.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen >= 0 ? chosen : escapeButton;
}

}  // namespace marlix
