// A look at the first bytes of a file before libsndfile reads it.
//
// libsndfile hands a file that begins like MPEG audio to its MPEG decoder,
// which writes complaints of its own to standard error when the rest is not
// MPEG after all, and has been known to find "frames" in the samples of a
// damaged WAV and decode them. Checking the start first keeps the decoder for
// files that hold MPEG audio, and lets the message say what is wrong.
#pragma once

#include <string>
#include <string_view>

namespace clefmark {

/// What the start of a file says.
struct FileStart {
    /// Why the file cannot be read as audio, in AudioFile's words ("not an
    /// audio file (…)", "unsupported audio encoding (…)"); empty when
    /// libsndfile may decide.
    std::string problem;
    /// A file named as MPEG that holds frames where the decoder finds them:
    /// libsndfile may have the name, whose guess takes the file to the
    /// decoder when its own look at the content does not (frames past junk,
    /// behind a tag it will not skip).
    bool openByName = false;
};

/// Looks at the start of the regular file open at `fd`, named `path`, with
/// pread, so the file position does not move.
///
/// A file is taken for MPEG audio when, after any ID3v2 tags, it starts with
/// a frame header; it passes when that header is valid and a second frame of
/// the same stream follows the first. A file whose name ends in ".mp3" or
/// ".mp2" may have junk before its frames, as much as the decoder skips.
FileStart lookAtFileStart(int fd, std::string_view path);

/// True when `path` ends in ".mp3" or ".mp2", in any case.
bool hasMpegName(std::string_view path);

} // namespace clefmark
