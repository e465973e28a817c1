// Drives a whole Tuner with input cycles of any shape the audio layer could
// hand over (odd rates, including refused ones; 0..4 buffers of 0..8 channels;
// ragged byte sizes; holes; zero, NaN and arbitrary sample times; samples that
// are NaN, infinite or subnormal), interleaved with pausing and setting
// changes, and checks the displays only ever receive values in their ranges.
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/Recorders.h"
#include "tuner/AudioTypes.h"
#include "tuner/NoteMapper.h"
#include "tuner/Tuner.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <vector>

namespace {

using clefmark::AudioBuffer;
using clefmark::AudioBufferList;
using clefmark::AudioDeviceProcParams;
using clefmark::AudioTimeStamp;
using clefmark::StreamFormat;

[[noreturn]] void fail(const char* what, double value)
{
    std::fprintf(stderr, "intake_fuzz: %s (%g)\n", what, value);
    std::abort();
}

// Rates a device commonly reports, the edges of what the analysis accepts
// (1408 and 1441791 Hz) and their refused neighbours, and values no device
// should report but a broken one might.
constexpr std::array<double, 16> kRates = {
    44100.0,
    48000.0,
    22050.0,
    96000.0,
    8000.0,
    16000.0,
    192000.0,
    11025.0,
    1408.0,
    1407.0,
    1441791.0,
    1441792.0,
    0.0,
    -44100.0,
    std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(),
};

double pickRate(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        return in.PickValueInArray(kRates);
    case 1:
        return static_cast<double>(in.ConsumeIntegralInRange<std::uint32_t>(0, 2'000'000));
    default: {
        // Any double at all, bit for bit.
        const auto bits = in.ConsumeIntegral<std::uint64_t>();
        double rate;
        std::memcpy(&rate, &bits, sizeof rate);
        return rate;
    }
    }
}

StreamFormat pickFormat(FuzzedDataProvider& in)
{
    StreamFormat f;
    f.sampleRate = pickRate(in);
    const auto channels = in.ConsumeIntegralInRange<std::uint32_t>(1, 8);
    f.formatFlags
        = in.ConsumeBool() ? clefmark::kFormatFlagIsFloat : in.ConsumeIntegral<std::uint32_t>();
    f.bitsPerChannel = in.ConsumeBool() ? 32 : in.ConsumeIntegralInRange<std::uint32_t>(0, 64);
    f.channelsPerFrame = channels;
    f.bytesPerFrame = f.bitsPerChannel / 8 * channels;
    f.bytesPerPacket = f.bytesPerFrame;
    f.framesPerPacket = 1;
    return f;
}

// Watches every analysed block on the input thread.
class CheckingObserver final : public clefmark::AnalysisObserver {
public:
    void blockAnalysed(const clefmark::BlockReport& r) override
    {
        if (r.level < 0 || r.level > 8)
            fail("block level out of range", r.level);
        if (r.detected && !(std::isfinite(*r.detected) && *r.detected > 0.0f))
            fail("detected frequency not a positive number", *r.detected);
        if (r.frequency && !(std::isfinite(*r.frequency) && *r.frequency > 0.0f))
            fail("tracked frequency not a positive number", *r.frequency);
    }
};

void checkDisplays(clefmark::test::RecordingDisplays& d, bool closeEnough)
{
    for (int level : d.levels)
        if (level < 0 || level > 8)
            fail("level display out of range", level);
    for (const auto& t : d.tunes) {
        if (t.tune < -25 || t.tune > 25)
            fail("tune display out of range", t.tune);
        if (t.inTune != clefmark::NoteMapper::isInTune(t.tune, closeEnough))
            fail("in-tune judgement disagrees with the tune value", t.tune);
    }
    // Cleared so that long inputs do not pile up memory.
    d.levels.clear();
    d.tunes.clear();
    d.notes.clear();
    d.log.clear();
    d.increments = 0;
}

// One buffer's backing store: the fuzz bytes copied into float-aligned memory,
// so samples arrive bit for bit, NaNs, infinities and subnormals included.
struct Storage {
    std::vector<float> floats;
    std::size_t bytes = 0;
};

void runCycles(FuzzedDataProvider& in, clefmark::Tuner& tuner, double& frameClock)
{
    const auto numberBuffers = in.ConsumeIntegralInRange<std::uint32_t>(0, 4);
    std::array<Storage, 4> storage;
    std::array<AudioBuffer, 4> buffers {};
    for (std::uint32_t b = 0; b < numberBuffers; ++b) {
        AudioBuffer& buf = buffers[b];
        buf.numberChannels = in.ConsumeIntegralInRange<std::uint32_t>(0, 8);
        if (in.ConsumeIntegralInRange<int>(0, 7) == 0) {
            // A hole: its size is never read through, so it may be anything.
            buf.data = nullptr;
            buf.dataByteSize = in.ConsumeIntegral<std::uint32_t>();
            continue;
        }
        const auto wanted = in.ConsumeIntegralInRange<std::size_t>(0, 16384);
        const std::vector<std::uint8_t> bytes = in.ConsumeBytes<std::uint8_t>(wanted);
        Storage& s = storage[b];
        s.bytes = bytes.size();
        // At least one float, so even an empty buffer has a real address.
        s.floats.assign(bytes.size() / sizeof(float) + 1, 0.0f);
        if (!bytes.empty())
            std::memcpy(s.floats.data(), bytes.data(), bytes.size());
        buf.data = s.floats.data();
        // Any size up to what is really there, ragged ones included.
        buf.dataByteSize = in.ConsumeBool()
            ? static_cast<std::uint32_t>(s.bytes)
            : in.ConsumeIntegralInRange<std::uint32_t>(0, static_cast<std::uint32_t>(s.bytes));
    }

    AudioBufferList list;
    list.numberBuffers = numberBuffers;
    list.buffers = numberBuffers != 0 || in.ConsumeBool() ? buffers.data() : nullptr;

    // Feeding the same cycle repeatedly makes a periodic signal out of a short
    // input, which is what takes the fuzzer past the intake into detection.
    const int repeats = in.ConsumeIntegralInRange<int>(1, 64);
    const int timeKind = in.ConsumeIntegralInRange<int>(0, 9);
    const bool nullList = in.ConsumeIntegralInRange<int>(0, 31) == 0;
    const bool nullTime = in.ConsumeIntegralInRange<int>(0, 31) == 0;
    double arbitraryTime = 0.0;
    if (timeKind == 9) {
        const auto bits = in.ConsumeIntegral<std::uint64_t>();
        std::memcpy(&arbitraryTime, &bits, sizeof arbitraryTime);
    }

    for (int r = 0; r < repeats; ++r) {
        AudioTimeStamp time;
        switch (timeKind) {
        case 0:
            time.sampleTime = 0.0;
            break;
        case 1:
            time.sampleTime = std::numeric_limits<double>::quiet_NaN();
            break;
        case 9:
            time.sampleTime = arbitraryTime;
            break;
        default:
            time.sampleTime = frameClock;
            break;
        }
        frameClock += 512.0;

        AudioDeviceProcParams params;
        params.currentTime = &time;
        params.inputData = nullList ? nullptr : &list;
        params.inputTime = nullTime ? nullptr : &time;
        if (tuner.inputIOProc(&params) != 0)
            fail("an input cycle returned a non-zero status", 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);

    clefmark::MemoryUserDefaults defaults;
    clefmark::ImmediateMainThread mainThread;
    clefmark::test::RecordingDisplays displays;
    CheckingObserver observer;

    clefmark::Tuner tuner(defaults, mainThread);
    tuner.setLevelMeter(&displays);
    tuner.setTunerMeter(&displays);
    tuner.setClefmark(&displays);
    tuner.setStatusIndicator(&displays);
    tuner.setAnalysisObserver(&observer);

    // Settings as a stored profile might bring them, before capture starts.
    tuner.setOctaveRejection(in.ConsumeBool());
    tuner.setCloseEnough(in.ConsumeBool());
    tuner.setReferencePitch(in.ConsumeIntegralInRange<int>(
        clefmark::Tuner::kMinReferencePitch, clefmark::Tuner::kMaxReferencePitch));
    checkDisplays(displays, tuner.closeEnough());

    // A refused format must leave the tuner ignoring cycles, not half set up.
    const bool accepted = tuner.configureCapture(pickFormat(in)).empty();
    if (accepted != tuner.isCaptureConfigured())
        fail("configureCapture's answer disagrees with the capture state", 0);

    double frameClock = 1.0;
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange<int>(0, 9)) {
        case 0:
            tuner.setPause(!tuner.pause());
            break;
        case 1:
            tuner.setReferencePitch(in.ConsumeIntegralInRange<int>(
                clefmark::Tuner::kMinReferencePitch, clefmark::Tuner::kMaxReferencePitch));
            break;
        case 2:
            tuner.setOctaveRejection(in.ConsumeBool());
            tuner.setSecondOpinion(in.ConsumeBool());
            break;
        case 3:
            tuner.setCloseEnough(in.ConsumeBool());
            break;
        case 4: {
            // Capture is restarted on a new device between two cycles.
            const bool ok = tuner.configureCapture(pickFormat(in)).empty();
            if (ok != tuner.isCaptureConfigured())
                fail("configureCapture's answer disagrees with the capture state", 0);
            break;
        }
        default: {
            const bool configured = tuner.isCaptureConfigured();
            runCycles(in, tuner, frameClock);
            if (!configured
                && !(displays.levels.empty() && displays.tunes.empty() && displays.notes.empty()
                    && displays.increments == 0))
                fail("a tuner with a refused format analysed input", 0);
            break;
        }
        }
        checkDisplays(displays, tuner.closeEnough());
    }
    return 0;
}
