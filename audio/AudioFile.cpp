#include "audio/AudioFile.h"

#include <cerrno>
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

    // libsndfile reports a directory, an empty file and an unreadable file all as
    // "Format not recognised". Looking first gives the user the real reason.
    std::string checkPath(const std::string& path)
    {
        struct stat info { };
        if (::stat(path.c_str(), &info) != 0)
            return systemMessage(errno);
        if (S_ISDIR(info.st_mode))
            return "is a directory";
        if (S_ISREG(info.st_mode) && info.st_size == 0)
            return "empty file";
        if (::access(path.c_str(), R_OK) != 0)
            return systemMessage(errno);
        return {};
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

} // namespace

AudioFile::~AudioFile()
{
    close();
}

AudioFile::AudioFile(AudioFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr))
    , sampleRate_(std::exchange(other.sampleRate_, 0))
    , channels_(std::exchange(other.channels_, 0))
    , frames_(std::exchange(other.frames_, 0))
    , description_(std::move(other.description_))
    , error_(std::move(other.error_))
    , readError_(std::exchange(other.readError_, false))
{
    other.description_.clear();
    other.error_.clear();
}

AudioFile& AudioFile::operator=(AudioFile&& other) noexcept
{
    if (this != &other) {
        close();
        file_ = std::exchange(other.file_, nullptr);
        sampleRate_ = std::exchange(other.sampleRate_, 0);
        channels_ = std::exchange(other.channels_, 0);
        frames_ = std::exchange(other.frames_, 0);
        description_ = std::move(other.description_);
        error_ = std::move(other.error_);
        readError_ = std::exchange(other.readError_, false);
        other.description_.clear();
        other.error_.clear();
    }
    return *this;
}

void AudioFile::reset()
{
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
    if (std::string problem = checkPath(path); !problem.empty()) {
        error_ = std::move(problem);
        return false;
    }

    SF_INFO info {};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        error_ = openFailure(sf_error(nullptr), sf_strerror(nullptr));
        return false;
    }
    // A header can claim anything; nothing downstream can make sense of a
    // file without channels or with a rate that is not positive.
    if (info.channels <= 0 || info.samplerate <= 0) {
        sf_close(file);
        error_ = "damaged or unsupported audio header (" + std::to_string(info.channels)
            + " channels at " + std::to_string(info.samplerate) + " Hz)";
        return false;
    }

    file_ = file;
    sampleRate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames;
    description_ = formatName(info.format & SF_FORMAT_TYPEMASK, SFC_GET_FORMAT_INFO) + ", "
        + formatName(info.format & SF_FORMAT_SUBMASK, SFC_GET_FORMAT_INFO);
    return true;
}

void AudioFile::close()
{
    if (file_ != nullptr)
        sf_close(file_);
    file_ = nullptr;
    reset();
}

std::int64_t AudioFile::read(float* interleaved, std::int64_t frames)
{
    if (file_ == nullptr) {
        error_ = "no file is open";
        readError_ = true;
        return 0;
    }
    if (frames <= 0)
        return 0;
    const sf_count_t got = sf_readf_float(file_, interleaved, frames);
    if (got < frames) {
        // A short read is normally the end of the file; libsndfile sets an
        // error only when the data could not be read or decoded.
        if (const int code = sf_error(file_); code != SF_ERR_NO_ERROR) {
            error_ = "read error (" + trimmed(sf_strerror(file_)) + ")";
            readError_ = true;
        }
    }
    return got < 0 ? 0 : got;
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
    return true;
}

} // namespace clefmark
