#include "tuner/TunerSettings.h"

#include "tuner/OptionValues.h"

namespace clefmark {

std::optional<int> RangedSetting::fromText(std::string_view text) const
{
    const std::optional<long long> n = wholeNumberFromText(text);
    if (!n || !accepts(*n))
        return std::nullopt;
    return static_cast<int>(*n);
}

std::string RangedSetting::rule() const
{
    return std::string("a whole number of ") + unit + " from " + std::to_string(min) + " to "
        + std::to_string(max);
}

std::optional<bool> secondOpinionFromName(std::string_view name)
{
    if (name == kDetectorNames[0])
        return false;
    if (name == kDetectorNames[1])
        return true;
    return std::nullopt;
}

} // namespace clefmark
