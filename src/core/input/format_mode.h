#pragma once

namespace uc {

// Layout of the input steps: all fields in one template, or one line per named quantity.
enum class FormatMode { formula, variables };

}  // namespace uc
