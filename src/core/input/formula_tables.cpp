#include "core/input/formula_tables.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <regex>

namespace uc {
namespace {

using nlohmann::json;

// Strict member access: a missing or mistyped member throws, which rejects the document.
template <typename T>
T required(const json& object, const char* name) {
  return object.at(name).get<T>();
}

template <typename T>
std::optional<T> optional(const json& object, const char* name) {
  const auto it = object.find(name);
  if (it == object.end() || it->is_null()) return std::nullopt;
  return it->get<T>();
}

// get<std::string>() on a number or get<double>() on a string throws type_error; number
// members must really be numbers (nlohmann would otherwise accept booleans).
double requiredNumber(const json& object, const char* name) {
  const json& value = object.at(name);
  if (!value.is_number()) throw json::type_error::create(302, "number expected", &value);
  return value.get<double>();
}

template <typename Record, typename Decode>
std::optional<std::vector<Record>> decodeArray(const std::string& text, Decode decode) {
  try {
    const json document = json::parse(text);
    if (!document.is_array()) return std::nullopt;
    std::vector<Record> records;
    records.reserve(document.size());
    for (const auto& object : document) {
      if (!object.is_object()) return std::nullopt;
      records.push_back(decode(object));
    }
    return records;
  } catch (const json::exception&) {
    return std::nullopt;
  }
}

std::map<std::string, double> numberMap(const json& object) {
  if (!object.is_object()) throw json::type_error::create(302, "object expected", &object);
  std::map<std::string, double> result;
  for (const auto& [key, value] : object.items()) {
    if (!value.is_number()) throw json::type_error::create(302, "number expected", &value);
    result[key] = value.get<double>();
  }
  return result;
}

}  // namespace

std::optional<std::vector<Symbol>> decodeSymbols(const std::string& text) {
  return decodeArray<Symbol>(text, [](const json& o) {
    Symbol s{required<std::string>(o, "category"), required<std::string>(o, "subcategory"),
             required<std::string>(o, "topic"),    required<std::string>(o, "key"),
             required<std::string>(o, "latex"),    required<std::string>(o, "name"),
             required<std::string>(o, "unit"),     std::nullopt};
    const auto rules = o.find("rules");
    if (rules != o.end() && !rules->is_null()) s.rules = numberMap(*rules);
    return s;
  });
}

std::optional<std::vector<Unit>> decodeUnits(const std::string& text) {
  return decodeArray<Unit>(text, [](const json& o) {
    return Unit{required<std::string>(o, "key"), required<std::string>(o, "latex"),
                required<std::string>(o, "name"), requiredNumber(o, "factor")};
  });
}

std::optional<std::vector<Formula>> decodeFormulas(const std::string& text) {
  return decodeArray<Formula>(text, [](const json& o) {
    return Formula{required<std::string>(o, "category"),
                   required<std::string>(o, "subcategory"),
                   required<std::string>(o, "topic"),
                   required<std::string>(o, "type"),
                   required<std::string>(o, "imageName"),
                   required<std::string>(o, "searched"),
                   required<std::vector<std::string>>(o, "given"),
                   required<std::string>(o, "latex"),
                   required<std::string>(o, "identifier"),
                   optional<std::vector<std::string>>(o, "conditions"),
                   required<std::string>(o, "description")};
  });
}

TiroFormulaSymbol& TiroFormulaSymbol::shared() {
  static TiroFormulaSymbol instance;
  return instance;
}

std::vector<Symbol> TiroFormulaSymbol::findSymbols(const std::string& subcategory,
                                                   const std::string& topic,
                                                   const std::string& key) const {
  std::vector<Symbol> found;
  for (const auto& symbol : symbols) {
    if (symbol.subcategory == subcategory && symbol.topic == topic && symbol.key == key) {
      found.push_back(symbol);
    }
  }
  return found;
}

TiroFormulaUnit& TiroFormulaUnit::shared() {
  static TiroFormulaUnit instance;
  return instance;
}

TiroFormulaUnit::TiroFormulaUnit() {
  if (loadUnits("unitsOfLength")) {
    std::cerr << "Units of length could not be loaded; the unit table stays empty\n";
  }
}

std::optional<FormulaError> TiroFormulaUnit::loadUnits(const std::string& resourceName) {
  const auto text = bundledJsonResource(resourceName);
  if (!text) return FormulaError::configurationFailed;
  auto decoded = decodeUnits(*text);
  if (!decoded) return FormulaError::decodingFailed;
  units = std::move(*decoded);
  return std::nullopt;
}

std::string TiroFormulaUnit::convertUnitText(const std::string& text, bool useKey) const {
  if (!targetUnit || targetUnit->key == defaultUnitKey) return text;
  // Unit keys are plain letters; escape anything else so the key stays literal.
  std::string escaped;
  for (char c : defaultUnitKey) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) escaped += '\\';
    escaped += c;
  }
  const std::regex pattern(escaped + "\\b");
  // "$" starts a back-reference in a replacement; "$$" writes it literally.
  const std::string replacement = useKey ? targetUnit->key : targetUnit->latex;
  std::string literal;
  for (char c : replacement) literal += c == '$' ? std::string("$$") : std::string(1, c);
  return std::regex_replace(text, pattern, literal);
}

}  // namespace uc
