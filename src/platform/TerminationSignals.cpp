// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> Handled = {SIGTERM, SIGHUP, SIGINT};
// [0] is written by the handler, [1] read by the notifier.
int s_sockets[2] = {-1, -1};
struct sigaction s_previous[Handled.size()];

extern "C" void onTerminationSignal(int signal)
{
    // Only async-signal-safe calls here. A full socket drops the byte: one is waiting already.
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_sockets[0], &number, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (s_sockets[0] != -1)
        return; // another object has them
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_sockets) != 0) {
        s_sockets[0] = s_sockets[1] = -1;
        return;
    }
    ::fcntl(s_sockets[0], F_SETFL, ::fcntl(s_sockets[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(s_sockets[1], F_SETFL, ::fcntl(s_sockets[1], F_GETFL) | O_NONBLOCK);

    m_notifier = new QSocketNotifier(s_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: the GUI thread's reads and polls must not fail with EINTR.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &action, &s_previous[i]);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &s_previous[i], nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(s_sockets[0]);
    ::close(s_sockets[1]);
    s_sockets[0] = s_sockets[1] = -1;
}

void TerminationSignals::readPending()
{
    // One byte per turn: the notifier fires again while more wait, and a receiver that ends the
    // program may destroy this object during the emission.
    unsigned char number = 0;
    if (::read(s_sockets[1], &number, 1) == 1)
        emit terminationRequested(number);
}

#else

// Elsewhere there are no such signals to turn into an orderly end.
TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::readPending() {}

#endif
