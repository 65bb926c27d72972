#include "platform/waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>

namespace Waits {
namespace {
std::function<double()> clockOverride;
std::function<void()> eventHook;

double realNow() {
    static QElapsedTimer timer = [] { QElapsedTimer t; t.start(); return t; }();
    return double(timer.nsecsElapsed()) / 1e9;
}
} // namespace

double now() { return clockOverride ? clockOverride() : realNow(); }

void processEvents() {
    if (eventHook) { eventHook(); return; }
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void pause(double seconds) {
    if (!std::isfinite(seconds) || seconds <= 0) return;
    const double target = now() + seconds;
    while (now() < target) processEvents();
}

void setClock(std::function<double()> clock) { clockOverride = std::move(clock); }
void setEventHook(std::function<void()> hook) { eventHook = std::move(hook); }

FakeClock::FakeClock(double step, double start) : t_(start), step_(step) {
    setClock([this] { return t_; });
    setEventHook([this] {
        ++rounds_;
        t_ += step_;
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    });
}
FakeClock::~FakeClock() {
    setClock(nullptr);
    setEventHook(nullptr);
}

} // namespace Waits
