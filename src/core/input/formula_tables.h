#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace uc {

// Records of the formula modules: which quantity a symbol stands for, the units of one
// dimension, and formulas. Decoding is strict: a missing or mistyped required member rejects
// the whole document.
struct Symbol {
  std::string category;
  std::string subcategory;
  std::string topic;
  std::string key;
  std::string latex;
  std::string name;
  std::string unit;
  std::optional<std::map<std::string, double>> rules;
};

struct Unit {
  std::string key;
  std::string latex;
  std::string name;
  double factor = 1.0;
};

struct Formula {
  std::string category;
  std::string subcategory;
  std::string topic;
  std::string type;
  std::string imageName;
  std::string searched;
  std::vector<std::string> given;
  std::string latex;
  std::string identifier;
  std::optional<std::vector<std::string>> conditions;
  std::string description;
};

enum class FormulaError { configurationFailed, decodingFailed };

// Decoders of JSON documents (arrays of records); nothing on any failure.
std::optional<std::vector<Symbol>> decodeSymbols(const std::string& json);
std::optional<std::vector<Unit>> decodeUnits(const std::string& json);
std::optional<std::vector<Formula>> decodeFormulas(const std::string& json);

// JSON resources compiled into the program, by name without extension.
std::optional<std::string> bundledJsonResource(const std::string& name);

class TiroFormulaSymbol {
 public:
  static TiroFormulaSymbol& shared();

  std::vector<Symbol> symbols;

  // Exact, case-sensitive match of all three, in table order.
  std::vector<Symbol> findSymbols(const std::string& subcategory, const std::string& topic,
                                  const std::string& key) const;
};

class TiroFormulaUnit {
 public:
  static TiroFormulaUnit& shared();
  TiroFormulaUnit();  // loads "unitsOfLength"; a failure leaves the table empty

  std::string defaultUnitKey = "m";
  std::vector<Unit> units;
  std::optional<Unit> targetUnit;

  // Replaces `units` with the bundled resource's records.
  std::optional<FormulaError> loadUnits(const std::string& resourceName);

  // The default unit at the end of a word becomes the target unit (its key or its LaTeX).
  std::string convertUnitText(const std::string& text, bool useKey) const;
};

class TiroFormula {
 public:
  std::vector<Formula> formulas;
};

}  // namespace uc
