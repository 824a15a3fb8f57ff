// Hand list window: eleven rows of name, example cards and tie line; a second page of rules.
#include "ui/frm_hand_list.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "game/hand_guide.h"
#include "game/part_name.h"
#include "platform/surface.h"
#include "platform/translated_text.h"
#include "render/draw_cards.h"
#include "render/table_geometry.h"
#include "ui/close_on_escape.h"
#include "ui/how_to_play.h"
#include "ui/table_description.h"
#include "ui/window_font.h"

namespace kestrins {

namespace {

constexpr uint32_t TableGreen = 0x008000;
constexpr int CardPitch = 50;  // the overlap of a hand on the table
constexpr int Margin = 4;
constexpr double PictureScale = 0.6;

QPixmap HandPicture(const Hand& hand, const Sprites& sprites) {
    Surface picture(CardWidth + CardPitch * (HandSize - 1) + 2 * Margin, CardHeight + 2 * Margin,
                    FromBgr(TableGreen));
    picture.Clear();
    for (int slot = 0; slot < HandSize; ++slot) {
        DrawFaceCard(picture, Margin + CardPitch * slot, Margin, hand[slot], sprites);
    }
    const QImage scaled = picture.Image().scaledToHeight(
        static_cast<int>(picture.Height() * PictureScale), Qt::SmoothTransformation);
    return QPixmap::fromImage(scaled);
}

}  // namespace

FrmHandList::FrmHandList(const Sprites& sprites, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FrmHandList"));
    CloseOnEscape(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("役の一覧"));
    setFont(WindowFont());
    auto* tabs = new QTabWidget(this);
    tabs->addTab(CreateHandPage(sprites), tr("役の一覧"));
    tabs->addTab(CreateRulesPage(), tr("遊び方"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    resize(560, 620);
}

QWidget* FrmHandList::CreateHandPage(const Sprites& sprites) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("HandPage"));
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    auto* heading =
        new QLabel(tr("上ほど強い役です。役が同じときの勝ち負けは右の説明のとおりです。"));
    heading->setWordWrap(true);
    grid->addWidget(heading, 0, 0, 1, 3);
    int line = 1;
    for (const HandGuideRow& row : HandGuideRows()) {
        auto* name = new QLabel(TranslatedText(PartNameContext, PartName(row.Part)));
        name->setObjectName(QStringLiteral("LblHandName%1").arg(row.Part));
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        auto* cards = new QLabel;
        cards->setPixmap(HandPicture(row.Example, sprites));
        cards->setAccessibleName(CardList(row.Example, false));
        auto* tieLine = new QLabel(TranslatedText(HandGuideContext, TieRuleText(row.Tie)));
        tieLine->setWordWrap(true);
        grid->addWidget(name, line, 0);
        grid->addWidget(cards, line, 1);
        grid->addWidget(tieLine, line, 2);
        ++line;
    }
    grid->setColumnStretch(2, 1);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    return scroll;
}

QWidget* FrmHandList::CreateRulesPage() {
    auto* rules = new QTextBrowser;
    rules->setObjectName(QStringLiteral("RulesPage"));
    rules->setHtml(HowToPlayText());
    return rules;
}

}  // namespace kestrins
