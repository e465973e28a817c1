#include "app/ResizeRule.h"

#include <algorithm>
#include <cmath>

namespace clefmark {

namespace {

    bool positive(WindowSize size)
    {
        return size.width > 0 && size.height > 0;
    }

} // namespace

WindowSize windowWillResize(WindowSize proposed, WindowSize minimum, bool altHeld)
{
    if (!altHeld || !positive(minimum))
        return proposed;
    // rintf under the default rounding mode: halves go to the even neighbour,
    // so 1.5 and 2.5 times the minimum both give twice it.
    const float k = std::max(1.0f, std::rint(proposed.height / minimum.height));
    return { minimum.width * k, k * minimum.height };
}

WindowSize keepAspectRatio(WindowSize previous, WindowSize proposed, WindowSize minimum)
{
    if (!positive(minimum))
        return proposed;
    const float byWidth = proposed.width / minimum.width;
    const float byHeight = proposed.height / minimum.height;
    const bool widthChanged = proposed.width != previous.width;
    const bool heightChanged = proposed.height != previous.height;
    float scale = std::max(byWidth, byHeight);
    if (widthChanged && !heightChanged)
        scale = byWidth;
    else if (heightChanged && !widthChanged)
        scale = byHeight;
    scale = std::max(1.0f, scale);
    return { std::round(minimum.width * scale), std::round(minimum.height * scale) };
}

} // namespace clefmark
