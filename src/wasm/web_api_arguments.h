#pragma once

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace uc::web {

using Json = nlohmann::json;
using Method = std::function<Json(const Json&)>;
using MethodTable = std::map<std::string, Method, std::less<>>;

// Arguments that do not fit: the answer names the one.
struct BadArguments {
  std::string what;
};

// Reading one argument; each throws BadArguments when it is missing or mistyped.
double number(const Json& args, const char* key);
std::optional<double> optionalNumber(const Json& args, const char* key);
// A whole number within ±2e9.
int wholeNumber(const Json& args, const char* key);
std::string text(const Json& args, const char* key);
// Absent or not a boolean reads as false.
bool flag(const Json& args, const char* key);

// Every call that answers with words names its language; the core's texts follow it (English
// when not shipped).
void useLanguage(const Json& args);

// The methods of each concern, which call() dispatches to.
const MethodTable& chartMethods();
const MethodTable& practiceMethods();
const MethodTable& exploreMethods();
const MethodTable& configMethods();
const MethodTable& presentationMethods();

}  // namespace uc::web
