// The shape in which one input cycle reaches the tuner. Every source of audio
// (a sound server, a file, a test) hands its samples over in these records, so
// the intake sees the same thing whatever the source.
#pragma once

#include <cstdint>

namespace clefmark {

/// One buffer of an input cycle: `numberChannels` interleaved channels of
/// native 32-bit float samples. `data` must point to float-aligned storage of
/// at least `dataByteSize` bytes, or be null (a hole in the stream).
struct AudioBuffer {
    std::uint32_t numberChannels = 0;
    std::uint32_t dataByteSize = 0;
    const void* data = nullptr;
};

/// The buffers of one input cycle, in the order the source delivers them.
struct AudioBufferList {
    std::uint32_t numberBuffers = 0;
    const AudioBuffer* buffers = nullptr;
};

/// A position in the device's stream. Only the sample time is read; a source
/// that cannot tell the time gives every cycle a non-zero one (for example
/// frames delivered so far plus one), because 0.0 marks a cycle as invalid.
struct AudioTimeStamp {
    double sampleTime = 0.0;
};

/// The arguments of one input cycle as the audio layer passes them.
/// Only `inputData` and `inputTime` are read; the others travel along so a
/// back-end can hand over what it has.
struct AudioDeviceProcParams {
    std::uint32_t device = 0; // unread: kept so the record is the whole call
    const AudioTimeStamp* currentTime = nullptr; // unread: kept so the record is the whole call
    const AudioBufferList* inputData = nullptr;
    const AudioTimeStamp* inputTime = nullptr;
    AudioBufferList* outputData = nullptr; // unread: an input-only tuner has no output
    const AudioTimeStamp* outputTime = nullptr; // unread: an input-only tuner has no output
};

/// Format flags of `StreamFormat`, bit for bit as sound hardware reports them.
inline constexpr std::uint32_t kFormatFlagIsFloat = 1u << 0;
inline constexpr std::uint32_t kFormatFlagIsBigEndian = 1u << 1;

/// A capture device's input stream format. The engine reads only the rate:
/// every back-end delivers native 32-bit float. The rest describe that
/// format as sound hardware states one, so that a back-end's claim can be
/// checked by a reader or a test.
struct StreamFormat {
    double sampleRate = 0.0;
    std::uint32_t formatFlags = 0; // unread by the engine: always float, native order
    std::uint32_t bytesPerPacket = 0; // unread by the engine: one frame per packet
    std::uint32_t framesPerPacket = 0; // unread by the engine: always 1
    std::uint32_t bytesPerFrame = 0;
    std::uint32_t channelsPerFrame = 0;
    std::uint32_t bitsPerChannel = 0; // unread by the engine: always 32
};

} // namespace clefmark
