// Locks with flock in the runtime folder, which the kernel drops with the process however it
// ends, and a local socket for the request to show the window.
#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMainWindow>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>

namespace kestrins {

namespace {

constexpr char Request[] = "show\n";
constexpr char Reply[] = "shown\n";

// The path with the links in its existing part resolved, so that every spelling of one store
// names one lock.
QString Resolved(const QString& path) {
    QFileInfo info(path);
    QStringList rest;
    while (!info.exists() && !info.isRoot()) {
        rest.prepend(info.fileName());
        info = QFileInfo(info.absolutePath());
    }
    QString resolved = info.canonicalFilePath();
    for (const QString& part : rest) {
        resolved += u'/' + part;
    }
    return resolved;
}

int OpenLockFile(const QString& path) {
    return open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

}  // namespace

SingleInstance::SingleInstance(const QString& store) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty()) {
        const QByteArray name =
            QCryptographicHash::hash(Resolved(store).toUtf8(), QCryptographicHash::Sha256)
                .toHex()
                .left(16);
        lockBase_ = folder + QStringLiteral("/kestrins-") + QString::fromLatin1(name);
    }
}

SingleInstance::~SingleInstance() {
    // The socket goes before the lock: a copy started next may listen under the same name.
    server_.close();
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

bool SingleInstance::Claim() {
    if (lockBase_.isEmpty()) {
        return true;
    }
    // Held by every copy while it starts, so that a later copy finds the first one listening
    // once it finds it holding the lock: a wait without polling, as short as a start.
    const int startFd = OpenLockFile(lockBase_ + QStringLiteral(".start"));
    if (startFd >= 0) {
        flock(startFd, LOCK_EX);
    }
    lockFd_ = OpenLockFile(lockBase_ + QStringLiteral(".lock"));
    const bool first =
        lockFd_ < 0 || flock(lockFd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (first) {
        const QString socket = lockBase_ + QStringLiteral(".socket");
        // What a copy that was killed left behind; only the lock's holder listens here.
        QLocalServer::removeServer(socket);
        connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Answer);
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        server_.listen(socket);
    } else {
        close(lockFd_);
        lockFd_ = -1;
    }
    if (startFd >= 0) {
        close(startFd);
    }
    return first;
}

bool SingleInstance::AskFirstToShow(int waitMs) {
    QLocalSocket socket;
    socket.connectToServer(lockBase_ + QStringLiteral(".socket"));
    if (!socket.waitForConnected(waitMs)) {
        return false;
    }
    socket.write(Request);
    if (!socket.waitForBytesWritten(waitMs)) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(waitMs)) {
            return false;
        }
    }
    return socket.readLine() == Reply;
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == Request) {
                emit ShowRequested();
                socket->write(Reply);
            }
            socket->disconnectFromServer();
        });
    }
}

void BringToFront() {
    QWidget* shown = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(top) != nullptr && top->isVisible()) {
            top->setWindowState(top->windowState() & ~Qt::WindowMinimized);
            top->raise();
            if (shown == nullptr) {
                shown = top;
            }
        }
    }
    if (shown != nullptr) {
        shown->raise();
        shown->activateWindow();
        // Where the desktop keeps the focus from a program that asks for it, the entry flashes.
        QApplication::alert(shown);
    }
}

}  // namespace kestrins
