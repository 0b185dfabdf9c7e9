// The clock of the running program: the system's local time and Qt timers on the UI thread.
#pragma once

#include "core/clock.h"

class CSystemClock : public IClock {
public:
    QDateTime Now() const override;
    std::unique_ptr<IClockTimer> StartTimer(int nIntervalMs, std::function<void()> fnTick) override;
};
