#include "quitsignals.h"

#ifndef Q_OS_WIN
#include <QSocketNotifier>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {
int wakeFds[2] = {-1, -1};

extern "C" void onQuitSignal(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[0], &byte, 1);
}

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};
} // namespace

QuitSignals::QuitSignals(std::function<void(int)> onSignal, QObject *parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0)
        return;
    auto *notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [onSignal = std::move(onSignal)] {
        char byte = 0;
        if (::read(wakeFds[1], &byte, 1) == 1)
            onSignal(byte);
    });
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kQuitSignals)
        ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    for (int signal : kQuitSignals)
        std::signal(signal, SIG_DFL);
    for (int &fd : wakeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
#else
// Windows ends a program by its own means; there is nothing to catch.
QuitSignals::QuitSignals(std::function<void(int)>, QObject *parent) : QObject(parent) {}
QuitSignals::~QuitSignals() = default;
#endif
