#include "audio/AudioFile.h"

#include "audio/FileStart.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace clefmark {

namespace {

    // libsndfile's messages end in a full stop; inside parentheses it only gets
    // in the way.
    std::string trimmed(const char* message)
    {
        std::string text = message ? message : "";
        while (!text.empty() && (text.back() == '.' || text.back() == ' ' || text.back() == '\n'))
            text.pop_back();
        return text;
    }

    std::string systemMessage(int error)
    {
        switch (error) {
        case ENOENT:
        case ENOTDIR:
            return "no such file";
        case EACCES:
        case EPERM:
            return "permission denied";
        default: {
            std::string text = std::generic_category().message(error);
            if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
                text[0] = static_cast<char>(text[0] - 'A' + 'a');
            return text;
        }
        }
    }

    // Only regular files are read. Opening a FIFO blocks until something
    // writes to it, for good when nothing does; a device may never end, and
    // opening one can act on it (a terminal, a tape); a pipe can be read only
    // once, which libsndfile's readers of FLAC and Ogg cannot cope with. And
    // libsndfile reports a directory and an empty file alike as "Format not
    // recognised": looking first gives the user the real reason.
    std::string notARegularFile(const struct stat& info)
    {
        if (S_ISREG(info.st_mode))
            return {};
        if (S_ISDIR(info.st_mode))
            return "is a directory";
        if (S_ISFIFO(info.st_mode))
            return "is a pipe, not a regular file";
        if (S_ISSOCK(info.st_mode))
            return "is a socket, not a regular file";
        if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
            return "is a device, not a regular file";
        return "not a regular file";
    }

    // A file of no bytes is empty, unless it is one the system makes up as
    // it is read (under /proc), which gives its size as 0 all the same.
    std::string emptiness(int fd, const struct stat& info)
    {
        if (info.st_size != 0)
            return {};
        char byte = 0;
        ssize_t got = 0;
        do
            got = ::pread(fd, &byte, 1, 0);
        while (got < 0 && errno == EINTR);
        return got > 0 ? "not an audio file (a file the system makes up as it is read, as "
                         "under /proc)"
                       : "empty file";
    }

    // sf_open's failures: the first four codes are libsndfile's public ones; any
    // other code comes from a reader that recognised its container but could not
    // use what the header says.
    std::string openFailure(int code, const char* message)
    {
        const std::string detail = " (" + trimmed(message) + ")";
        switch (code) {
        case SF_ERR_UNRECOGNISED_FORMAT:
            return "not an audio file" + detail;
        case SF_ERR_SYSTEM:
            return "cannot read the file" + detail;
        case SF_ERR_MALFORMED_FILE:
            return "damaged audio file" + detail;
        case SF_ERR_UNSUPPORTED_ENCODING:
            return "unsupported audio encoding" + detail;
        default:
            return "damaged or unsupported audio header" + detail;
        }
    }

    std::string formatName(int format, int command)
    {
        SF_FORMAT_INFO info {};
        info.format = format;
        if (sf_command(nullptr, command, &info, sizeof info) != 0 || info.name == nullptr)
            return "unknown";
        return info.name;
    }

    // A descriptor of the regular, non-empty file at `path`, or -1 with
    // `error` saying why not.
    int openRegularFile(const std::string& path, struct stat& info, std::string& error)
    {
        // Asked before opening, so that nothing but a regular file is opened.
        if (::stat(path.c_str(), &info) != 0) {
            error = systemMessage(errno);
            return -1;
        }
        if (std::string problem = notARegularFile(info); !problem.empty()) {
            error = std::move(problem);
            return -1;
        }
        // One descriptor for every question asked of the file from here on, so
        // that the answers are all about the same file, whatever happens to the
        // path; asked again of it, without waiting, should the path have been
        // swapped for a FIFO or a device meanwhile.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) {
            error = systemMessage(errno);
            return -1;
        }
        const auto fail = [&](std::string why) {
            ::close(fd);
            error = std::move(why);
            return -1;
        };
        if (::fstat(fd, &info) != 0)
            return fail(systemMessage(errno));
        if (std::string problem = notARegularFile(info); !problem.empty())
            return fail(std::move(problem));
        // A regular file after all: its reads may wait for the disk, as usual.
        if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0)
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        if (std::string problem = emptiness(fd, info); !problem.empty())
            return fail(std::move(problem));
        return fd;
    }

    // libsndfile's handle on the file at `fd`, or nullptr with `error` saying
    // why not; `fd` stays open either way.
    //
    // Opened by descriptor, libsndfile does not see the name, so it cannot
    // send a file it does not recognise to the MPEG decoder for ending in
    // ".mp3", unless the look at the file's start found the frames the
    // decoder will (`byName`).
    //
    // Whether sf_open_fd closes a descriptor it was told to keep when it
    // fails has changed from one libsndfile to the next (1.2.0 closes it),
    // and a second close can hit a descriptor another thread has just
    // opened. So it gets a copy of its own, to close whatever happens; ours
    // stays ours.
    SNDFILE* openSoundFile(
        int fd, const std::string& path, bool byName, SF_INFO& sf, std::string& error)
    {
        SNDFILE* file = nullptr;
        if (byName) {
            file = sf_open(path.c_str(), SFM_READ, &sf);
        } else {
            const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
            if (copy < 0) {
                error = systemMessage(errno);
                return nullptr;
            }
            file = sf_open_fd(copy, SFM_READ, &sf, SF_TRUE);
        }
        if (file == nullptr) {
            const int code = sf_error(nullptr);
            if (code == SF_ERR_UNRECOGNISED_FORMAT && hasMpegName(path))
                error = "not an audio file (not recognised as MPEG audio, despite its name)";
            else
                error = openFailure(code, sf_strerror(nullptr));
            return nullptr;
        }
        // A header can claim anything; nothing downstream can make sense of a
        // file without channels or with a rate that is not positive.
        if (sf.channels <= 0 || sf.samplerate <= 0) {
            sf_close(file);
            error = "damaged or unsupported audio header (" + std::to_string(sf.channels)
                + " channels at " + std::to_string(sf.samplerate) + " Hz)";
            return nullptr;
        }
        return file;
    }

    // Frames asked of libsndfile at a time: a few reads a second at common
    // rates. Fewer with many channels, within kReadBufferBytes.
    constexpr std::int64_t kBlockFrames = 16384;

} // namespace

std::uint32_t readBufferFrames(int channels)
{
    const std::size_t frameBytes = sizeof(float) * static_cast<std::size_t>(std::max(channels, 1));
    return static_cast<std::uint32_t>(std::max<std::size_t>(1, kReadBufferBytes / frameBytes));
}

AudioFile::~AudioFile()
{
    close();
}

AudioFile::AudioFile(AudioFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr))
    , fd_(std::exchange(other.fd_, -1))
    , openedSize_(std::exchange(other.openedSize_, -1))
    , sampleRate_(std::exchange(other.sampleRate_, 0))
    , channels_(std::exchange(other.channels_, 0))
    , frames_(std::exchange(other.frames_, 0))
    , description_(std::move(other.description_))
    , error_(std::move(other.error_))
    , readError_(std::exchange(other.readError_, false))
    , block_(std::move(other.block_))
    , blockFrames_(std::exchange(other.blockFrames_, 0))
    , blockFilled_(std::exchange(other.blockFilled_, 0))
    , blockPos_(std::exchange(other.blockPos_, 0))
    , blockEnded_(std::exchange(other.blockEnded_, false))
    , pendingError_(std::move(other.pendingError_))
{
    other.description_.clear();
    other.error_.clear();
    other.block_.clear();
    other.pendingError_.clear();
}

AudioFile& AudioFile::operator=(AudioFile&& other) noexcept
{
    if (this != &other) {
        close();
        file_ = std::exchange(other.file_, nullptr);
        fd_ = std::exchange(other.fd_, -1);
        openedSize_ = std::exchange(other.openedSize_, -1);
        sampleRate_ = std::exchange(other.sampleRate_, 0);
        channels_ = std::exchange(other.channels_, 0);
        frames_ = std::exchange(other.frames_, 0);
        description_ = std::move(other.description_);
        error_ = std::move(other.error_);
        readError_ = std::exchange(other.readError_, false);
        block_ = std::move(other.block_);
        blockFrames_ = std::exchange(other.blockFrames_, 0);
        blockFilled_ = std::exchange(other.blockFilled_, 0);
        blockPos_ = std::exchange(other.blockPos_, 0);
        blockEnded_ = std::exchange(other.blockEnded_, false);
        pendingError_ = std::move(other.pendingError_);
        other.description_.clear();
        other.error_.clear();
        other.block_.clear();
        other.pendingError_.clear();
    }
    return *this;
}

void AudioFile::reset()
{
    block_.clear();
    block_.shrink_to_fit();
    blockFrames_ = 0;
    resetBlock();
    openedSize_ = -1;
    sampleRate_ = 0;
    channels_ = 0;
    frames_ = 0;
    description_.clear();
    error_.clear();
    readError_ = false;
}

bool AudioFile::open(const std::string& path)
{
    close();
    struct stat info { };
    const int fd = openRegularFile(path, info, error_);
    if (fd < 0)
        return false;
    const auto fail = [&](std::string why) {
        ::close(fd);
        error_ = std::move(why);
        return false;
    };
    const FileStart start = lookAtFileStart(fd, path);
    if (!start.problem.empty())
        return fail(start.problem);
    SF_INFO sf {};
    std::string problem;
    SNDFILE* file = openSoundFile(fd, path, start.openByName, sf, problem);
    if (file == nullptr)
        return fail(std::move(problem));

    file_ = file;
    fd_ = fd;
    blockFrames_ = std::min<std::int64_t>(kBlockFrames, readBufferFrames(sf.channels));
    block_.assign(
        static_cast<std::size_t>(blockFrames_) * static_cast<std::size_t>(sf.channels), 0.0f);
    openedSize_ = static_cast<std::int64_t>(info.st_size);
    sampleRate_ = sf.samplerate;
    channels_ = sf.channels;
    frames_ = sf.frames;
    description_ = formatName(sf.format & SF_FORMAT_TYPEMASK, SFC_GET_FORMAT_INFO) + ", "
        + formatName(sf.format & SF_FORMAT_SUBMASK, SFC_GET_FORMAT_INFO);
    return true;
}

void AudioFile::close()
{
    if (file_ != nullptr)
        sf_close(file_);
    if (fd_ >= 0)
        ::close(fd_);
    file_ = nullptr;
    fd_ = -1;
    reset();
}

bool AudioFile::shrank() const
{
    struct stat info { };
    return openedSize_ >= 0 && ::fstat(fd_, &info) == 0
        && static_cast<std::int64_t>(info.st_size) < openedSize_;
}

void AudioFile::readBlock()
{
    const sf_count_t got = sf_readf_float(file_, block_.data(), blockFrames_);
    blockFilled_ = got < 0 ? 0 : got;
    blockPos_ = 0;
    // A decoder that loses its way may still fill the read, and find its
    // feet again in the next: any error ends the file, whatever the count.
    if (sf_error(file_) != SF_ERR_NO_ERROR) {
        blockEnded_ = true;
        pendingError_ = "read error (" + trimmed(sf_strerror(file_)) + ")";
    } else if (blockFilled_ < blockFrames_) {
        blockEnded_ = true;
        // Cut short while being read: what is left is not the recording.
        if (shrank())
            pendingError_ = "the file shrank while it was being read";
    }
}

std::int64_t AudioFile::read(float* interleaved, std::int64_t frames)
{
    if (file_ == nullptr) {
        error_ = "no file is open";
        readError_ = true;
        return 0;
    }
    const auto channels = static_cast<std::size_t>(channels_);
    std::int64_t done = 0;
    while (done < frames) {
        if (blockPos_ == blockFilled_) {
            if (blockEnded_)
                break;
            readBlock();
            continue;
        }
        const std::int64_t n = std::min(frames - done, blockFilled_ - blockPos_);
        std::copy_n(block_.data() + static_cast<std::size_t>(blockPos_) * channels,
            static_cast<std::size_t>(n) * channels,
            interleaved + static_cast<std::size_t>(done) * channels);
        blockPos_ += n;
        done += n;
    }
    // The fault is told with the short read that follows the last frame
    // before it, as the end of a file would be.
    if (done < frames && blockPos_ == blockFilled_ && !pendingError_.empty()) {
        error_ = std::move(pendingError_);
        pendingError_.clear();
        readError_ = true;
    }
    return done;
}

bool AudioFile::rewind()
{
    if (file_ == nullptr) {
        error_ = "no file is open";
        return false;
    }
    if (sf_seek(file_, 0, SEEK_SET) < 0) {
        error_ = "cannot go back to the start (" + trimmed(sf_strerror(file_)) + ")";
        readError_ = true;
        return false;
    }
    resetBlock();
    return true;
}

void AudioFile::resetBlock()
{
    blockFilled_ = 0;
    blockPos_ = 0;
    blockEnded_ = false;
    pendingError_.clear();
}

} // namespace clefmark
