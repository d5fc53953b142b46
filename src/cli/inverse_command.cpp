#include "cli/inverse_command.h"

#include <ostream>

#include "cli/solution_json.h"
#include "cli/solve_command.h"
#include "core/localization.h"
#include "core/number/number_text.h"

namespace uc::cli {
namespace {

std::string degreesNumber(const explore::InverseAngle& angle) {
  return angle.exact ? std::to_string(static_cast<int>(angle.degrees))
                     : shortestText(angle.degrees);
}

}  // namespace

std::string inverseJson(const explore::InverseSolutions& solutions) {
  std::string degrees;
  std::string exact;
  for (const explore::InverseAngle& angle : solutions.angles) {
    degrees += (degrees.empty() ? "" : ", ") + degreesNumber(angle);
    exact += (exact.empty() ? "" : ", ") + jsonString(angle.latex);
  }
  return "{\"degrees\": [" + degrees + "], \"exact\": [" + exact +
         "], \"period\": " + std::to_string(solutions.periodDegrees) + "}";
}

std::string inverseText(const explore::InverseSolutions& solutions) {
  if (solutions.angles.empty()) return localized("practiceNoSolution") + "\n";
  const std::string period = " + k \xC2\xB7 " + std::to_string(solutions.periodDegrees) + "\xC2\xB0";
  std::string text;
  for (const explore::InverseAngle& angle : solutions.angles) {
    text += angle.exact ? "\xCE\xB1 = " + degreesNumber(angle)
                        : "\xCE\xB1 \xE2\x89\x88 " + localeFormat(angle.degrees, 2, false);
    text += "\xC2\xB0" + period + "\n";
  }
  return text;
}

int runInverse(const InverseOptions& options, std::ostream& out, std::ostream& err) {
  const explore::InverseReading reading =
      explore::inverseSolutions(options.function, options.value);
  if (!reading.solutions) {
    err << "unitcircle: " << localized(reading.errorKey) << "\n";
    return kExitInputError;
  }
  out << (options.json ? inverseJson(*reading.solutions) + "\n" : inverseText(*reading.solutions));
  return kExitSolved;
}

}  // namespace uc::cli
