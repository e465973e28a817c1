// SIGTERM, SIGINT and SIGHUP turned into an orderly quit on the GUI thread.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace clefmark {

/// While it exists, the three signals are caught: the handler only writes
/// the signal's number to a socket, and the GUI thread's event loop reads it
/// and calls `onSignal` with it. After the first signal the default actions
/// are back, so a second one ends a program that fails to quit.
/// One at a time per process; GUI thread.
class SignalTermination final : public QObject {
    Q_OBJECT
public:
    explicit SignalTermination(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
    /// Puts back the signal actions found at construction.
    ~SignalTermination() override;

    /// False when the socket could not be made; no signal is caught then.
    bool isActive() const { return notifier_ != nullptr; }

private:
    void readSignal();
    void restoreActions();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace clefmark
