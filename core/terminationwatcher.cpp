#include "core/terminationwatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a descriptor; the notifier reads it on the UI thread.
volatile sig_atomic_t g_nWriteEnd = -1;

void OnSignal(int nSignal) {
    const int nSaved = errno;
    const unsigned char cSignal = static_cast<unsigned char>(nSignal);
    if (g_nWriteEnd >= 0) {
        const ssize_t nWritten = write(g_nWriteEnd, &cSignal, 1);
        static_cast<void>(nWritten); // a full pipe already holds a request
    }
    errno = nSaved;
}

} // namespace

CTerminationWatcher::CTerminationWatcher(QObject* pParent) : QObject(pParent) {
    if (g_nWriteEnd >= 0 || pipe2(m_naPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    g_nWriteEnd = m_naPipe[1];
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &m_oldTerm);
    sigaction(SIGINT, &action, &m_oldInt);
    m_pNotifier = new QSocketNotifier(m_naPipe[0], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CTerminationWatcher::OnReadable);
}

CTerminationWatcher::~CTerminationWatcher() {
    if (!m_pNotifier) return;
    sigaction(SIGTERM, &m_oldTerm, nullptr);
    sigaction(SIGINT, &m_oldInt, nullptr);
    g_nWriteEnd = -1;
    delete m_pNotifier;
    close(m_naPipe[0]);
    close(m_naPipe[1]);
}

void CTerminationWatcher::OnReadable() {
    unsigned char caSignals[16];
    const ssize_t nRead = read(m_naPipe[0], caSignals, sizeof caSignals);
    for (ssize_t n = 0; n < nRead; ++n)
        emit TerminationRequested(caSignals[n]);
}
