#include "desktop/SettingsFile.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace clefmark {

namespace {

    // Non-blocking, so that opening a FIFO cannot wait for a writer that never
    // comes; no controlling terminal from a terminal device.
    constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

    class Descriptor {
    public:
        explicit Descriptor(int fd = -1)
            : fd_(fd)
        {
        }
        ~Descriptor()
        {
            if (fd_ >= 0)
                ::close(fd_);
        }
        Descriptor(const Descriptor&) = delete;
        Descriptor& operator=(Descriptor&& other) noexcept
        {
            std::swap(fd_, other.fd_);
            return *this;
        }
        int get() const { return fd_; }
        explicit operator bool() const { return fd_ >= 0; }
        /// Closes it, reporting what close() says.
        int close()
        {
            const int result = ::close(fd_);
            fd_ = -1;
            return result;
        }

    private:
        int fd_;
    };

    std::string errorText(int error)
    {
        return std::error_code(error, std::generic_category()).message();
    }

    std::string kindOf(mode_t mode)
    {
        if (S_ISDIR(mode))
            return "a directory";
        if (S_ISFIFO(mode))
            return "a FIFO";
        if (S_ISCHR(mode) || S_ISBLK(mode))
            return "a device";
        if (S_ISSOCK(mode))
            return "a socket";
        return "not a regular file";
    }

    struct Failure {
        SettingsFile::State state;
        std::string reason;
    };

    // Why the symbolic link at `path` could not be opened, `error` being
    // what opening it said.
    Failure whyLinkNotFollowed(const std::string& path, int error)
    {
        using State = SettingsFile::State;
        if (error == ENOENT)
            return { State::Refused, "a symbolic link to nothing" };
        // What it points at may be the trouble itself (a terminal that
        // cannot be opened without one, say): that is what is said.
        struct stat target { };
        if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode))
            return { State::Refused, "a symbolic link to " + kindOf(target.st_mode) };
        return { State::Refused,
            "a symbolic link that cannot be followed (" + errorText(error) + ")" };
    }

    // Why `path`, not a link, could not be opened, `error` being what opening
    // it said.
    Failure whyNotOpened(const std::string& path, int error)
    {
        using State = SettingsFile::State;
        if (error == ENOENT || error == ENOTDIR)
            return { State::Missing, {} };
        struct stat status { };
        if (::lstat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)
            && !S_ISLNK(status.st_mode))
            return { State::Refused, kindOf(status.st_mode) };
        return { State::Unreadable, errorText(error) };
    }

    // Reads past the limit, to know a file that grew meanwhile; false, with
    // `error`, when a read fails.
    bool readPastLimit(int fd, std::string& contents, int& error)
    {
        char chunk[1 << 16];
        while (contents.size() <= SettingsFile::kMaxBytes) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                error = errno;
                return false;
            }
            if (n == 0)
                break;
            contents.append(chunk, static_cast<std::size_t>(n));
        }
        return true;
    }

    // The temporary file a save writes before renaming it over `name`:
    // ".NAME.PID.ATTEMPT".
    std::string temporaryName(const std::string& name, pid_t pid, int attempt)
    {
        return "." + name + "." + std::to_string(pid) + "." + std::to_string(attempt);
    }

    // The writer's process id when `entry` is named as a temporary file of
    // `name` is, else 0.
    pid_t writerOf(const std::string& entry, const std::string& name)
    {
        const std::string prefix = "." + name + ".";
        if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0)
            return 0;
        const std::string rest = entry.substr(prefix.size());
        const std::size_t dot = rest.find('.');
        const auto digits = [](std::string_view text) {
            return !text.empty() && text.size() <= 9
                && text.find_first_not_of("0123456789") == std::string_view::npos;
        };
        if (dot == std::string::npos || !digits(std::string_view(rest).substr(0, dot))
            || !digits(std::string_view(rest).substr(dot + 1)))
            return 0;
        return static_cast<pid_t>(std::stol(rest.substr(0, dot)));
    }

    // A save killed between writing its temporary file and renaming it
    // leaves that file behind, and nothing else ever would remove it. One is
    // removed only when its writer is surely gone: its process no longer
    // exists and nobody holds the lock every writer keeps on its file (a
    // writer in another process namespace, or on another machine sharing
    // the folder, has a process id that means nothing here). Only regular
    // files of this user's, named as ours for this settings file.
    void removeLeftTemporaries(const std::filesystem::path& folder, const std::string& name)
    {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const pid_t writer = writerOf(entry.path().filename().string(), name);
            if (writer <= 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH)
                continue;
            const std::string path = entry.path().string();
            Descriptor fd(::open(path.c_str(), kOpenFlags | O_NOFOLLOW));
            struct stat status { };
            if (!fd || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)
                || status.st_uid != ::geteuid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
                continue;
            struct stat now { };
            if (::lstat(path.c_str(), &now) == 0 && now.st_dev == status.st_dev
                && now.st_ino == status.st_ino)
                ::unlink(path.c_str());
        }
    }

    bool writeAll(int fd, const std::string& bytes)
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

} // namespace

SettingsFile SettingsFile::open(const std::string& path)
{
    SettingsFile file;
    file.path_ = path;
    const auto fail = [&file](State state, std::string reason) {
        file.state_ = state;
        file.reason_ = std::move(reason);
        return file;
    };

    Descriptor fd(::open(path.c_str(), kOpenFlags | O_NOFOLLOW));
    const bool linked = !fd && errno == ELOOP;
    if (linked) {
        // A symbolic link. It is followed to see what it points at, and then
        // its target is the file replaced, so that the link stays a link.
        fd = Descriptor(::open(path.c_str(), kOpenFlags));
        if (!fd) {
            const Failure why = whyLinkNotFollowed(path, errno);
            return fail(why.state, why.reason);
        }
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr)
            return fail(State::Unreadable, errorText(errno));
        file.path_ = resolved;
        std::free(resolved);
    }
    if (!fd) {
        const Failure why = whyNotOpened(path, errno);
        return fail(why.state, why.reason);
    }

    struct stat status { };
    if (::fstat(fd.get(), &status) != 0)
        return fail(State::Unreadable, errorText(errno));
    if (!S_ISREG(status.st_mode))
        return fail(State::Refused, (linked ? "a symbolic link to " : "") + kindOf(status.st_mode));
    if (linked) {
        struct stat target { };
        if (::stat(file.path_.c_str(), &target) != 0 || target.st_dev != status.st_dev
            || target.st_ino != status.st_ino)
            return fail(State::Unreadable, "it changed while being read");
    }
    const std::string tooLarge = "larger than " + std::to_string(kMaxBytes >> 20) + " MB";
    if (static_cast<std::size_t>(status.st_size) > kMaxBytes)
        return fail(State::Refused, tooLarge);

    std::string contents;
    if (int error = 0; !readPastLimit(fd.get(), contents, error))
        return fail(State::Unreadable, errorText(error));
    if (contents.size() > kMaxBytes)
        return fail(State::Refused, tooLarge);
    file.contents_ = std::move(contents);
    file.mode_ = status.st_mode & 07777;
    file.state_ = State::Regular;
    return file;
}

std::string SettingsFile::replace(const std::string& bytes) const
{
    namespace fs = std::filesystem;
    const fs::path target(path_);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (state_ == State::Missing) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error)
            return error.message();
    }

    removeLeftTemporaries(folder, target.filename().string());

    // A new file of our own beside the old one (O_EXCL: never through a
    // link someone left there), renamed over it once complete, and locked
    // meanwhile so that no other copy of the program takes it for left over.
    std::string temporary;
    Descriptor fd;
    for (int attempt = 0; attempt < 100 && !fd; ++attempt) {
        temporary
            = (folder / temporaryName(target.filename().string(), ::getpid(), attempt)).string();
        fd = Descriptor(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!fd && errno != EEXIST)
            return errorText(errno);
    }
    if (!fd)
        return errorText(EEXIST);
    ::flock(fd.get(), LOCK_EX | LOCK_NB);

    const auto discard = [&temporary](int error) {
        ::unlink(temporary.c_str());
        return errorText(error);
    };
    if (state_ == State::Regular && ::fchmod(fd.get(), mode_) != 0)
        return discard(errno);
    if (!writeAll(fd.get(), bytes) || ::fdatasync(fd.get()) != 0)
        return discard(errno);
    if (fd.close() != 0)
        return discard(errno);
    if (::rename(temporary.c_str(), path_.c_str()) != 0)
        return discard(errno);

    // The rename itself must reach the disk too, or a power cut may bring
    // back the old file.
    if (Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir)
        ::fsync(dir.get());
    return {};
}

} // namespace clefmark
