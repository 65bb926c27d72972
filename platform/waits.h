#pragma once
// Waits that let window events run, on a monotonic clock that tests can replace,
// so a pause never hangs across midnight and tests never sleep.
#include <functional>

namespace Waits {

// Seconds on a monotonic clock (arbitrary origin).
double now();

// Lets pending window events run once.
void processEvents();

// Waits `seconds` while events run. A negative or non-finite duration returns at once.
void pause(double seconds);

// Replaces the clock, and what "letting events run" does, for tests; pass nothing to restore.
void setClock(std::function<double()> clock);
void setEventHook(std::function<void()> hook);

// A clock that only moves when told to, or by `step` seconds at every round of events:
// waits then end after a bounded number of rounds without any real time passing.
class FakeClock {
public:
    explicit FakeClock(double step = 0.05, double start = 1000.0);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;
    void advance(double seconds) { t_ += seconds; }
    double time() const { return t_; }
    int rounds() const { return rounds_; }
private:
    double t_;
    double step_;
    int rounds_ = 0;
};

} // namespace Waits
