// How file_fuzz reads its input, shared with the seed maker that writes the
// first inputs in the same layout.
//
// An input is the file's bytes followed by a trailer read from the end: the
// last byte picks the name's ending, the one before it how the file is made.
// Most values of that byte mean "the bytes as they are", so a mutated file
// usually stays a file. Two values instead put a WAV or AU header of the
// harness' own in front of the bytes, with the sample rate, channel count,
// encoding and data size taken from 16 more trailer bytes: libsndfile is not
// instrumented, so the fuzzer cannot learn where a header keeps those, and
// this way every claim reaches the analysis directly.
#pragma once

#include "audio/AudioFormats.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace clefmark::fuzz {

enum class Container : std::uint8_t { AsIs = 0, WavHeader = 1, AuHeader = 2 };

/// What a header made by the harness claims.
struct HeaderClaims {
    std::uint32_t sampleRate = 0;
    std::uint32_t channels = 0; // WAV keeps the low 16 bits
    std::uint32_t encoding = 0; // WAV: format tag, then bits per sample above it
    std::uint32_t dataBytes = 0; // as the header says, whatever follows
};

struct Trailer {
    std::size_t nameIndex = 0;
    Container container = Container::AsIs;
    HeaderClaims claims;
};

inline constexpr std::size_t kClaimsBytes = 16;

/// Endings the input file's name may have: none, each one a desktop may hand
/// over, and MPEG's in odd case, since only those change how a file is
/// opened.
inline std::vector<std::string> nameEndings()
{
    std::vector<std::string> endings { "", ".MP3", ".Mp2" };
    for (const std::string& extension : readableExtensions())
        endings.push_back("." + extension);
    return endings;
}

/// Splits `input` into the file's bytes (returned) and `trailer`. Short
/// inputs give what they have; missing trailer bytes count as zero.
inline std::span<const std::uint8_t> splitInput(
    std::span<const std::uint8_t> input, std::size_t endingCount, Trailer& trailer)
{
    std::size_t end = input.size();
    const auto take = [&]() -> std::uint8_t { return end > 0 ? input[--end] : 0; };
    trailer.nameIndex = take() % endingCount;
    const std::uint8_t container = take();
    trailer.container = container == 1 ? Container::WavHeader
        : container == 2               ? Container::AuHeader
                                       : Container::AsIs;
    if (trailer.container != Container::AsIs) {
        const auto take32 = [&] {
            std::uint32_t value = 0;
            for (int i = 0; i < 4; ++i)
                value = value << 8 | take();
            return value;
        };
        trailer.claims.sampleRate = take32();
        trailer.claims.channels = take32();
        trailer.claims.encoding = take32();
        trailer.claims.dataBytes = take32();
    }
    return input.first(end);
}

/// The trailer's bytes, to append to a file's, as splitInput reads them.
inline std::vector<std::uint8_t> trailerBytes(const Trailer& trailer)
{
    std::vector<std::uint8_t> bytes;
    if (trailer.container != Container::AsIs) {
        const auto put32 = [&](std::uint32_t value) {
            for (int i = 0; i < 4; ++i)
                bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        };
        // Read from the end, so stored last field first.
        put32(trailer.claims.dataBytes);
        put32(trailer.claims.encoding);
        put32(trailer.claims.channels);
        put32(trailer.claims.sampleRate);
    }
    bytes.push_back(static_cast<std::uint8_t>(trailer.container));
    bytes.push_back(static_cast<std::uint8_t>(trailer.nameIndex));
    return bytes;
}

} // namespace clefmark::fuzz
