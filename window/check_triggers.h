#pragma once

#include <QObject>

#include "check_table.h"

class QFileSystemWatcher;
class QTimer;

// What makes the window check again by itself: a change to the files the check reads, once it
// has settled, and a new day. The system tells of a change and a single timer waits for
// midnight; nothing is asked at intervals, so an idle window sleeps.
class CheckTriggers : public QObject {
    Q_OBJECT

  public:
    // Watches `folder`, the program folder, through `check`, which must outlive the triggers.
    CheckTriggers(const CheckTable& check, const QString& folder, QObject* parent);

    // A check has run: the next new day is counted from now.
    void Checked();

  signals:
    // The window should check again.
    void Due();

  private:
    // Watches the files the check reads, which a replacement stops watching.
    void WatchFiles();

    const CheckTable& check_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;
    QTimer* midnight_;
};
