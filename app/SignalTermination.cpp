#include "app/SignalTermination.h"

#include <QSocketNotifier>
#include <QtDebug>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace clefmark {

namespace {

    constexpr std::array<int, 3> kSignals = { SIGTERM, SIGINT, SIGHUP };

    // Written by the handler, read by the event loop.
    int signalSockets[2] = { -1, -1 };
    struct sigaction previousActions[kSignals.size()];

    void handleSignal(int signal)
    {
        const int savedErrno = errno;
        const auto byte = static_cast<unsigned char>(signal);
        // Async-signal-safe; a full socket just loses a duplicate.
        [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
        errno = savedErrno;
    }

} // namespace

SignalTermination::SignalTermination(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent)
    , onSignal_(std::move(onSignal))
{
    if (signalSockets[0] != -1) {
        qWarning("Clefmark: signals are already being caught");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        qWarning("Clefmark: cannot catch signals (%s); they will end it without saving",
            std::strerror(errno));
        signalSockets[0] = signalSockets[1] = -1;
        return;
    }
    ::fcntl(signalSockets[0], F_SETFL, ::fcntl(signalSockets[0], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalTermination::readSignal);

    struct sigaction action { };
    action.sa_handler = &handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], nullptr, &previousActions[i]);
        // A signal ignored by whoever started us (nohup) stays ignored.
        if (previousActions[i].sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &action, nullptr);
    }
}

SignalTermination::~SignalTermination()
{
    if (notifier_ == nullptr)
        return;
    restoreActions();
    delete notifier_;
    notifier_ = nullptr;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void SignalTermination::restoreActions()
{
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previousActions[i], nullptr);
}

void SignalTermination::readSignal()
{
    unsigned char byte = 0;
    if (::read(signalSockets[1], &byte, 1) != 1)
        return;
    restoreActions();
    if (onSignal_)
        onSignal_(byte);
}

} // namespace clefmark
