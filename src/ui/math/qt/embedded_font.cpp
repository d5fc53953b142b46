#include "embedded_font.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <map>
#include <mutex>

namespace uc::math {
namespace {

constexpr const char* kFontPath = ":/unitcircle/fonts/latinmodern-math.otf";

QByteArray fontBytes() {
  QFile file(QString::fromLatin1(kFontPath));
  if (!file.open(QIODevice::ReadOnly))
    qFatal("math font missing from the resources: %s", kFontPath);
  return file.readAll();
}

// QRawFont must go before the font database does, so the cache is emptied by a post routine
// of QCoreApplication rather than by static destruction.
std::mutex rawMutex;
std::map<int, QRawFont>* rawCache = nullptr;

void dropRawFonts() {
  std::lock_guard lock(rawMutex);
  delete rawCache;
  rawCache = nullptr;
}

}  // namespace

std::shared_ptr<const MathFont> embeddedMathFont() {
  static const std::shared_ptr<const MathFont> font = [] {
    QByteArray bytes = fontBytes();
    auto f = MathFont::fromData(std::vector<char>(bytes.begin(), bytes.end()));
    if (!f) qFatal("embedded math font has no MATH table");
    return f;
  }();
  return font;
}

QRawFont embeddedRawFont(qreal pixelSize) {
  std::lock_guard lock(rawMutex);
  if (!rawCache) {
    rawCache = new std::map<int, QRawFont>();
    qAddPostRoutine(dropRawFonts);
  }
  // Sizes are keyed to 1/64 px; a label rarely uses more than a handful.
  int key = std::max(1, qRound(pixelSize * 64));
  auto it = rawCache->find(key);
  if (it != rawCache->end()) return it->second;
  if (rawCache->size() > 64) {
    QRawFont keep = rawCache->begin()->second;
    rawCache->clear();
    rawCache->emplace(0, keep);
  }
  QRawFont font;
  auto base = rawCache->find(0);
  if (base == rawCache->end()) {
    font = QRawFont(fontBytes(), pixelSize, QFont::PreferNoHinting);
    rawCache->emplace(0, font);
  } else {
    font = base->second;
    font.setPixelSize(pixelSize);
  }
  rawCache->emplace(key, font);
  return font;
}

}  // namespace uc::math
