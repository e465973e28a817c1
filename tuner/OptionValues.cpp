#include "tuner/OptionValues.h"

#include <charconv>
#include <limits>

namespace clefmark {

namespace {

    bool isDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

    // from_chars takes a '-' but not a '+'.
    std::string_view withoutPlus(std::string_view text)
    {
        if (text.starts_with('+') && text.size() > 1 && text[1] != '-')
            text.remove_prefix(1);
        return text;
    }

} // namespace

std::optional<long long> wholeNumberFromText(std::string_view text)
{
    text = withoutPlus(text);
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || !isDigit(digits.front()))
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> decimalFromText(std::string_view text)
{
    text = withoutPlus(text);
    const std::string_view unsignedPart = text.starts_with('-') ? text.substr(1) : text;
    bool digit = false;
    bool point = false;
    for (const char c : unsignedPart) {
        if (isDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    double value = 0;
    const auto [end, ec]
        = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Too many digits before the point, or too many zeros after it.
        const bool large = unsignedPart.find_first_not_of("0.") < unsignedPart.find('.');
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
        return text.starts_with('-') ? -value : value;
    }
    if (ec != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace clefmark
