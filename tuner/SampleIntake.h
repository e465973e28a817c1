// Gathers the samples of input cycles into analysis blocks.
//
// Each cycle's usable channels are mixed to one mono stream, limited to
// -1..+1 and appended to the block; whenever the block is full it is handed
// to the sink at once, on the same thread, and filling starts over. Blocks
// therefore follow one another without overlap or gap, whatever the cycle
// size.
//
// Channels are summed, not averaged, so that a signal on one input of a
// stereo pair keeps its level. The exception is a stereo pair carrying the
// same signal twice (a mono microphone on a two-channel interface), which is
// halved back to its own level.
#pragma once

#include "tuner/AudioTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace clefmark {

/// Receives each full block.
class BlockSink {
public:
    /// `block` holds the block's samples; the sink may overwrite them.
    /// Returns the cycle's status.
    virtual std::int32_t blockFull(float* block) = 0;

protected:
    ~BlockSink() = default;
};

/// Samples per analysis block at `sampleRate`: 1/22 second, truncated.
/// Refused (with the reason, one line) when the rate is not a positive number
/// or the block would fall outside 64..65535 samples, the range the analysis'
/// 16-bit positions and periods are defined for. The rate is a double so that
/// a caller who knows it exactly gets it back exactly in the reason: every
/// rate a float cannot hold is refused, and printed as a float it would be
/// another number.
struct BlockSize {
    std::uint32_t frames = 0;
    std::string refusal; // empty when accepted
};
BlockSize analysisBlockSize(double sampleRate);

/// Input thread only, once set up.
class SampleIntake {
public:
    /// Replaces the block with an empty one of `bufferFrames` samples.
    /// Allocates; call only while no cycle is being taken in.
    void configure(std::uint32_t bufferFrames);

    /// Whether a device's cycle carries samples to take: it has buffers and a
    /// sample time other than 0, which devices use to mark a cycle invalid.
    static bool isValidCycle(const AudioDeviceProcParams& params);

    /// Takes in one input cycle, calling `sink` for every block it fills.
    /// Ignores a cycle without buffers or data. Returns 0, or the status of
    /// the last full block. Does not allocate.
    std::int32_t take(const AudioBufferList& cycle, BlockSink& sink);

    std::uint32_t bufferFrames() const { return mBufferFrames; }
    std::uint32_t bufferOffset() const { return mBufferOffset; }
    const std::vector<float>& buffer() const { return mBuffer; }

private:
    std::vector<float> mBuffer;
    std::uint32_t mBufferOffset = 0;
    std::uint32_t mBufferFrames = 0;
};

} // namespace clefmark
