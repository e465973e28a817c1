// The property listeners of an audio back-end and the thread they are called
// on, shared by every back-end that tells of changes.
//
// Why a thread of its own: a back-end notices a change where it cannot call
// out. The sound server's events arrive in a libpulse callback, with the loop
// lock held by the loop thread; a simulated device changes under its mutex.
// Yet a listener may call any method of the back-end, start and stop
// included, and those need exactly that lock. So the back-end only posts the
// change here, and this thread calls the listeners holding nothing of the
// back-end's, nor its own mutex.
//
// Coalescing: what waits to be told is a list of distinct properties in the
// order they were first posted. A property posted again while it waits is
// already going to be told after this post, so a listener that reads the
// back-end's state then still sees the final state; a burst of events (a
// restart of the sound system sends dozens) costs one call per property.
//
// Removal: the thread records, under its mutex, which listener it is calling,
// and checks under the same mutex, before each call, that the listener is
// still registered. So a removal, once it has taken the listener out, waits
// only for a call already running, and none can begin after it.
#pragma once

#include "tuner/AudioHardware.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace clefmark {

/// Calls property listeners on a notification thread of its own, in the
/// order the properties were posted, each property once per posting burst.
/// Everything below is thread safe. A listener may call any method of this
/// class except `removeListener` for itself, `waitUntilIdle` and `stop`.
class PropertyNotifier {
public:
    /// Starts the notification thread.
    PropertyNotifier();
    /// Stops it (see `stop`).
    ~PropertyNotifier();

    PropertyNotifier(const PropertyNotifier&) = delete;
    PropertyNotifier& operator=(const PropertyNotifier&) = delete;

    /// `listener` is called with `context` for each property posted from now
    /// on (a round already under way does not include it). Null is ignored.
    /// Adding the same pair twice has it called twice.
    void addListener(AudioPropertyListener listener, void* context);
    /// Takes out one registration of the pair. When it returns, no call of it
    /// is running or will run. Waits for a call in progress, so the caller
    /// must not hold anything that listener needs, nor be that listener.
    /// Another listener may remove it: on the notification thread nothing
    /// else is running.
    void removeListener(AudioPropertyListener listener, void* context);

    /// Has the listeners told that `property` changed. Thread safe,
    /// non-blocking: takes only the notifier's mutex, which is held for a few
    /// steps at a time and never while a listener runs, so it may be called
    /// under the back-end's locks or in a libpulse callback. Ignored once
    /// stopped.
    void post(AudioHardwareProperty property);

    /// Waits until every property posted so far has been told to every
    /// listener (or the notifier is stopped). Returns at once on the
    /// notification thread, where waiting would never end.
    void waitUntilIdle();

    /// Ends the notification thread once the call in progress, if any, has
    /// returned; what is still to be told is dropped, later posts ignored.
    /// No listener runs once it has returned. For the owner only, from one
    /// thread, never from a listener.
    void stop();

private:
    struct Listener {
        AudioPropertyListener function = nullptr;
        void* context = nullptr;
        friend bool operator==(const Listener&, const Listener&) = default;
    };

    void run();
    void callListeners(std::unique_lock<std::mutex>& lock, AudioHardwareProperty property);
    bool onNotificationThread() const { return std::this_thread::get_id() == threadId_; }

    std::mutex mutex_; // everything below but the thread
    std::condition_variable work_; // something posted, or stopping
    std::condition_variable progress_; // a call or a round is over
    std::vector<Listener> listeners_;
    std::vector<AudioHardwareProperty> pending_; // distinct, oldest first
    Listener running_; // the listener being called; null when none
    bool delivering_ = false; // a property taken from `pending_` is being told
    bool stopping_ = false;

    // Last, so that the thread starts once the state above exists.
    std::thread thread_;
    const std::thread::id threadId_;
};

} // namespace clefmark
