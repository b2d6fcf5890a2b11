// The program's message boxes over a window of ours: plain ones (a text, a caption and an OK
// button) and questions (a text and buttons to choose from).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace marlix {

// Over parent's window; waits until the user closes it.
void ShowMessage(QWidget* parent, const QString& text, const QString& caption);

// Tests answer the boxes with a hook, called with the text and caption in place of the box.
using MessageBoxHook = std::function<void(const QString& text, const QString& caption)>;
void SetMessageBoxHook(MessageBoxHook hook);

// A question: the buttons in reading order, Enter pressing defaultButton and Escape or the close
// box escapeButton. Returns the position of the button chosen.
int AskQuestion(QWidget* parent, const QString& text, const QString& caption,
                const QStringList& buttons, int defaultButton, int escapeButton);

// Tests answer the questions with a hook, called in place of the box; it returns the position of
// the button the test chooses.
using QuestionHook =
    std::function<int(const QString& text, const QStringList& buttons, int defaultButton)>;
void SetQuestionHook(QuestionHook hook);

}  // namespace marlix
