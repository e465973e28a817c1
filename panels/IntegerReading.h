// Reading a whole number out of what the user typed into a field.
#pragma once

#include <QStringView>

namespace clefmark {

/// The text's integer reading, as a number field gives it: leading white
/// space is skipped, an optional sign and the digits after it are read, and
/// reading stops at the first other character (so "441.7" reads 441). Text
/// without a leading number reads 0; a number beyond the range of int
/// saturates at the nearer end.
int readIntValue(QStringView text);

} // namespace clefmark
