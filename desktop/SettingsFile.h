// A settings file that is read and replaced only when it is a regular file.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace clefmark {

/// What a settings path holds, found out on an opened descriptor rather than
/// by looking at the path first, so that what is checked is what is read.
/// A symbolic link is followed only to a regular file. Anything else (a
/// FIFO, a device, a directory, a link to any of them or to nothing, a file
/// larger than kMaxBytes) is refused: neither read nor written.
class SettingsFile {
public:
    static constexpr std::size_t kMaxBytes = std::size_t { 1 } << 20;

    enum class State {
        Regular, // read: see contents()
        Missing, // nothing there yet; replace() creates it
        Refused, // not a regular file, or too large: see reason()
        Unreadable, // there, but it could not be read: see reason()
    };

    /// Opens `path` (without blocking, even on a FIFO) and reads it whole if
    /// it is a regular file.
    static SettingsFile open(const std::string& path);

    State state() const { return state_; }
    const std::string& contents() const { return contents_; }
    /// Why it is refused or unreadable, e.g. "a FIFO" or "Permission denied".
    const std::string& reason() const { return reason_; }

    /// Replaces the regular file found by open() (the link's target when
    /// the path is a link), or creates a missing one with its folders, by a
    /// complete new file renamed over it: a crash or power cut leaves
    /// either the old contents or the new. Keeps the file's permissions.
    /// Removes what earlier saves killed part way left beside it, once their
    /// writers are gone. Empty on success, else why it failed. Only for
    /// Regular and Missing.
    std::string replace(const std::string& bytes) const;

private:
    State state_ = State::Missing;
    std::string path_; // the regular file itself, links resolved
    std::string contents_;
    std::string reason_;
    mode_t mode_ = 0;
};

} // namespace clefmark
