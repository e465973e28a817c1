#include "panels/IntegerReading.h"

#include <limits>

namespace clefmark {

int readIntValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulated as a negative number, whose range reaches one further, so
    // that the smallest int is read exactly.
    constexpr int lowest = std::numeric_limits<int>::min();
    int value = 0;
    bool saturated = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value < (lowest + digit) / 10) {
            saturated = true;
            break;
        }
        value = value * 10 - digit;
    }
    if (saturated)
        return negative ? lowest : std::numeric_limits<int>::max();
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<int>::max() : -value;
}

} // namespace clefmark
