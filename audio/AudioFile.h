// Reading audio files through libsndfile.
//
// Samples come out as libsndfile's `sf_readf_float` gives them: interleaved
// frames, integer formats normalised to -1..+1, float formats as stored. That
// is also what a capture device delivers, which is why a file can stand in
// for one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct sf_private_tag;

namespace clefmark {

/// The bytes a buffer of samples read from a file may take. A header may
/// claim a thousand channels; sized by this, a buffer stays small whatever
/// it claims.
inline constexpr std::size_t kReadBufferBytes = 512 * 1024;

/// The frames of `channels` interleaved floats that fit in kReadBufferBytes;
/// at least one.
std::uint32_t readBufferFrames(int channels);

/// One audio file open for reading.
///
/// Threads: an AudioFile is not thread safe. Use it from one thread at a
/// time; it may move to another thread (say, opened on the main thread, then
/// read by a feeder thread) when the hand-over itself is synchronised.
/// Separate AudioFiles are independent and may be used on separate threads at
/// once. Reading touches the disk and may block, so a real-time callback must
/// not call it directly.
class AudioFile {
public:
    AudioFile() = default;
    ~AudioFile();

    AudioFile(AudioFile&& other) noexcept;
    AudioFile& operator=(AudioFile&& other) noexcept;
    AudioFile(const AudioFile&) = delete;
    AudioFile& operator=(const AudioFile&) = delete;

    /// Opens `path`, closing any file open before. On failure returns false,
    /// and `error()` says why in a few words a user can act on ("no such
    /// file", "not an audio file (…)", "damaged or unsupported audio header
    /// (…)", "is a pipe, not a regular file"), without the path. Only a
    /// regular file, or a link to one, is opened: anything else is refused
    /// at once, without waiting for it. MPEG audio is recognised by its content
    /// alone (see FileStart.h); a name ending in ".mp3" only improves the
    /// message when it is not there.
    bool open(const std::string& path);

    /// Closes the file; harmless when none is open.
    void close();

    bool isOpen() const { return file_ != nullptr; }

    // The open file's properties; 0 or empty when none is open.
    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    /// Frames the header announces. A truncated file may give fewer.
    std::int64_t frames() const { return frames_; }
    /// Container and encoding as libsndfile names them, e.g.
    /// "WAV (Microsoft), Signed 16 bit PCM".
    const std::string& formatDescription() const { return description_; }

    /// Reads up to `frames` frames into `interleaved`, which must hold
    /// `frames * channels()` floats. Returns the frames read: fewer than asked
    /// at the end of the file, 0 past it. When the file could not be read, also
    /// returns what was read before the fault, and `error()` says what went
    /// wrong; check `hasReadError()` after a short read. The first fault ends
    /// the file. A file that has become shorter since it was opened
    /// (truncated while read or played) counts as a read error at its new
    /// end.
    ///
    /// However the reads are sized, a file gives the same frames and the
    /// same fault after the same frame: libsndfile is read in blocks of its
    /// own size, since where a damaged file's decoder complains, and what it
    /// gives after that, depends on the size of the reads asked of it.
    std::int64_t read(float* interleaved, std::int64_t frames);

    /// Goes back to the first frame, for reading the file again, after a
    /// fault too. Returns false (and sets `error()`) when the file cannot
    /// seek.
    bool rewind();

    /// True when a read or seek failed since the file was opened.
    bool hasReadError() const { return readError_; }

    /// Why the last failed operation failed; empty when none has.
    const std::string& error() const { return error_; }

private:
    void reset();
    void resetBlock();
    void readBlock();
    bool shrank() const;

    sf_private_tag* file_ = nullptr;
    int fd_ = -1; // owned; libsndfile reads through a copy it owns
    std::int64_t openedSize_ = -1; // bytes at open; -1 when none is open
    int sampleRate_ = 0;
    int channels_ = 0;
    std::int64_t frames_ = 0;
    std::string description_;
    std::string error_;
    bool readError_ = false;
    std::vector<float> block_; // what libsndfile gave last, interleaved
    std::int64_t blockFrames_ = 0; // frames each read asks of libsndfile
    std::int64_t blockFilled_ = 0; // frames in block_
    std::int64_t blockPos_ = 0; // the next of them to hand out
    bool blockEnded_ = false; // nothing more to ask of libsndfile
    std::string pendingError_; // the fault that ended it, told after block_
};

} // namespace clefmark
