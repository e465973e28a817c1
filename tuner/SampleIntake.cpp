#include "tuner/SampleIntake.h"

#include <charconv>
#include <cmath>
#include <string>

namespace clefmark {

namespace {

    constexpr std::uint32_t kMinBlockFrames = 64;
    // Sample positions and periods are 16-bit.
    constexpr std::uint32_t kMaxBlockFrames = 65535;

    // A buffer whose samples can be read: it has data and at least one channel.
    bool readable(const AudioBuffer& b)
    {
        return b.data != nullptr && b.numberChannels != 0;
    }

    // Limits a mixed sample to full scale. NaN passes; the analysis skips it.
    inline float limit(float sum)
    {
        if (sum > 1.0f)
            return 1.0f;
        if (sum < -1.0f)
            return -1.0f;
        return sum;
    }

    // Mixes frames [first, first + count) of the used buffers into `out`. The sum
    // always starts from 0.0f and adds buffers and channels in list order, so the
    // fast paths for the common layouts give the same bits as the general one.
    void mix(const AudioBuffer* buffers, std::uint32_t used, bool halve, std::uint32_t first,
        std::uint32_t count, float* out)
    {
        const std::uint32_t channels0 = buffers[0].numberChannels;
        if (used == 1 && channels0 == 1) {
            const auto* s = static_cast<const float*>(buffers[0].data) + first;
            for (std::uint32_t k = 0; k < count; ++k)
                out[k] = limit(0.0f + s[k]);
            return;
        }
        if (used == 1 && channels0 == 2) {
            const auto* s = static_cast<const float*>(buffers[0].data) + std::size_t { first } * 2;
            for (std::uint32_t k = 0; k < count; ++k) {
                float sum = 0.0f + s[2 * k] + s[2 * k + 1];
                if (halve)
                    sum = sum * 0.5f;
                out[k] = limit(sum);
            }
            return;
        }
        for (std::uint32_t k = 0; k < count; ++k) {
            float sum = 0.0f;
            for (std::uint32_t b = 0; b < used; ++b) {
                const std::uint32_t channels = buffers[b].numberChannels;
                const auto* s = static_cast<const float*>(buffers[b].data)
                    + (std::size_t { first } + k) * channels;
                for (std::uint32_t c = 0; c < channels; ++c)
                    sum += s[c];
            }
            out[k] = limit(sum);
        }
    }

} // namespace

BlockSize analysisBlockSize(double sampleRate)
{
    BlockSize size;
    const double frames = sampleRate * 0.045454545454545456;
    if (!(frames >= kMinBlockFrames && frames < kMaxBlockFrames + 1.0)) {
        char rate[32];
        const auto printed = std::to_chars(rate, rate + sizeof rate, sampleRate);
        size.refusal = "sample rate " + std::string(rate, printed.ptr)
            + " Hz cannot be analysed (1408 to 1441791 Hz can)";
        return size;
    }
    size.frames = static_cast<std::uint32_t>(frames);
    return size;
}

void SampleIntake::configure(std::uint32_t bufferFrames)
{
    mBuffer.assign(bufferFrames, 0.0f);
    mBufferFrames = bufferFrames;
    mBufferOffset = 0;
}

bool SampleIntake::isValidCycle(const AudioDeviceProcParams& params)
{
    return params.inputData != nullptr && params.inputTime != nullptr
        && params.inputTime->sampleTime != 0.0;
}

std::int32_t SampleIntake::take(const AudioBufferList& cycle, BlockSink& sink)
{
    const AudioBufferList* list = &cycle;
    if (list->numberBuffers == 0 || list->buffers == nullptr)
        return 0;
    if (mBufferFrames == 0)
        return 0;

    // The buffers used are the first and those after it with the same size
    // per channel; the first that differs, or cannot be read, ends the list.
    const AudioBuffer* buffers = list->buffers;
    if (!readable(buffers[0]))
        return 0;
    const std::uint32_t perChannel = buffers[0].dataByteSize / buffers[0].numberChannels;
    std::uint32_t used = 1;
    while (used < list->numberBuffers && readable(buffers[used])
        && buffers[used].dataByteSize / buffers[used].numberChannels == perChannel)
        ++used;

    const std::uint32_t frames = buffers[0].dataByteSize / 4 / buffers[0].numberChannels;

    // One stereo buffer carrying the same signal twice is one signal, not two.
    // Decided for the whole cycle before anything is stored.
    bool duplicatedStereo = false;
    if (used == 1 && buffers[0].numberChannels == 2) {
        const auto* s = static_cast<const float*>(buffers[0].data);
        duplicatedStereo = true;
        for (std::uint32_t k = 0; k < frames; ++k) {
            if (!(s[2 * k] == s[2 * k + 1])) {
                duplicatedStereo = false;
                break;
            }
        }
    }

    std::int32_t status = 0;
    std::uint32_t offset = mBufferOffset;
    float* block = mBuffer.data();
    for (std::uint32_t k = 0; k < frames;) {
        const std::uint32_t room = mBufferFrames - offset;
        const std::uint32_t count = frames - k < room ? frames - k : room;
        mix(buffers, used, duplicatedStereo, k, count, block + offset);
        k += count;
        offset += count;
        if (offset == mBufferFrames) {
            status = sink.blockFull(block);
            offset = 0;
        }
    }
    mBufferOffset = offset;
    return status;
}

} // namespace clefmark
