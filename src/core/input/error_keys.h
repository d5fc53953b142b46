#pragma once

namespace uc::errorKey {

// Keys of everything that can go wrong with typed input; the screens localise them.
inline constexpr const char* notEnoughInputValues = "notEnoughInputValues";
inline constexpr const char* inputParameterError = "inputParameterError";
inline constexpr const char* fractionIncomplete = "fractionIncomplete";
inline constexpr const char* inputZeroInDenominator = "inputZeroInDenominator";
inline constexpr const char* toManyNaturalConstantsInSubstring =
    "toManyNaturalConstantsInSubstring";
inline constexpr const char* toManyVariablesInSubstring = "toManyVariablesInSubstring";
inline constexpr const char* naturalConstantInWrongPositionOfSubstring =
    "naturalConstantInWrongPositionOfSubstring";
// Our own: an angle or arc length too large to split into full circles, or not finite.
inline constexpr const char* valueOutOfRange = "valueOutOfRange";

}  // namespace uc::errorKey
