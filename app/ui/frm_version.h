// The about dialog: icon, version lines and a message that climbs through a small box.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

#include "platform/surface.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace kestrins {

class SurfaceView;

class FrmVersion final : public QDialog {
    Q_OBJECT

public:
    // icon: the program's 32 x 32 icon.
    FrmVersion(const QImage& icon, QWidget* parent);

    // The 150 ms step; public so that a test can tick it without waiting.
    void TimerMes_Timer();

    const Surface& Picture() const { return mesBox_; }

private:
    void Form_Load();

    Surface mesBox_;
    int32_t MessageTop = 0;
    QString MessageText;
    QLabel* ImMyIcon;
    std::array<QLabel*, 2> LblVersion{};
    QFrame* MesBoxFrame;
    SurfaceView* PictMesBox;
    QPushButton* CmdOK;
    QTimer* TimerMes;
};

// The about message in the language in use; the Japanese is 22 lines joined by line feeds.
QString LoadAboutMessage();

}  // namespace kestrins
