// Numbers typed on either program's command line. The window and the
// terminal tools read the same setting by the same rule, so that a value one
// of them takes the other takes too.
#pragma once

#include <optional>
#include <string_view>

namespace clefmark {

/// Decimal digits, with an optional '+' or '-' before them, and nothing
/// else: no spaces, no point, no unit. None also when it does not fit.
std::optional<long long> wholeNumberFromText(std::string_view text);

/// Decimal digits with at most one point among or around them ("10", "2.5",
/// ".5", "5."), with an optional '+' or '-' before them, and nothing else:
/// no exponent, no spaces, no unit, no "inf" or "nan". One too large to
/// hold comes back as infinity, above any limit.
std::optional<double> decimalFromText(std::string_view text);

} // namespace clefmark
