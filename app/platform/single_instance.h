// One running copy of the game per settings store: the first start holds a lock and listens on
// a local socket; a later start asks it to bring its window to the front, and ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace kestrins {

class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // store: the file the copies would share. The lock and the socket live in the user's runtime
    // folder under a name made from it, links resolved, so copies over other stores run freely.
    explicit SingleInstance(const QString& store);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True for the first copy, which from now on holds the lock (until the process ends, however
    // it ends) and answers later starts with ShowRequested. A lock that cannot be made at all
    // (no runtime folder) counts as first: the game still starts, unguarded.
    bool Claim();
    // For a later copy: asks the first to bring its window to the front; true once it says it
    // did, false when it does not answer within waitMs.
    bool AskFirstToShow(int waitMs);

signals:
    // A later start asked for the window.
    void ShowRequested();

private:
    void Answer();

    // The lock files' and the socket's path without their endings; empty without a runtime
    // folder.
    QString lockBase_;
    int lockFd_ = -1;
    QLocalServer server_;
};

// Shows the window the player is to use now in front: a modal dialog or box while one is open
// (the windows behind it take no input), else the main window.
void BringToFront();

}  // namespace kestrins
