// On a screen of two device pixels a window pixel: the table, the money chart and the winner
// marker are drawn from the 2x sheets, one picture pixel to each device pixel, and the table at
// 150 % from the 1.5x sheets in 2 x 2 blocks; clicks still find the cards, and the table moved
// to a plain screen is the 1x picture again.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWindow>

#include "main_window_fixture.h"
#include "render/draw_table.h"
#include "render/table_geometry.h"
#include "ui/frm_parts.h"

namespace kestrins::testing {
namespace {

QImage Shown(QWidget& view) {
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Doubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

TEST_F(MainWindowTest, OnAScreenOfTwiceThePixelsEveryPictureIsDrawnAtItsFineness) {
    ASSERT_EQ(window->devicePixelRatioF(), 2.0);
    ChooseTitle(1);
    Deal();
    ASSERT_EQ(state.GameState, StateDealt);
    const Surface& field = window->PlayField();
    // The table as the game stands, drawn at `scale`.
    const auto table = [&](double scale) {
        Surface drawn = MakePlayField(field.Width(), field.Height());
        drawn.SetScale(scale);
        DrawTable(state, drawn, sprites, "");
        return drawn.Image();
    };
    EXPECT_EQ(field.Scale(), 2.0);
    EXPECT_EQ(field.Image(), table(2.0));
    EXPECT_EQ(Shown(PlayFieldWidget()),
              field.Image().copy(QRect(QPoint(), PlayFieldWidget().size() * 2)));

    // Clicks come in window pixels, as at 100 % on any screen.
    const int x0 = ComputeTableOrigin(field.Width(), field.Height()).X0;
    ClickTable(x0 + 49, field.Height() - 50);
    ClickTable(x0 + 50, field.Height() - 50);
    ClickTable(x0 - 1, field.Height() - 50);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(state.Players[0].Cards[c].Selected, c < 2) << c;
    }

    // Moved to a screen of one device pixel a window pixel, the table is the plain 1x picture.
    QScreen* plain = QGuiApplication::screens().at(1);
    window->windowHandle()->setScreen(plain);
    ASSERT_EQ(window->devicePixelRatioF(), 1.0);
    EXPECT_EQ(field.Image(), table(1.0));
    window->windowHandle()->setScreen(QGuiApplication::screens().at(0));
    EXPECT_EQ(field.Image(), table(2.0));

    window->MnuitemTableSize[1]->trigger();
    EXPECT_EQ(field.Scale(), 1.5);
    EXPECT_EQ(field.Image(), table(1.5));
    EXPECT_EQ(Shown(PlayFieldWidget()),
              Doubled(field.Image()).copy(QRect(QPoint(), PlayFieldWidget().size() * 2)));

    random.Push(0.0f, 1000);  // the coins' jitter
    window->MnuitemResults->trigger();
    FrmResults* chart = window->Results();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Picture().Scale(), 2.0);
    auto* chartView = chart->findChild<QWidget*>(QStringLiteral("PictResults"));
    EXPECT_EQ(Shown(*chartView), chart->Picture().Image());
    // Nothing of the chart was drawn at 1x first: every coin's edge lies at the 2x sheet's.
    EXPECT_NE(chart->Picture().Image(), Doubled(chart->Picture().Image().scaled(
                                            chart->Picture().Image().size() / 2,
                                            Qt::IgnoreAspectRatio, Qt::FastTransformation)));

    FrmParts sheet(state, window->Info(), sprites.Winner, boxes, window.get());
    const QPixmap marker = sheet.findChild<QLabel*>(QStringLiteral("ImgWinner"))->pixmap();
    EXPECT_EQ(marker.devicePixelRatio(), 2.0);
    EXPECT_EQ(marker.size(), QSize(32, 32));
    const QImage star = sprites.Winner.At(2.0);
    const QImage drawn = marker.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (qAlpha(drawn.pixel(x, y)) != 0) {
                ASSERT_EQ(drawn.pixel(x, y) | 0xff000000, star.pixel(x, y) | 0xff000000)
                    << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace kestrins::testing
