// SIGTERM and SIGINT as a Qt signal on the UI thread, so that the program ends the way
// closing its window ends it: settings saved, lock and socket removed, exit code 0.
// One watcher at a time: a signal handler can only reach one.
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

class CTerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit CTerminationWatcher(QObject* pParent = nullptr);
    // Restores the handlers that were there before.
    ~CTerminationWatcher() override;

    // False when the handlers could not be installed (then the signals end the program as
    // before).
    bool IsActive() const { return m_pNotifier != nullptr; }

signals:
    void TerminationRequested(int nSignal);

private:
    void OnReadable();

    int m_naPipe[2] = {-1, -1};
    QSocketNotifier* m_pNotifier = nullptr;
    struct sigaction m_oldTerm {};
    struct sigaction m_oldInt {};
};
