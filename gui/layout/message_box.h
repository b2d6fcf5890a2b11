// The program's plain message boxes: a text, a caption and an OK button, over a window of ours.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace marlix {

// Over parent's window; waits until the user closes it.
void ShowMessage(QWidget* parent, const QString& text, const QString& caption);

// Tests answer the boxes with a hook, called with the text and caption in place of the box.
using MessageBoxHook = std::function<void(const QString& text, const QString& caption)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace marlix
