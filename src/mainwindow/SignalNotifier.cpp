#include "SignalNotifier.h"

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Indexed by signal number: the write end [0] and the read end [1].
std::array<std::array<int, 2>, NSIG> g_pipes = [] {
    std::array<std::array<int, 2>, NSIG> pipes{};
    for (auto &pipe : pipes)
        pipe = {-1, -1};
    return pipes;
}();

void OnSignal(int signalNumber)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipes[size_t(signalNumber)][0], &byte, 1);
}
} // namespace

TSignalNotifier::TSignalNotifier(int signalNumber, QObject *parent) : QObject(parent), m_signal(signalNumber)
{
    auto &pipe = g_pipes[size_t(signalNumber)];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipe.data()) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(pipe[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this, &pipe] {
        char byte = 0;
        [[maybe_unused]] const ssize_t count = ::read(pipe[1], &byte, 1);
        emit Raised();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

TSignalNotifier::~TSignalNotifier()
{
    std::signal(m_signal, SIG_DFL);
    m_notifier.reset();
    for (int &fd : g_pipes[size_t(m_signal)]) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
