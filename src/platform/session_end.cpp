#include "platform/session_end.h"

#include <QObject>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quilvane {

namespace {

// The pipe's write end, for the signal handler: a handler can reach nothing but globals, and may
// do nothing but async-signal-safe calls, so it only writes one byte and the event loop does
// the rest.
int signalPipeWriteEnd = -1;

void WriteSignalByte(int /*signal*/) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipeWriteEnd, &byte, 1);
    errno = savedErrno;
}

bool Ignored(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

void WatchSessionEndSignals(QObject& context, std::function<void()> endSession) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the signals keep their default: the program ends without saving
    }
    signalPipeWriteEnd = ends[1];
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, &context);
    QObject::connect(notifier, &QSocketNotifier::activated, &context,
                     [readEnd = ends[0], endSession = std::move(endSession)] {
                         char bytes[16];
                         while (::read(readEnd, bytes, sizeof bytes) > 0) {
                         }
                         endSession();
                     });

    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        if (!Ignored(signal)) {
            ::sigaction(signal, &action, nullptr);
        }
    }
}

} // namespace quilvane
