#pragma once

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace uc {

// One stored calculation: only what was typed and a one-line LaTeX summary. A record is
// reopened by filling the fields again and recalculating, never by replaying steps.
struct Calculation {
  Q_GADGET
  Q_PROPERTY(QVariantMap inputParameters READ inputParametersVariant)
  Q_PROPERTY(QString latexString MEMBER latexString)
  Q_PROPERTY(QVariantList solutionSteps READ solutionStepsVariant)
  Q_PROPERTY(QVariantMap setupParameter MEMBER setupParameter)

 public:
  // Field name ("α", "b") -> text exactly as typed.
  QMap<QString, QString> inputParameters;
  QString latexString;
  // Always stored empty; kept for the record format.
  QList<QVariantMap> solutionSteps;
  QVariantMap setupParameter;

  // The record as its stored dictionary: exactly the four keys, named after the fields.
  QJsonObject asDictionary() const;
  // Lenient: a missing key or a value of another type gives that field's empty value, so
  // any stored dictionary yields a record. exact, when given, tells whether the dictionary
  // was already in stored form (the four keys, each of its type, nothing else).
  static Calculation fromDictionary(const QJsonObject& dictionary, bool* exact = nullptr);

  QVariantMap inputParametersVariant() const;
  QVariantList solutionStepsVariant() const;

  bool operator==(const Calculation& other) const;
  bool operator!=(const Calculation& other) const { return !(*this == other); }
};

namespace calculation_keys {
inline constexpr char kInputParameters[] = "inputParameters";
inline constexpr char kLatexString[] = "latexString";
inline constexpr char kSolutionSteps[] = "solutionSteps";
inline constexpr char kSetupParameter[] = "setupParameter";
// Field names, also the placeholders of the input fields.
inline constexpr char kAlpha[] = "α";
inline constexpr char kB[] = "b";
inline constexpr char kAppKey[] = "appKey";
inline constexpr char kAppKeyValue[] = "KV";
}  // namespace calculation_keys

}  // namespace uc

Q_DECLARE_METATYPE(uc::Calculation)
