// Named notifications within the program: any part may post one, and every
// observer of that name hears it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace clefmark {

inline constexpr const char* kPauseNotification = "PauseNotification";
inline constexpr const char* kResumeNotification = "ResumeNotification";
/// The tuner's reference pitch or in-tune leniency was changed by the user.
inline constexpr const char* kTunerSettingsChangedNotification = "TunerSettingsChangedNotification";

/// Delivers synchronously, on the posting thread, to the observers of the
/// name in the order they were added. Main thread only: observers change
/// windows.
class NotificationCenter {
public:
    using Observer = std::function<void()>;
    using Token = std::uint64_t;

    /// The program's centre, created on first use and never destroyed.
    static NotificationCenter& defaultCenter();

    NotificationCenter();
    ~NotificationCenter();
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    /// `observer` hears every later post of `name` until removed.
    Token addObserver(std::string name, Observer observer);
    /// An observer removed during a post, even by an earlier observer of the
    /// same post, is not called by it.
    void removeObserver(Token token);
    /// Observers added during a post hear the next one.
    void post(const std::string& name);

private:
    struct Entry;
    std::vector<std::shared_ptr<Entry>> entries_;
    Token nextToken_ = 1;
};

} // namespace clefmark
