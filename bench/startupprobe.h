// Reports how long a program took to show its first window and how much memory it holds
// once idle, then ends it: one line "shown_ns cpu_ns rss_kb" on standard output, where
// shown_ns is CLOCK_MONOTONIC at the first paint of a top-level window (the starter compares
// it with the moment it started the process) and cpu_ns the processor time used until then,
// which a busy machine disturbs less. Used by both programs of the start-up benchmark.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

class CStartupProbe : public QObject {
public:
    // nIdleMs: how long the window stays open before the memory is read.
    explicit CStartupProbe(int nIdleMs) : m_nIdleMs(nIdleMs) {}

    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        if (m_nShownNs == 0 && pEvent->type() == QEvent::Paint) {
            auto* pWidget = qobject_cast<QWidget*>(pObject);
            if (pWidget != nullptr && pWidget->isWindow()) {
                m_nShownNs = ClockNs(CLOCK_MONOTONIC);
                m_nCpuNs = ClockNs(CLOCK_PROCESS_CPUTIME_ID);
                QTimer::singleShot(m_nIdleMs, this, [this] { Report(); });
            }
        }
        return false;
    }

private:
    static long long ClockNs(clockid_t nClock) {
        timespec ts{};
        clock_gettime(nClock, &ts);
        return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
    }
    static long ResidentKb() {
        std::ifstream status("/proc/self/status");
        std::string strLine;
        while (std::getline(status, strLine))
            if (strLine.rfind("VmRSS:", 0) == 0) return std::atol(strLine.c_str() + 6);
        return -1;
    }
    void Report() {
        std::printf("%lld %lld %ld\n", m_nShownNs, m_nCpuNs, ResidentKb());
        std::fflush(stdout);
        // The measurement is taken; leaving without the program's own shutdown keeps the
        // runs independent of how long saving settings takes.
        std::_Exit(0);
    }

    int m_nIdleMs;
    long long m_nShownNs = 0;
    long long m_nCpuNs = 0;
};
