#include "core/solver/tiro_unit_circle.h"

#include <cmath>

#include "core/input/error_keys.h"
#include "core/input/tiro_input_manager.h"
#include "core/localization.h"
#include "core/number/number_text.h"
#include "core/solver/pi_fraction_hint.h"

namespace uc {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr const char* kInputTemplate = "\\alpha = %0^{\\circ} \\quad b = %1";

// Angles must split into full circles, which takes a 64-bit integer.
bool isUsableAngle(double degrees) { return truncateToInt64(degrees).has_value(); }

}  // namespace

// Each side is multiplied out before the one division, so that π/6 gives the double the arc
// has always had; a plain number divides as before.
double typedValue(const Digit& digit) {
  double numerator = digit.z.value_or(0);
  for (const auto& constant : digit.zConstants) numerator *= constant.value;
  double denominator = digit.n;
  for (const auto& constant : digit.nConstants) denominator *= constant.value;
  return numerator / denominator;
}

double degreesOfArc(double radians) {
  return TiroMathOperation::shared().roundValue(radians * kDegreesPerRadian, 12).value;
}

SolveResult calculate(const std::optional<std::string>& alphaText,
                      const std::optional<std::string>& bText, int alphaTag, int bTag) {
  TiroStringOutput::shared().reset();
  SolveResult result = TiroUnitCircle().solve(alphaText, alphaTag, bText, bTag);
  if (const std::optional<double> radians = result.b ? result.b->numericValue() : std::nullopt) {
    result.piHint = piFractionHint(bText.value_or(""), *radians);
  }
  TiroMathOperation::shared().withFraction = false;
  TiroStringOutput::shared().reset();
  return result;
}

SolveResult TiroUnitCircle::solve(const std::optional<std::string>& alphaText, int alphaTag,
                                  const std::optional<std::string>& bText, int bTag) {
  const std::vector<std::string> texts{alphaText.value_or(""), bText.value_or("")};
  const std::vector<int> tags{alphaTag, bTag};
  const std::size_t stepsBefore = output.solutionSteps.size();
  const int counterBefore = output.solutionStepCounter;

  auto fail = [&](const std::string& key, std::vector<int> errorTags) {
    // A refused calculation leaves the step list as it found it.
    output.solutionSteps.resize(stepsBefore);
    output.solutionStepCounter = counterBefore;
    SolveResult result;
    result.errorKey = key;
    result.errorTags = std::move(errorTags);
    return result;
  };

  TiroInputManager manager;
  ParseOptions options;
  options.inputFormat = {kInputTemplate};
  const ParseResult parsed = manager.parseInputs(texts, tags, {}, options);
  if (!parsed.allInputs) {
    SolveResult result;
    result.errorKey = parsed.errorKey;
    result.errorTags = parsed.errorTags;
    return result;
  }

  alpha = (*parsed.allInputs)[0];
  b = (*parsed.allInputs)[1];
  withFraction = parsed.isWithFraction;
  operation.withFraction = parsed.isWithFraction;

  const bool fromArc = !alpha->z;
  if (alpha->z) {
    const double degrees = typedValue(*alpha);
    if (!isUsableAngle(degrees)) return fail(errorKey::valueOutOfRange, {alphaTag});
    convertAngleToArc(degrees);
  } else if (b->z) {
    const double radians = typedValue(*b);
    const double degrees = degreesOfArc(radians);
    if (!std::isfinite(radians) || !isUsableAngle(degrees)) {
      return fail(errorKey::valueOutOfRange, {bTag});
    }
    convertArcToAngle(radians, degrees);
  } else {
    // Brackets alone count as filled for the parser but carry no number.
    std::vector<int> filled;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (!texts[i].empty()) filled.push_back(tags[i]);
    }
    return fail(errorKey::notEnoughInputValues, filled);
  }

  SolveResult result;
  result.solutionSteps = output.solutionSteps;
  result.alpha = alpha;
  result.b = b;
  result.chartSteps = makeChartSteps();
  if (fromArc) result.typedArcLatex = output.latexString(*b);
  return result;
}

// Both conversions start from the proportion of full angle to full arc, solved for b.
void TiroUnitCircle::addProportionSteps() {
  output.addStep("Choosen Formula", "\\frac{2\\pi}{360^{\\circ}} = \\frac{b}{\\alpha}");
  output.addStep("Convert",
                 "\\frac{2\\pi}{360^{\\circ}} = \\frac{b}{\\color{#ff3333}{ \\alpha }}\\quad| "
                 "\\cdot\\alpha");
  output.addStep("", "\\color{#009900}{ \\alpha } \\cdot \\frac{2\\pi}{360^{\\circ}} = b");
}

void TiroUnitCircle::convertAngleToArc(double degrees) {
  const std::string a = shortestText(degrees);
  addProportionSteps();
  output.addStep("Convert", "b = \\alpha \\cdot \\frac{2\\pi}{360^{\\circ}}");
  output.addStep("Insert", "b = \\color{#ff3333}{ \\alpha } \\cdot \\frac{2\\pi}{360^{\\circ}}");
  output.addStep("",
                 "b = \\color{#009900}{ " + a + "^{\\circ} } \\cdot \\frac{2\\pi}{360^{\\circ}}");
  output.addStep("Division",
                 "b = " + a + "^{\\circ} \\cdot \\color{#ff3333}{ \\frac{2\\pi}{360^{\\circ}} }");
  output.addStep(
      "",
      "b = " + a + "^{\\circ} \\cdot \\color{#009900}{ 0.017453292519943295\\frac{1}{^{\\circ}} }");
  output.addStep(
      "Multiplication",
      "b = \\color{#ff3333}{ " + a + "^{\\circ} \\cdot 0.017453292519943295\\frac{1}{^{\\circ}} }");

  const double radians = degrees * kRadiansPerDegree;
  output.addStep("Result", "b = \\color{#009900}{ " + shortestText(radians) + " }");

  // The exact form approximates: a short decimal multiple of π is used as it is, a long one is
  // inverted, and both become whole numbers through their "%g" text.
  const double k = radians / kPi;
  const auto fractionLength = static_cast<long long>(shortestText(k).size()) -
                              static_cast<long long>(std::to_string(*truncateToInt64(k)).size()) -
                              1;
  DigitPtr exact = fractionLength < 13 ? makeDigit(k, 1.0) : makeDigit(1.0, 1.0 / k);
  exact->zConstants.push_back(piConstant());
  // No step shows the side texts of this rewrite.
  if (operation.expandToIntegers(exact, false)) {
    if (auto cancelled = operation.cancelDown(*exact, false)) exact = cancelled->digit;
  }
  output.addStep("", "b = " + output.latexString(*exact));

  b->z = radians;
  unitCircleChartData->alpha = degrees;
  unitCircleChartData->b = radians;
  calculateTrigonometry(radians, degrees);
}

void TiroUnitCircle::convertArcToAngle(double radians, double degrees) {
  addProportionSteps();
  output.addStep("Convert",
                 "\\alpha \\cdot \\color{#ff3333}{  \\frac{2\\pi}{360^{\\circ}} } = b\\quad| "
                 "\\cdot\\frac{360^{\\circ}}{2\\pi}");
  output.addStep("", "\\alpha = b\\cdot\\color{#009900}{ \\frac{360^{\\circ}}{2\\pi} }");
  output.addStep("Insert", "\\alpha = \\color{#ff3333}{ b }\\cdot\\frac{360^{\\circ}}{2\\pi}");

  const std::string bx = output.latexString(*b);
  output.addStep("", "\\alpha = \\color{#009900}{ " + bx + " }\\cdot\\frac{360^{\\circ}}{2\\pi}");
  output.addStep("Division",
                 "\\alpha = " + bx + "\\cdot\\color{#ff3333}{ \\frac{360^{\\circ}}{2\\pi} }");
  output.addStep("", "\\alpha = " + bx + " \\cdot \\color{#009900}{ 57.29577951308232^{\\circ} }");
  output.addStep("Multiplication",
                 "\\alpha = \\color{#ff3333}{ " + bx + "\\cdot57.29577951308232^{\\circ} }");
  output.addStep("Result", "\\alpha = \\color{#009900}{ " + shortestText(degrees) + "^{\\circ} }");

  alpha->z = degrees;
  unitCircleChartData->alpha = degrees;
  unitCircleChartData->b = radians;
  calculateTrigonometry(radians, degrees);
}

void TiroUnitCircle::calculateTrigonometry(double radians, double degrees) {
  const std::string a = shortestText(degrees);
  const std::string verb = localized("Calculate Verb");

  const double s = operation.roundValue(std::sin(radians), 12).value;
  const std::string sine = shortestText(s);
  output.addStepWithLocalizedName(verb + " sin", "\\sin(\\alpha) = \\sin(" + a + "^{\\circ})");
  output.addStep("", "\\sin(\\alpha) = " + sine);

  const double c = operation.roundValue(std::cos(radians), 12).value;
  const std::string cosine = shortestText(c);
  output.addStepWithLocalizedName(verb + " cos", "\\cos(\\alpha) = \\cos(" + a + "^{\\circ})");
  output.addStep("", "\\cos(\\alpha) = " + cosine);

  const double t = operation.roundValue(std::tan(radians), 12).value;
  std::string tangent;
  if (c != 0) {
    tangent = shortestText(t);
  } else {
    // The sign of s divided by a signed zero: the rounded cosine decides, never a huge number.
    const bool negativeZero = std::signbit(c);
    tangent = (!negativeZero && s >= 0) || (negativeZero && s < 0) ? "\\infty" : "-\\infty";
  }
  output.addStepWithLocalizedName(
      verb + " tan", "\\tan(\\alpha) = \\frac{\\sin(\\alpha^{\\circ})}{\\cos(\\alpha^{\\circ})}");
  output.addStep("",
                 "\\tan(\\alpha) = \\frac{\\sin(" + a + "^{\\circ})}{\\cos(" + a + "^{\\circ})}");
  output.addStep("", "\\tan(\\alpha) = \\frac{" + sine + "}{" + cosine + "}");
  output.addStep("", "\\tan(\\alpha) = " + tangent);

  // solve() only lets angles through that truncate to a 64-bit integer.
  const std::int64_t fullCircles = *truncateToInt64(degrees) / 360;
  output.addStep("Full circles", "\\sum = " + std::to_string(fullCircles));
  unitCircleChartData->fullCircles = fullCircles;

  const double reduced = degrees - static_cast<double>(fullCircles) * 360.0;
  output.addStep("Angle", "\\gamma = " + shortestText(reduced) + "^{\\circ}");
  unitCircleChartData->angle = reduced;

  const Quadrant quadrant = quadrantOfReducedAngle(reduced);
  output.addStep("Quadrant", "Q = " + std::string(rawValue(quadrant)));
  unitCircleChartData->quadrant = quadrant;
}

ChartSteps TiroUnitCircle::makeChartSteps() const {
  if (!unitCircleChartData->b) return {};
  constexpr double kFullPeriod = 6.283185307179586;
  auto sine = std::make_shared<TrigonometricChartData>(unitCircleChartData->b, 0.0, kFullPeriod,
                                                       1.0, TrigonometricType::sin);
  auto cosine = std::make_shared<TrigonometricChartData>(unitCircleChartData->b, 0.0, kFullPeriod,
                                                         1.0, TrigonometricType::cos);
  return {{unitCircleChartData}, {sine}, {cosine}};
}

}  // namespace uc
