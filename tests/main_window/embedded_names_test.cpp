// Names in the sentences of a game: a right-to-left name is set apart so that it cannot turn
// the message line round, and a long one is shortened in the line as on its panel, so that the
// rest of the sentence always shows.
#include <QLabel>
#include <QPushButton>

#include "game/embedded_name.h"
#include "main_window_fixture.h"
#include "render/draw_table.h"
#include "render/show_message.h"
#include "ui/surface_view.h"

namespace kestrins::testing {
namespace {

const std::string LongName = "Wilhelmina Featherstonehaugh-Cholmondeley";
const std::string Arabic = "علي";
const std::string Hebrew = "שלום";

std::string Isolated(const std::string& name) {
    return "\u2068" + name + "\u2069";
}

TEST_F(MainWindowTest, MessageLineSetsRightToLeftNamesApartAndShortensLongOnesAsThePanels) {
    const std::array<std::string, 4> names = {LongName, Arabic, "CPU 2", Hebrew};
    for (int seat = 0; seat < 4; ++seat) {
        state.Players[seat].Name = names[seat];
    }
    std::vector<std::string> lines;
    std::vector<QImage> strips;
    QObject::connect(window->findChild<SurfaceView*>(QStringLiteral("PictInfo")),
                     &SurfaceView::Refreshed, [&] {
                         lines.push_back(window->Info().AltText().toStdString());
                         strips.push_back(window->Info().Image());
                     });
    ChooseTitle(1);
    state.Winner = 0;  // the human opens
    DealAcesAgainstNoHands();
    PressAtWait({2});
    // The human drops; seat 1 raises by 1, seat 2 calls, seat 3 raises by 1 again; the human,
    // dropped, is passed; seats 1 and 2 call.
    const auto raiseByOne = [this] {
        for (const float draw : {0.0f, 0.99f, 0.0f}) {
            random.Push(draw);
        }
    };
    raiseByOne();
    ScriptCpuCalls();
    raiseByOne();
    ScriptCpuCalls(2);
    std::string title;
    std::string repeated;
    modal.Handler = [&](QDialog& sheet) {
        title = sheet.windowTitle().toStdString();
        repeated = window->Info().AltText().toStdString();
        const auto* label = sheet.findChild<QLabel*>(QStringLiteral("LblPlayerName1"));
        EXPECT_EQ(label->text().toStdString(), Isolated(Arabic) + " : ");
        sheet.accept();
    };
    window->CmdChange->click();
    ASSERT_EQ(random.Left(), 0u);

    const std::string shortHuman = PanelName(LongName).toStdString();
    ASSERT_NE(shortHuman, LongName);
    const std::vector<std::string> said = {shortHuman + " はドロップします",
                                           Isolated(Arabic) + " はレイズします",
                                           "CPU 2 はコールします",
                                           Isolated(Hebrew) + " はレイズします",
                                           shortHuman + " はドロップしています",
                                           Isolated(Arabic) + " はコールします",
                                           "CPU 2 はコールします"};
    auto next = lines.begin();
    for (const std::string& line : said) {
        next = std::find(next, lines.end(), line);
        ASSERT_NE(next, lines.end()) << "not said in order: " << line;
        // Drawn as the strip draws the line: nothing of it is cut off or turned round.
        Surface expected = window->Info();
        expected.SetRefreshHandler({});  // not the window's strip
        ShowMessage(expected, line);
        EXPECT_EQ(strips[static_cast<std::size_t>(next - lines.begin())], expected.Image()) << line;
    }
    // The sheet's caption names the winner whole; the strip repeats it as the panel shows it.
    ASSERT_EQ(state.Winner, 3);
    EXPECT_EQ(title, "戦績 : " + Isolated(Hebrew) + " の勝利です");
    EXPECT_EQ(repeated, title);
}

}  // namespace
}  // namespace kestrins::testing
