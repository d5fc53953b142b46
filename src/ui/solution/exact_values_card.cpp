#include "ui/solution/exact_values_card.h"

#include <QVariantMap>

namespace uc {
namespace {

QStringList qStrings(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list.append(QString::fromStdString(text));
  return list;
}

}  // namespace

QStringList wholeLines(const std::vector<ExactValuesCardLine>& lines) {
  QStringList whole;
  for (const ExactValuesCardLine& line : lines) whole.append(QString::fromStdString(line.latex()));
  return whole;
}

QVariantList cardLineMaps(const std::vector<ExactValuesCardLine>& lines) {
  QVariantList maps;
  for (const ExactValuesCardLine& line : lines) {
    maps.append(QVariantMap{{QStringLiteral("parts"), qStrings(line.parts)},
                            {QStringLiteral("joins"), qStrings(line.joins)}});
  }
  return maps;
}

}  // namespace uc
