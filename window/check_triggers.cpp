#include "check_triggers.h"

#include <sys/stat.h>

#include <QFileSystemWatcher>
#include <QTimer>

#include "new_day_timer.h"

namespace {

// The device and inode `path` names now, followed through links; none for a missing path.
std::pair<quint64, quint64> Identity(const QString& path) {
    struct stat status {};
    if (::stat(path.toLocal8Bit().constData(), &status) != 0) return {};
    return {static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino)};
}

}  // namespace

CheckTriggers::CheckTriggers(const CheckTable& check, QObject* parent)
    : QObject(parent),
      check_(check),
      watcher_(new QFileSystemWatcher(this)),
      settle_(new QTimer(this)),
      new_day_(new NewDayTimer(this)) {
    settle_->setSingleShot(true);
    settle_->setInterval(check_.SettleMilliseconds());
    // Each event puts the settling off again and costs nothing more.
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    // The folder's own events come for any file in it, the result file the check writes
    // among them: only a change of the files the check reads counts.
    connect(settle_, &QTimer::timeout, this, [this] {
        const bool due = check_.ChecksAgain(false);
        emit Settled();
        if (due) emit Due();
    });
    // A new day, a clock set anew or a wake-up may change today.
    connect(new_day_, &NewDayTimer::Woke, this, [this] {
        if (check_.ChecksAgain(true)) emit Due();
    });
    Watch();
}

void CheckTriggers::Checked() {
    Watch();
    new_day_->Arm(check_.NewDayAt());
}

void CheckTriggers::HeldBack() { settle_->start(); }

void CheckTriggers::Watch() {
    const QStringList paths = check_.WatchedPaths();
    // The watcher drops a watch whose file is deleted, and a new file may take its inode.
    const QStringList still = watcher_->files() + watcher_->directories();
    for (auto watched = watched_.begin(); watched != watched_.end();) {
        const bool same = paths.contains(watched.key()) && still.contains(watched.key()) &&
                          Identity(watched.key()) == watched.value();
        if (same) {
            ++watched;
            continue;
        }
        if (still.contains(watched.key())) watcher_->removePath(watched.key());
        watched = watched_.erase(watched);
    }
    QStringList added;
    for (const QString& path : paths) {
        const std::pair<quint64, quint64> now = Identity(path);
        if (watched_.contains(path) || now == std::pair<quint64, quint64>{}) continue;
        watched_.insert(path, now);
        added << path;
    }
    if (!added.isEmpty()) watcher_->addPaths(added);
}
