// Hand-off to the Qt event loop of the GUI thread.
#pragma once

#include "tuner/MainThread.h"

#include <deque>
#include <mutex>

class QObject;

namespace clefmark {

/// Queues tasks for the thread that created this one, which must be the GUI
/// thread, and wakes its event loop with one queued call per batch: the
/// first task posted after a batch has begun asks for a call, and that call
/// runs the tasks queued by then. The display updates of one analysis block thus
/// cost one wake-up and one repaint, not one each. Qt delivers queued calls
/// from every event loop of that thread, nested ones included, so tasks also
/// run while a menu is open, a modal dialog is up or a window is being
/// resized.
///
/// The shared tuner holds on to its main thread for the life of the process,
/// so this object usually outlives the QApplication: `close` it before the
/// application goes; posting afterwards is harmless and does nothing.
class QtMainThread final : public MainThread {
public:
    QtMainThread();
    /// Closes.
    ~QtMainThread() override;

    QtMainThread(const QtMainThread&) = delete;
    QtMainThread& operator=(const QtMainThread&) = delete;

    /// Thread safe. Holds a lock only to append (and, for the first task of
    /// a batch, while Qt queues the call), never while a task runs, so the
    /// poster never waits for the GUI thread's work.
    void post(Task task) override;

    /// A bell rung through an event descriptor the GUI thread's event loop
    /// watches (nested loops too): ringing is one write to the kernel, with no
    /// lock, allocation or call into Qt. Its drain no longer runs once this
    /// is closed.
    std::unique_ptr<Doorbell> makeDoorbell(std::function<void()> drain) override;

    /// Tasks still queued are dropped without running and later posts are
    /// ignored. GUI thread only.
    void close();
    bool isOpen() const;

private:
    void runBatch();

    mutable std::mutex mutex_;
    QObject* receiver_; // null once closed
    std::deque<Task> queue_;
    bool callQueued_ = false;
};

} // namespace clefmark
