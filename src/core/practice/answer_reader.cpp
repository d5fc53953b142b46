#include "core/practice/answer_reader.h"

#include <algorithm>
#include <cmath>

#include "core/input/error_keys.h"
#include "core/localization.h"

namespace uc::practice {
namespace {

constexpr const char* kEmptyAnswer = "practiceEmptyAnswer";
constexpr const char* kUnreadable = "practiceAnswerUnreadable";
constexpr const char* kRootOfNegative = "practiceRootOfNegative";
constexpr std::size_t kLongestAnswer = 200;
constexpr int kDeepestNesting = 32;
constexpr long double kLargestValue = 1e15L;

enum class Token { number, pi, root, plus, minus, times, divide, open, close, degree, separator };

struct Lexeme {
  Token token;
  std::string digits;  // for numbers
};

struct Spelling {
  std::string_view text;
  Token token;
};

// Longer spellings first, so that "sqrt" is not read as letters.
constexpr Spelling kSpellings[] = {{"sqrt", Token::root},       {"\xE2\x88\x9A", Token::root},
                                   {"pi", Token::pi},           {"\xCF\x80", Token::pi},
                                   {"\xC2\xB0", Token::degree}, {"\xE2\x88\x92", Token::minus},
                                   {"\xC2\xB7", Token::times},  {"\xE2\x8B\x85", Token::times},
                                   {"\xC3\x97", Token::times},  {"+", Token::plus},
                                   {"-", Token::minus},         {"*", Token::times},
                                   {"/", Token::divide},        {":", Token::divide},
                                   {"(", Token::open},          {")", Token::close},
                                   {";", Token::separator}};

std::optional<std::vector<Lexeme>> tokenize(std::string_view text, bool list) {
  std::vector<Lexeme> lexemes;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    const bool decimalComma = c == ',' && !list;
    if ((c >= '0' && c <= '9') || c == '.' || decimalComma) {
      std::string digits;
      while (i < text.size() &&
             ((text[i] >= '0' && text[i] <= '9') || text[i] == '.' || (text[i] == ',' && !list))) {
        digits += text[i] == ',' ? '.' : text[i];
        ++i;
      }
      lexemes.push_back({Token::number, digits});
      continue;
    }
    if (c == ',' && list) {
      lexemes.push_back({Token::separator, {}});
      ++i;
      continue;
    }
    bool matched = false;
    for (const Spelling& spelling : kSpellings) {
      if (text.substr(i, spelling.text.size()) == spelling.text) {
        lexemes.push_back({spelling.token, {}});
        i += spelling.text.size();
        matched = true;
        break;
      }
    }
    if (!matched) return std::nullopt;
  }
  return lexemes;
}

// A value with its exact form a + b·π where it is known.
struct Value {
  long double number = 0;
  std::optional<Rational> a;
  std::optional<Rational> b;
  // Made of decimals alone: rational even when a and b overflowed.
  bool rational = true;
};

bool exact(const Value& v) { return v.a && v.b; }
const Rational kZero{0, 1};

Value withForm(long double number, std::optional<Rational> a, std::optional<Rational> b,
               bool rational) {
  if (!a || !b) return {number, std::nullopt, std::nullopt, rational};
  return {number, a, b, rational};
}

Value sum(const Value& x, const Value& y) {
  const bool rational = x.rational && y.rational;
  if (!exact(x) || !exact(y)) return {x.number + y.number, {}, {}, rational};
  return withForm(x.number + y.number, add(*x.a, *y.a), add(*x.b, *y.b), rational);
}

Value negated(const Value& x) {
  if (!exact(x)) return {-x.number, {}, {}, x.rational};
  return withForm(-x.number, negate(*x.a), negate(*x.b), x.rational);
}

Value product(const Value& x, const Value& y) {
  const long double number = x.number * y.number;
  const bool rational = x.rational && y.rational;
  if (!exact(x) || !exact(y)) return {number, {}, {}, rational};
  if (x.b->isZero()) {
    return withForm(number, multiply(*x.a, *y.a), multiply(*x.a, *y.b), rational);
  }
  if (y.b->isZero()) {
    return withForm(number, multiply(*x.a, *y.a), multiply(*x.b, *y.a), rational);
  }
  return {number, {}, {}, false};  // π²
}

class Parser {
 public:
  Parser(const std::vector<Lexeme>& lexemes) : lexemes_(lexemes) {}

  std::optional<TypedAnswer> answers(bool list) {
    TypedAnswer answer;
    do {
      std::optional<TypedNumber> number = typedNumber();
      if (!number) return std::nullopt;
      answer.numbers.push_back(*number);
    } while (list && accept(Token::separator));
    if (position_ != lexemes_.size()) return fail<TypedAnswer>(kUnreadable);
    return answer;
  }

  const std::string& errorKey() const { return errorKey_; }

 private:
  std::optional<TypedNumber> typedNumber() {
    fractionDigits_ = 0;
    longNumber_ = false;
    const std::optional<Value> value = expression();
    if (!value) return std::nullopt;
    if (!std::isfinite(value->number) || std::fabs(value->number) > kLargestValue) {
      return fail<TypedNumber>(errorKey::valueOutOfRange);
    }
    TypedNumber number;
    number.value = value->number;
    number.rationalPart = value->a;
    number.piPart = value->b;
    number.degreeSign = accept(Token::degree);
    number.fractionDigits = fractionDigits_;
    number.longNumber = longNumber_;
    number.rationalValue = value->rational || (number.hasExactForm() && !number.hasPi());
    return number;
  }

  std::optional<Value> expression() {
    std::optional<Value> value = term();
    while (value) {
      const bool plus = accept(Token::plus);
      if (!plus && !accept(Token::minus)) break;
      const auto right = term();
      if (!right) return std::nullopt;
      value = sum(*value, plus ? *right : negated(*right));
    }
    return value;
  }

  std::optional<Value> term() {
    std::optional<Value> value = signedFactor();
    while (value) {
      if (accept(Token::times)) {
        const auto right = signedFactor();
        if (!right) return std::nullopt;
        value = product(*value, *right);
      } else if (accept(Token::divide)) {
        if (atEndOfNumber()) return fail(errorKey::fractionIncomplete);
        const auto right = signedFactor();
        if (!right) return std::nullopt;
        value = quotient(*value, *right);
      } else if (peek(Token::pi) || peek(Token::root) || peek(Token::open)) {
        const auto right = rooted();  // 3π, 2√3, 2(1+√5)
        if (!right) return std::nullopt;
        value = product(*value, *right);
      } else {
        break;
      }
    }
    return value;
  }

  std::optional<Value> quotient(const Value& x, const Value& y) {
    if (y.number == 0) return fail(errorKey::inputZeroInDenominator);
    const long double number = x.number / y.number;
    const bool rational = x.rational && y.rational;
    if (!exact(x) || !exact(y)) return Value{number, {}, {}, rational};
    if (y.b->isZero()) return withForm(number, divide(*x.a, *y.a), divide(*x.b, *y.a), rational);
    if (y.a->isZero() && x.a->isZero()) {
      return withForm(number, divide(*x.b, *y.b), kZero, rational);
    }
    return Value{number, {}, {}, false};  // 1/π
  }

  std::optional<Value> signedFactor() {
    if (accept(Token::minus)) {
      const auto value = signedFactor();
      if (!value) return std::nullopt;
      return negated(*value);
    }
    if (accept(Token::plus)) return signedFactor();
    return rooted();
  }

  std::optional<Value> rooted() {
    if (!accept(Token::root)) return primary();
    const auto radicand = rooted();
    if (!radicand) return std::nullopt;
    if (radicand->number < 0) return fail(kRootOfNegative);
    const long double number = std::sqrt(radicand->number);
    if (exact(*radicand) && radicand->b->isZero()) {
      if (const auto root = radicand->a->exactSquareRoot()) return Value{number, root, kZero};
    }
    return Value{number, {}, {}, false};
  }

  std::optional<Value> primary() {
    if (position_ >= lexemes_.size()) return fail(kUnreadable);
    const Lexeme& lexeme = lexemes_[position_++];
    switch (lexeme.token) {
      case Token::number:
        return number(lexeme.digits);
      case Token::pi:
        return Value{kPi, kZero, Rational{1, 1}, false};
      case Token::open: {
        if (++depth_ > kDeepestNesting) return fail(kUnreadable);
        auto value = expression();
        --depth_;
        if (!value) return std::nullopt;
        if (!accept(Token::close)) return fail(kUnreadable);
        return value;
      }
      default:
        return fail(kUnreadable);
    }
  }

  std::optional<Value> number(const std::string& digits) {
    if (std::count(digits.begin(), digits.end(), '.') > 1 || digits == ".") {
      return fail(kUnreadable);
    }
    const auto point = digits.find('.');
    if (point != std::string::npos) {
      fractionDigits_ = std::max(fractionDigits_, static_cast<int>(digits.size() - point - 1));
    }
    std::string significant;
    for (char c : digits) {
      if (c != '.') significant += c;
    }
    const auto first = significant.find_first_not_of('0');
    const auto last = significant.find_last_not_of('0');
    if (first != std::string::npos && last - first + 1 > 6) longNumber_ = true;
    if (const std::optional<Rational> exactValue = Rational::fromDecimalText(digits)) {
      return Value{exactValue->value(), exactValue, kZero};
    }
    // Too many digits for a fraction; strtold would read the point by the process locale.
    // Powers of ten by hand: the WebAssembly library's long double pow is a double's.
    long double number = 0;
    long double scale = 1;
    bool afterPoint = false;
    for (char c : digits) {
      if (c == '.') {
        afterPoint = true;
        continue;
      }
      number = number * 10 + (c - '0');
      if (afterPoint) scale *= 10;
    }
    return Value{number / scale, {}, {}};
  }

  bool atEndOfNumber() const {
    return position_ >= lexemes_.size() || peek(Token::close) || peek(Token::separator) ||
           peek(Token::degree);
  }

  bool peek(Token token) const {
    return position_ < lexemes_.size() && lexemes_[position_].token == token;
  }

  bool accept(Token token) {
    if (!peek(token)) return false;
    ++position_;
    return true;
  }

  template <typename T = Value>
  std::optional<T> fail(const char* key) {
    if (errorKey_.empty()) errorKey_ = key;
    return std::nullopt;
  }

  const std::vector<Lexeme>& lexemes_;
  std::size_t position_ = 0;
  int depth_ = 0;
  int fractionDigits_ = 0;
  bool longNumber_ = false;
  std::string errorKey_;
};

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

std::string lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::optional<TypedAnswer> choice(const std::string& text) {
  const std::string word = lowered(text);
  if (word == "undefined" || word == lowered(localized("practiceUndefined"))) {
    return TypedAnswer{{}, AnswerChoice::undefined, std::nullopt};
  }
  if (word == "none" || word == "\xE2\x88\x85" ||
      word == lowered(localized("practiceNoSolution"))) {
    return TypedAnswer{{}, AnswerChoice::noSolution, std::nullopt};
  }
  std::string upper = text;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (const auto quadrant = quadrantFromRawValue(upper)) {
    return TypedAnswer{{}, std::nullopt, quadrant};
  }
  return std::nullopt;
}

}  // namespace

std::optional<Rational> TypedNumber::rational() const {
  if (!hasExactForm() || !piPart->isZero()) return std::nullopt;
  return rationalPart;
}

ReadAnswer readAnswer(std::string_view text, bool list) {
  const std::string answer = trimmed(text);
  if (answer.empty()) return {std::nullopt, kEmptyAnswer};
  if (answer.size() > kLongestAnswer) return {std::nullopt, kUnreadable};
  if (auto chosen = choice(answer)) return {std::move(chosen), {}};
  const std::optional<std::vector<Lexeme>> lexemes = tokenize(answer, list);
  if (!lexemes) return {std::nullopt, kUnreadable};
  const bool onlyBrackets = std::all_of(lexemes->begin(), lexemes->end(), [](const Lexeme& l) {
    return l.token == Token::open || l.token == Token::close;
  });
  if (onlyBrackets) return {std::nullopt, kEmptyAnswer};
  Parser parser(*lexemes);
  std::optional<TypedAnswer> read = parser.answers(list);
  if (!read) return {std::nullopt, parser.errorKey().empty() ? kUnreadable : parser.errorKey()};
  return {std::move(read), {}};
}

}  // namespace uc::practice
