#include "tuner/SampleIntake.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace clefmark {
namespace {

    class BlockRecorder final : public BlockSink {
    public:
        std::int32_t blockFull(float* block) override
        {
            blocks.emplace_back(block, block + frames);
            return 0;
        }
        std::uint32_t frames = 0;
        std::vector<std::vector<float>> blocks;
    };

    // An intake with blocks of `frames` samples and a recorder behind it.
    struct Rig {
        explicit Rig(std::uint32_t frames)
        {
            intake.configure(frames);
            sink.frames = frames;
        }

        std::int32_t cycle(std::vector<AudioBuffer> buffers, double sampleTime = 1.0)
        {
            const AudioBufferList list { static_cast<std::uint32_t>(buffers.size()),
                buffers.data() };
            const AudioTimeStamp time { sampleTime };
            AudioDeviceProcParams params;
            params.inputData = &list;
            params.inputTime = &time;
            if (!SampleIntake::isValidCycle(params))
                return 0;
            return intake.take(list, sink);
        }

        // The first `n` samples stored so far in the current block.
        std::vector<float> stored(std::size_t n) const
        {
            return { intake.buffer().begin(), intake.buffer().begin() + static_cast<long>(n) };
        }

        SampleIntake intake;
        BlockRecorder sink;
    };

    AudioBuffer buffer(const std::vector<float>& samples, std::uint32_t channels)
    {
        return { channels, static_cast<std::uint32_t>(samples.size() * 4), samples.data() };
    }

    TEST(SampleIntake, MixesChannelsToMono)
    {
        const float inf = std::numeric_limits<float>::infinity();
        struct Case {
            const char* what;
            std::vector<std::vector<float>> buffers; // interleaved samples per buffer
            std::vector<std::uint32_t> channels;
            std::vector<float> expected;
        };
        const std::vector<Case> cases = {
            { "equal stereo pair is halved", { { 0.3f, 0.3f, -0.8f, -0.8f } }, { 2 },
                { 0.3f, -0.8f } },
            { "stereo differing in one frame is summed and limited", { { 0.8f, 0.8f, 0.1f, 0.2f } },
                { 2 }, { 1.0f, 0.3f } },
            { "two mono buffers are summed, not halved", { { 0.25f, 0.5f }, { 0.25f, 0.5f } },
                { 1, 1 }, { 0.5f, 1.0f } },
            { "second buffer of another size is ignored", { { 0.3f, 0.3f, 0.2f, 0.2f }, { 0.9f } },
                { 2, 1 }, { 0.3f, 0.2f } },
            { "after a differing buffer the rest is ignored",
                { { 0.1f, 0.2f }, { 0.5f }, { 0.3f, 0.4f } }, { 1, 1, 1 }, { 0.1f, 0.2f } },
            { "three channels are summed", { { 0.1f, 0.2f, 0.3f } }, { 3 },
                { 0.1f + 0.2f + 0.3f } },
            { "full scale stays, beyond is limited", { { 1.0f, -1.0f, 1.5f, -3.0f } }, { 1 },
                { 1.0f, -1.0f, 1.0f, -1.0f } },
            { "infinities are limited", { { inf, -inf } }, { 1 }, { 1.0f, -1.0f } },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            Rig rig(64);
            std::vector<AudioBuffer> list;
            for (std::size_t i = 0; i < c.buffers.size(); ++i)
                list.push_back(buffer(c.buffers[i], c.channels[i]));
            EXPECT_EQ(rig.cycle(list), 0);
            EXPECT_EQ(rig.intake.bufferOffset(), c.expected.size());
            EXPECT_EQ(rig.stored(c.expected.size()), c.expected);
        }
    }

    TEST(SampleIntake, NotANumberPassesThroughUnlimited)
    {
        Rig rig(64);
        const std::vector<float> s { std::numeric_limits<float>::quiet_NaN(), 0.5f };
        rig.cycle({ buffer(s, 1) });
        EXPECT_TRUE(std::isnan(rig.intake.buffer()[0]));
        EXPECT_EQ(rig.intake.buffer()[1], 0.5f);
    }

    TEST(SampleIntake, IgnoresCyclesItCannotRead)
    {
        const std::vector<float> s { 0.5f, 0.5f };
        const std::vector<float> stereo { 0.5f, 0.5f, 0.5f, 0.5f };
        struct Case {
            const char* what;
            std::vector<AudioBuffer> buffers;
            double sampleTime;
            std::uint32_t stored;
        };
        const std::vector<Case> cases = {
            { "no buffers", {}, 1.0, 0 },
            { "sample time zero", { buffer(s, 1) }, 0.0, 0 },
            { "sample time not a number still counts", { buffer(s, 1) },
                std::numeric_limits<double>::quiet_NaN(), 2 },
            { "single buffer without data", { { 1, 8, nullptr } }, 1.0, 0 },
            { "first of two without data", { { 1, 8, nullptr }, buffer(s, 1) }, 1.0, 0 },
            { "first buffer without channels", { { 0, 8, s.data() }, buffer(s, 1) }, 1.0, 0 },
            { "later buffer without channels ends the list", { buffer(s, 1), { 0, 8, s.data() } },
                1.0, 2 },
            { "later buffer without data ends the list",
                { buffer(stereo, 2), { 2, 16, nullptr }, buffer(stereo, 2) }, 1.0, 2 },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            Rig rig(64);
            rig.cycle(c.buffers, c.sampleTime);
            EXPECT_EQ(rig.intake.bufferOffset(), c.stored);
        }
    }

    TEST(SampleIntake, LaterBufferWithoutDataIsNeverRead)
    {
        // The halving test still applies to the one buffer used.
        Rig rig(64);
        const std::vector<float> stereo { 0.5f, 0.5f };
        rig.cycle({ buffer(stereo, 2), { 2, 8, nullptr } });
        EXPECT_EQ(rig.stored(1), std::vector<float> { 0.5f });
    }

    TEST(SampleIntake, FillsConsecutiveBlocksAcrossCycles)
    {
        Rig rig(2004);
        std::vector<float> ramp(2512);
        for (std::size_t i = 0; i < ramp.size(); ++i)
            ramp[i] = static_cast<float>(i) / 4096.0f;

        // 2000 samples in, then a cycle of 512: 4 complete the block, 508 start
        // the next.
        const std::vector<float> first(ramp.begin(), ramp.begin() + 2000);
        const std::vector<float> second(ramp.begin() + 2000, ramp.end());
        rig.cycle({ buffer(first, 1) });
        EXPECT_EQ(rig.intake.bufferOffset(), 2000u);
        EXPECT_TRUE(rig.sink.blocks.empty());
        rig.cycle({ buffer(second, 1) });
        ASSERT_EQ(rig.sink.blocks.size(), 1u);
        EXPECT_EQ(rig.sink.blocks[0], std::vector<float>(ramp.begin(), ramp.begin() + 2004));
        EXPECT_EQ(rig.intake.bufferOffset(), 508u);
        EXPECT_EQ(rig.stored(508), std::vector<float>(ramp.begin() + 2004, ramp.end()));
    }

    TEST(SampleIntake, OneLongCycleFillsSeveralBlocks)
    {
        Rig rig(64);
        const std::vector<float> s(64 * 3 + 5, 0.25f);
        rig.cycle({ buffer(s, 1) });
        EXPECT_EQ(rig.sink.blocks.size(), 3u);
        EXPECT_EQ(rig.intake.bufferOffset(), 5u);
    }

} // namespace
} // namespace clefmark
