#pragma once

#include <QObject>

class QSocketNotifier;

// Wakes when a new day begins on the wall clock, and whenever the wall clock is set anew: a
// timer on the realtime clock, armed for an absolute time, so that a machine asleep over
// midnight wakes it at once, and a clock set by hand or after a wake-up cancels it.
class NewDayTimer : public QObject {
    Q_OBJECT

  public:
    explicit NewDayTimer(QObject* parent);
    NewDayTimer(const NewDayTimer&) = delete;
    NewDayTimer& operator=(const NewDayTimer&) = delete;
    ~NewDayTimer() override;

    // Wakes at `at`, in milliseconds since 1970 on the system clock, or when the clock is set.
    void Arm(qint64 at);

  signals:
    // The time was reached, or the wall clock was set anew: either way today may be another.
    void Woke();

  private:
    void Read();

    int timer_ = -1;  // owned: closed with the timer
    QSocketNotifier* notifier_ = nullptr;
};
