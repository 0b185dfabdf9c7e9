#include "core/systemclock.h"

#include <QTimer>

#include <algorithm>

namespace {

class CQtClockTimer : public IClockTimer {
public:
    CQtClockTimer(int nIntervalMs, std::function<void()> fnTick) {
        m_timer.setInterval(std::max(1, nIntervalMs));
        QObject::connect(&m_timer, &QTimer::timeout, std::move(fnTick));
        m_timer.start();
    }

private:
    QTimer m_timer;
};

} // namespace

QDateTime CSystemClock::Now() const {
    return QDateTime::currentDateTime();
}

std::unique_ptr<IClockTimer> CSystemClock::StartTimer(int nIntervalMs,
                                                      std::function<void()> fnTick) {
    return std::make_unique<CQtClockTimer>(nIntervalMs, std::move(fnTick));
}
