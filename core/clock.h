// Time as the program sees it: "now" and repeating timers. Runs, the game clock and the daily
// update check take it as a service, so tests move time by hand instead of waiting.
#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

// A running timer; destroying it stops it.
class IClockTimer {
public:
    virtual ~IClockTimer() = default;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime Now() const = 0;
    // Calls fnTick every nIntervalMs milliseconds on the UI thread until the timer is destroyed.
    virtual std::unique_ptr<IClockTimer> StartTimer(int nIntervalMs,
                                                    std::function<void()> fnTick) = 0;
};
