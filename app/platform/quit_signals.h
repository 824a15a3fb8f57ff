// SIGTERM, SIGHUP and SIGINT turned into a Qt signal on the event loop, so the game can save first.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace kestrins {

// One at a time. The handlers only write a byte to a socket pair; the event loop reads it.
class QuitSignals final : public QObject {
    Q_OBJECT

public:
    QuitSignals();
    // Gives the signals back their default actions.
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

signals:
    // Once, for the first of the signals; a second one then acts as it would by default.
    void Received();

private:
    void Read();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kestrins
