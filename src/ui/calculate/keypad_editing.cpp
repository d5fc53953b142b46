#include "ui/calculate/keypad_editing.h"

#include <algorithm>

namespace uc {
namespace {

struct Range {
  int start;
  int end;
};

Range clampedRange(const QString& text, int selectionStart, int selectionEnd) {
  const int size = static_cast<int>(text.size());
  int start = std::clamp(selectionStart, 0, size);
  int end = std::clamp(selectionEnd, 0, size);
  if (end < start) std::swap(start, end);
  return {start, end};
}

}  // namespace

EditedText insertKey(const QString& text, int selectionStart, int selectionEnd,
                     const QString& key) {
  const auto [p, end] = clampedRange(text, selectionStart, selectionEnd);
  QString result = text;
  result.remove(p, end - p);
  int moved = 1;
  if (key == QLatin1String("-")) {
    if (result.contains(QLatin1Char('-'))) {
      result.remove(QLatin1Char('-'));
      moved = -1;
    } else {
      result.prepend(QLatin1Char('-'));
    }
  } else {
    result.insert(p, key);
  }
  return {result, std::clamp(p + moved, 0, static_cast<int>(result.size()))};
}

EditedText deleteBackward(const QString& text, int selectionStart, int selectionEnd) {
  const auto [start, end] = clampedRange(text, selectionStart, selectionEnd);
  if (start == 0 && end == 0) return {text, 0};
  QString result = text;
  if (start != end) {
    result.remove(start, end - start);
    return {result, start};
  }
  result.remove(start - 1, 1);
  return {result, start - 1};
}

}  // namespace uc
