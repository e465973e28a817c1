// Lets a process that started this one learn when it is ready to be talked to
// (its signal handling installed, its window up), so that a test or a
// benchmark waits for that moment itself instead of guessing it with a sleep.
//
// The parent opens a pipe, leaves its write end open in the child, and names it
// in the environment variable CLEFMARK_READY_FD. The child writes "ready\n" to
// it once and closes it. Nothing is written anywhere when the variable is not
// set, so normal output never changes.
#pragma once

namespace clefmark {

class Readiness {
public:
    /// The process's own, taken from the environment at the first call.
    static Readiness& ofProcess();

    /// Takes the descriptor named in the environment, and removes the variable
    /// so that programs this one starts do not inherit it. Call it first thing
    /// in `main`, while no other thread may read the environment.
    static Readiness fromEnvironment();

    Readiness() = default;
    Readiness(Readiness&& other) noexcept;
    Readiness& operator=(Readiness&& other) noexcept;
    Readiness(const Readiness&) = delete;
    Readiness& operator=(const Readiness&) = delete;
    /// Closes the descriptor without announcing anything.
    ~Readiness();

    /// Writes "ready\n" and closes the descriptor; later calls do nothing.
    void announce();

private:
    explicit Readiness(int fd)
        : fd_(fd)
    {
    }
    int fd_ = -1;
};

} // namespace clefmark
