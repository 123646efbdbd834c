#include "new_day_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>

NewDayTimer::NewDayTimer(QObject* parent)
    : QObject(parent), timer_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (timer_ < 0) return;
    notifier_ = new QSocketNotifier(timer_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &NewDayTimer::Read);
}

NewDayTimer::~NewDayTimer() {
    if (timer_ >= 0) ::close(timer_);
}

void NewDayTimer::Arm(qint64 at) {
    if (timer_ < 0) return;
    itimerspec when{};
    when.it_value.tv_sec = at / 1000;
    when.it_value.tv_nsec = static_cast<long>(at % 1000) * 1'000'000;
    timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
}

void NewDayTimer::Read() {
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(timer_, &expirations, sizeof expirations);
    // A clock set anew cancels the timer and says so in its read; a spurious wake reads
    // nothing.
    if ((got < 0 && errno == ECANCELED) || got == sizeof expirations) emit Woke();
}
