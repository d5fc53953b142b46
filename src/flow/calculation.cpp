#include "flow/calculation.h"

#include <QJsonArray>

namespace uc {

using namespace calculation_keys;

QJsonObject Calculation::asDictionary() const {
  QJsonObject inputs;
  for (auto it = inputParameters.begin(); it != inputParameters.end(); ++it) {
    inputs.insert(it.key(), it.value());
  }
  QJsonArray steps;
  for (const QVariantMap& step : solutionSteps) steps.append(QJsonObject::fromVariantMap(step));
  return QJsonObject{{kInputParameters, inputs},
                     {kLatexString, latexString},
                     {kSolutionSteps, steps},
                     {kSetupParameter, QJsonObject::fromVariantMap(setupParameter)}};
}

Calculation Calculation::fromDictionary(const QJsonObject& dictionary, bool* exact) {
  Calculation calculation;
  bool clean = dictionary.size() == 4;

  // A map of texts: one member of another type makes the whole field mistyped.
  const QJsonValue inputs = dictionary.value(kInputParameters);
  if (inputs.isObject()) {
    const QJsonObject object = inputs.toObject();
    bool allTexts = true;
    for (auto it = object.begin(); it != object.end() && allTexts; ++it) {
      allTexts = it.value().isString();
    }
    clean = clean && allTexts;
    if (allTexts) {
      for (auto it = object.begin(); it != object.end(); ++it) {
        calculation.inputParameters.insert(it.key(), it.value().toString());
      }
    }
  } else {
    clean = false;
  }

  const QJsonValue latex = dictionary.value(kLatexString);
  clean = clean && latex.isString();
  calculation.latexString = latex.toString();

  const QJsonValue steps = dictionary.value(kSolutionSteps);
  if (steps.isArray()) {
    const QJsonArray array = steps.toArray();
    QList<QVariantMap> read;
    bool allMaps = true;
    for (const QJsonValue step : array) {
      if (!step.isObject()) {
        allMaps = false;
        break;
      }
      read.append(step.toObject().toVariantMap());
    }
    clean = clean && allMaps;
    if (allMaps) calculation.solutionSteps = read;
  } else {
    clean = false;
  }

  const QJsonValue setup = dictionary.value(kSetupParameter);
  clean = clean && setup.isObject();
  calculation.setupParameter = setup.toObject().toVariantMap();
  if (exact) *exact = clean;
  return calculation;
}

QVariantMap Calculation::inputParametersVariant() const {
  QVariantMap map;
  for (auto it = inputParameters.begin(); it != inputParameters.end(); ++it) {
    map.insert(it.key(), it.value());
  }
  return map;
}

QVariantList Calculation::solutionStepsVariant() const {
  QVariantList list;
  for (const QVariantMap& step : solutionSteps) list.append(step);
  return list;
}

bool Calculation::operator==(const Calculation& other) const {
  // Compared through the stored form, so that numbers read back as other numeric types
  // still count as equal.
  return asDictionary() == other.asDictionary();
}

}  // namespace uc
