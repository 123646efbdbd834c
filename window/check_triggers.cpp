#include "check_triggers.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <algorithm>

namespace {

// A file written in pieces, or replaced in two steps, is checked once, after its last change.
constexpr int kSettleMilliseconds = 300;

}  // namespace

CheckTriggers::CheckTriggers(const CheckTable& check, const QString& folder, QObject* parent)
    : QObject(parent),
      check_(check),
      watcher_(new QFileSystemWatcher(this)),
      settle_(new QTimer(this)),
      midnight_(new QTimer(this)) {
    watcher_->addPath(folder);
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMilliseconds);
    midnight_->setSingleShot(true);
    // Each event puts the settling off again and costs nothing more.
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    // The folder's own events come for any file in it, the result file the check writes
    // among them: only a change of the files the check reads counts.
    connect(settle_, &QTimer::timeout, this, [this] {
        WatchFiles();
        if (check_.FilesChanged()) emit Due();
    });
    connect(midnight_, &QTimer::timeout, this, &CheckTriggers::Due);
    WatchFiles();
    // The files as they are now are the ones the window was opened over.
    check_.FilesChanged();
}

void CheckTriggers::Checked() {
    const QDateTime now = QDateTime::currentDateTime();
    // A second past midnight, so the new day has begun on every clock that reads it.
    const qint64 wait = now.msecsTo(now.date().addDays(1).startOfDay().addSecs(1));
    midnight_->start(static_cast<int>(std::clamp<qint64>(wait, 1000, qint64{25} * 3600 * 1000)));
}

void CheckTriggers::WatchFiles() {
    QStringList files;
    for (const QString& path : check_.CheckedFiles()) {
        if (QFileInfo::exists(path)) files << path;
    }
    // Paths watched already are passed over.
    if (!files.isEmpty()) watcher_->addPaths(files);
}
