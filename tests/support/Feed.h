// Feeds samples to a tuner the way a capture device does.
#pragma once

#include "tuner/Tuner.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace clefmark::test {

/// A 32-bit float stream format of `channels` channels at `rate` Hz.
inline StreamFormat floatFormat(double rate, std::uint32_t channels = 1)
{
    StreamFormat f;
    f.sampleRate = rate;
    f.formatFlags = kFormatFlagIsFloat;
    f.channelsPerFrame = channels;
    f.bytesPerFrame = 4 * channels;
    f.bytesPerPacket = 4 * channels;
    f.framesPerPacket = 1;
    f.bitsPerChannel = 32;
    return f;
}

/// One input cycle of one buffer of interleaved samples.
inline std::int32_t feedCycle(Tuner& tuner, const float* samples, std::uint32_t frames,
    std::uint32_t channels, double sampleTime)
{
    const AudioBuffer buffer { channels, frames * channels * 4, samples };
    const AudioBufferList list { 1, &buffer };
    const AudioTimeStamp time { sampleTime };
    AudioDeviceProcParams params;
    params.inputData = &list;
    params.inputTime = &time;
    return tuner.inputIOProc(&params);
}

/// Feeds interleaved `samples` in cycles of `cycleFrames` frames with sample
/// times counting from 1.
inline void feed(Tuner& tuner, const std::vector<float>& samples, std::uint32_t channels = 1,
    std::uint32_t cycleFrames = 512)
{
    const std::size_t frames = samples.size() / channels;
    for (std::size_t done = 0; done < frames;) {
        const auto n
            = static_cast<std::uint32_t>(std::min<std::size_t>(cycleFrames, frames - done));
        feedCycle(
            tuner, samples.data() + done * channels, n, channels, static_cast<double>(done + 1));
        done += n;
    }
}

} // namespace clefmark::test
