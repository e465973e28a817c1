#include "audio/FileStart.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unistd.h>
#include <vector>

namespace clefmark {

namespace {

    // ID3v2 tags may be stacked; libsndfile skips them one after another.
    constexpr int kMaxTags = 8;
    // How far the MPEG decoder looks for the first frame before it gives up.
    constexpr std::size_t kJunkBytes = 65536;

    // Bytes read from `offset`, up to `size`; fewer at the end of the file.
    std::size_t readAt(int fd, std::int64_t offset, unsigned char* into, std::size_t size)
    {
        std::size_t got = 0;
        while (got < size) {
            const auto at = static_cast<off_t>(offset + static_cast<std::int64_t>(got));
            const ssize_t n = ::pread(fd, into + got, size - got, at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        return got;
    }

    struct MpegFrame {
        int version = 0; // the header's two bits: 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
        int layer = 0; // 1 to 3
        int sampleRate = 0;
        std::int64_t bytes = 0; // 0: free format, whose length the header does not tell
    };

    bool looksLikeSync(const unsigned char* h)
    {
        return h[0] == 0xFF && (h[1] & 0xE0) == 0xE0;
    }

    std::optional<MpegFrame> parseFrameHeader(const unsigned char* h)
    {
        static constexpr std::array<std::array<int, 15>, 5> kKbps { {
            { 0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448 }, // 1, I
            { 0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384 }, // 1, II
            { 0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320 }, // 1, III
            { 0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256 }, // 2, I
            { 0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160 }, // 2, II and III
        } };
        static constexpr std::array<int, 3> kMpeg1Rates { 44100, 48000, 32000 };

        if (!looksLikeSync(h))
            return std::nullopt;
        MpegFrame frame;
        frame.version = (h[1] >> 3) & 3;
        const int layerBits = (h[1] >> 1) & 3;
        const int bitrateIndex = h[2] >> 4;
        const int rateIndex = (h[2] >> 2) & 3;
        const int padding = (h[2] >> 1) & 1;
        const int emphasis = h[3] & 3;
        if (frame.version == 1 || layerBits == 0 || bitrateIndex == 15 || rateIndex == 3
            || emphasis == 2)
            return std::nullopt;
        frame.layer = 4 - layerBits;
        const bool mpeg1 = frame.version == 3;
        frame.sampleRate = kMpeg1Rates[static_cast<std::size_t>(rateIndex)]
            >> (mpeg1 ? 0 : (frame.version == 2 ? 1 : 2));
        const std::size_t table
            = mpeg1 ? static_cast<std::size_t>(frame.layer - 1) : (frame.layer == 1 ? 3u : 4u);
        const std::int64_t bitrate
            = std::int64_t { kKbps[table][static_cast<std::size_t>(bitrateIndex)] } * 1000;
        if (frame.layer == 1)
            frame.bytes = (12 * bitrate / frame.sampleRate + padding) * 4;
        else if (frame.layer == 3 && !mpeg1)
            frame.bytes = 72 * bitrate / frame.sampleRate + padding;
        else
            frame.bytes = 144 * bitrate / frame.sampleRate + padding;
        return frame;
    }

    // Where the audio starts after any ID3v2 tags; nothing when a tag is
    // malformed, which libsndfile then does not take for MPEG either.
    std::optional<std::int64_t> afterTags(int fd)
    {
        std::int64_t offset = 0;
        for (int tag = 0; tag < kMaxTags; ++tag) {
            unsigned char h[10];
            if (readAt(fd, offset, h, sizeof h) < sizeof h || std::memcmp(h, "ID3", 3) != 0)
                return offset;
            if (h[3] == 0xFF || h[4] == 0xFF || ((h[6] | h[7] | h[8] | h[9]) & 0x80) != 0)
                return std::nullopt;
            const std::int64_t size = (std::int64_t { h[6] } << 21) | (h[7] << 14) | (h[8] << 7)
                | std::int64_t { h[9] };
            const bool footer = (h[5] & 0x10) != 0;
            offset += 10 + size + (footer ? 10 : 0);
        }
        return offset;
    }

    bool sameStream(const MpegFrame& a, const MpegFrame& b)
    {
        return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate;
    }

    // A frame at `offset` whose header is followed, a frame's length later, by
    // another of the same stream: the second makes a chance match unlikely.
    bool twoFramesAt(int fd, std::int64_t offset, const MpegFrame& first)
    {
        unsigned char h[4];
        if (first.bytes == 0 || readAt(fd, offset + first.bytes, h, sizeof h) < sizeof h)
            return false;
        const std::optional<MpegFrame> second = parseFrameHeader(h);
        return second && sameStream(first, *second);
    }

    // Whether two frames in a row begin within the first kJunkBytes after
    // `offset`, as the MPEG decoder would find them by skipping what is before.
    bool framesPastJunk(int fd, std::int64_t offset)
    {
        std::vector<unsigned char> window(kJunkBytes + 3);
        const std::size_t got = readAt(fd, offset, window.data(), window.size());
        for (std::size_t i = 0; i + 4 <= got; ++i) {
            const std::optional<MpegFrame> frame = parseFrameHeader(&window[i]);
            if (frame && twoFramesAt(fd, offset + static_cast<std::int64_t>(i), *frame))
                return true;
        }
        return false;
    }

    FileStart lookForMpeg(int fd, bool mpegName)
    {
        FileStart result;
        const std::optional<std::int64_t> start = afterTags(fd);
        if (!start)
            return result;
        unsigned char h[4];
        const bool sync = readAt(fd, *start, h, sizeof h) == sizeof h && looksLikeSync(h);
        if (!sync) {
            result.openByName = mpegName && framesPastJunk(fd, *start);
            return result;
        }
        const std::optional<MpegFrame> first = parseFrameHeader(h);
        if (!first)
            result.problem = "not an audio file (it begins like MPEG audio, but the frame "
                             "header is invalid)";
        else if (first->bytes == 0)
            result.problem = "unsupported audio encoding (free-format MPEG audio)";
        else if (!twoFramesAt(fd, *start, *first))
            result.problem = "not an audio file (it begins like MPEG audio, but no second "
                             "frame follows the first)";
        else
            result.openByName = mpegName;
        return result;
    }

} // namespace

FileStart lookAtFileStart(int fd, std::string_view path)
{
    unsigned char h[12];
    if (readAt(fd, 0, h, sizeof h) == sizeof h && std::memcmp(h + 8, "WAVE", 4) == 0
        && std::memcmp(h, "RIFF", 4) != 0 && std::memcmp(h, "RIFX", 4) != 0
        && std::memcmp(h, "RF64", 4) != 0 && std::memcmp(h, "BW64", 4) != 0)
        return { "not an audio file (a WAV file whose RIFF marker is damaged)", false };
    return lookForMpeg(fd, hasMpegName(path));
}

bool hasMpegName(std::string_view path)
{
    if (path.size() < 4)
        return false;
    const std::string_view end = path.substr(path.size() - 4);
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return end[0] == '.' && lower(end[1]) == 'm' && lower(end[2]) == 'p'
        && (end[3] == '3' || end[3] == '2');
}

} // namespace clefmark
