#pragma once

#include <QString>

namespace uc {

// A field's text with its caret (an empty selection) after a keypad edit.
struct EditedText {
  QString text;
  int caret = 0;

  bool operator==(const EditedText&) const = default;
};

// A key typed over the selection [selectionStart, selectionEnd). "-" toggles the sign of the
// whole text: it removes every "-" or puts one in front. Positions are character offsets.
EditedText insertKey(const QString& text, int selectionStart, int selectionEnd, const QString& key);

// Removes the selection, or the one character before the caret; nothing at position 0.
EditedText deleteBackward(const QString& text, int selectionStart, int selectionEnd);

}  // namespace uc
