#pragma once

#include <QHash>
#include <QObject>
#include <utility>

#include "check_table.h"

class NewDayTimer;
class QFileSystemWatcher;
class QTimer;

// What makes the window check again by itself: a change to the files the check reads, once it
// has settled, and a new day, which midnight, the clock set anew or a wake-up may bring. The
// system tells of each; nothing is asked at intervals, so an idle window sleeps.
class CheckTriggers : public QObject {
    Q_OBJECT

  public:
    // Watches what `check`, which must outlive the triggers, names.
    CheckTriggers(const CheckTable& check, QObject* parent);

    // A check has run: the watches follow what the paths name now, and the next new day is
    // counted from now.
    void Checked();
    // An automatic check held its answer back: it is asked for again once the files have
    // settled once more.
    void HeldBack();

  signals:
    // The window should check again.
    void Due();
    // The files have settled after a change, whether or not it was one the check reads.
    void Settled();

  private:
    // Watches each path on what it names now: a file replaced by another keeps its path, but
    // its watch stays with the old file.
    void Watch();

    const CheckTable& check_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;
    NewDayTimer* new_day_;
    // Which file each watched path named when it was watched: device and inode.
    QHash<QString, std::pair<quint64, quint64>> watched_;
};
