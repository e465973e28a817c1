#include "tuner/FrequencyTracker.h"

#include <cmath>
#include <limits>

namespace clefmark {

namespace {

    // FStackIndex grows for as long as a note is held. Before it could overflow
    // it steps back by a multiple of the ring size, to a value still far above
    // the thresholds it is tested against, so the ring slot and every test on it
    // come out exactly as if it had kept counting.
    constexpr std::int32_t kIndexWrapAt = 0x40000000;
    constexpr std::int32_t kIndexWrapBy = 0x20000000;
    static_assert(kIndexWrapBy % FrequencyTracker::kStackSize == 0);

} // namespace

void FrequencyTracker::OctaveJumpDetect(float& F)
{
    if (FStackIndex <= 2)
        return;
    const std::int32_t before = OJIndex;
    // Only "has it counted since the reset" matters, so saturating is exact.
    if (OJIndex < std::numeric_limits<std::int32_t>::max())
        ++OJIndex;
    if (before <= 0)
        return;
    const float last = saveFrequency();
    if (last < 10.0)
        return;
    const float ratio = F / last;
    if (std::fabs(ratio - 2.0f) < 0.1)
        F = F * 0.5f;
}

void FrequencyTracker::IntegrateFrequency(float& F)
{
    if (std::fabs(F - AvgFreq) > F * 0.05) {
        FStackIndex = 0;
        FStack[0] = F;
    } else {
        if (FStackIndex >= kIndexWrapAt)
            FStackIndex -= kIndexWrapBy;
        ++FStackIndex;
        FStack[static_cast<std::size_t>(FStackIndex % kStackSize)] = F;
    }

    const std::int32_t c = FStackIndex < kStackSize - 1 ? FStackIndex : kStackSize - 1;
    float sum = 0.0f;
    for (std::int32_t i = 0; i <= c; ++i)
        sum += FStack[static_cast<std::size_t>(i)];
    AvgFreq = sum / static_cast<float>(c + 1);
    F = AvgFreq;
}

} // namespace clefmark
