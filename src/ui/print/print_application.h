#pragma once

#include <QGuiApplication>
#include <memory>

namespace uc::print {

// Fonts and glyph runs need a QGuiApplication; a script has none and no display either. This
// starts an offscreen one for as long as it lives when there is no application yet, and
// uses the running one otherwise.
class PrintApplication {
 public:
  PrintApplication();
  ~PrintApplication();
  PrintApplication(const PrintApplication&) = delete;
  PrintApplication& operator=(const PrintApplication&) = delete;

  // False when the running application is a QCoreApplication, which cannot draw text.
  bool canDraw() const;

 private:
  std::unique_ptr<QGuiApplication> own_;
};

}  // namespace uc::print
