// Options dialog: filling from the state, OK applying, Cancel and the close box discarding,
// the design selector's direction and ends, stored values outside the controls' ranges, and the
// names OK refuses.
#include "ui/frm_option.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <climits>

#include "support/scripted_dialogs.h"
#include "synthetic_sprites.h"

namespace kestrins {
namespace {

MdlMain SampleState() {
    MdlMain state;
    const char* names[] = {"あなた", "左の人", "向かいの人", "右の人"};
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Name = names[i];
        state.Players[i].Pattern = i;
        state.Players[i].Money = 100 * i;
    }
    state.SaveType = 1;
    state.CardType = 2;
    return state;
}

void ExpectSameSettings(const MdlMain& state, const MdlMain& before) {
    EXPECT_EQ(state.Players, before.Players);
    EXPECT_EQ(state.SaveType, before.SaveType);
    EXPECT_EQ(state.CardType, before.CardType);
}

template <typename T>
T* Control(FrmOption& dialog, const QString& name) {
    T* control = dialog.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

QString SpiritCaption(FrmOption& dialog, int i) {
    return Control<QLabel>(dialog, QStringLiteral("LblSpirit%1").arg(i))->text();
}
QString DesignBox(FrmOption& dialog) {
    return Control<QLineEdit>(dialog, QStringLiteral("TxtCardBG"))->text();
}

void Press(FrmOption& dialog, const char* button) {
    Control<QPushButton>(dialog, QString::fromLatin1(button))->click();
}

// One step of the selector's upper or lower arrow, as a click on it triggers.
void PressArrow(FrmOption& dialog, bool up) {
    Control<QScrollBar>(dialog, QStringLiteral("VScrCardBG"))
        ->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                           : QAbstractSlider::SliderSingleStepAdd);
}

// Whether the preview shows exactly the upright back of the design.
bool PreviewShows(const FrmOption& dialog, const QImage& backs, int design) {
    return dialog.Preview().Image() ==
           backs.copy(0, 96 * design, 71, 96).convertToFormat(QImage::Format_RGB32);
}

// The names typed by ChangeEverything, spaces round them kept.
const char* const NewNames[] = {"別名0", "別名1", " 別名2 ", "別名3"};

void ChangeEverything(FrmOption& dialog) {
    for (int i = 0; i < 4; ++i) {
        Control<QLineEdit>(dialog, QStringLiteral("TxtPName%1").arg(i))
            ->setText(QString::fromUtf8(NewNames[i]));
    }
    for (int i = 1; i < 4; ++i) {
        Control<QScrollBar>(dialog, QStringLiteral("HScrSpirit%1").arg(i))->setValue(3 - i);
    }
    Control<QComboBox>(dialog, QStringLiteral("CmbSaveData"))->setCurrentIndex(2);
    PressArrow(dialog, true);
}

TEST(FrmOptionTest, OkAppliesEveryChangeAndEveryOtherWayOfClosingDiscardsThem) {
    // No button: the close box.
    const struct {
        const char* button;
        bool applies;
    } ways[] = {{"CmdOK", true}, {"CmdCancel", false}, {nullptr, false}};
    MdlMain changed = SampleState();
    const int patterns[] = {0, 2, 1, 0};  // the human's stays as it was
    for (int i = 0; i < 4; ++i) {
        changed.Players[i].Name = NewNames[i];
        changed.Players[i].Pattern = patterns[i];
    }
    changed.SaveType = 2;
    changed.CardType = 3;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.button ? way.button : "close box");
        MdlMain state = SampleState();
        testing::ScriptedBoxes boxes;
        FrmOption dialog(state, SyntheticSprites().CardBacks.At(1.0), boxes, nullptr);
        dialog.show();
        ChangeEverything(dialog);
        EXPECT_EQ(SpiritCaption(dialog, 1), QStringLiteral("大胆"));
        EXPECT_EQ(SpiritCaption(dialog, 3), QStringLiteral("慎重"));
        if (way.button != nullptr) {
            Press(dialog, way.button);
        } else {
            dialog.close();
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), way.applies ? QDialog::Accepted : QDialog::Rejected);
        ExpectSameSettings(state, way.applies ? changed : SampleState());
    }
}

TEST(FrmOptionTest, DesignSelectorCountsUpwardsAndStopsAtItsEnds) {
    const struct {
        int from;
        bool up;
        int to;
    } presses[] = {{3, true, 4}, {4, true, 4}, {1, false, 0}, {0, false, 0}};
    const QImage backs = SyntheticSprites().CardBacks.At(1.0);
    for (const auto& p : presses) {
        SCOPED_TRACE(::testing::Message() << p.from << (p.up ? " up" : " down"));
        MdlMain state = SampleState();
        state.CardType = p.from;
        testing::ScriptedBoxes boxes;
        FrmOption dialog(state, backs, boxes, nullptr);
        dialog.show();
        PressArrow(dialog, p.up);
        EXPECT_EQ(DesignBox(dialog), QString::number(p.to));
        EXPECT_TRUE(PreviewShows(dialog, backs, p.to));
        Press(dialog, "CmdOK");
        EXPECT_EQ(state.CardType, p.to);
    }
}

// Stored values outside the controls' ranges show clamped, and Cancel leaves them as they were;
// OK without a change writes back what the dialog showed, so it also checks what it shows.
TEST(FrmOptionTest, OpensWithTheStateShownClampedToTheRanges) {
    const struct {
        int32_t pattern;
        int32_t saveType;
        int32_t cardType;
        const char* caption;
        const char* shownSave;
        int shownDesign;
    } cases[] = {
        {1, 1, 2, "普通", "常に保存する", 2},
        {-1, -1, -1, "慎重", "終了時に確認", 0},
        {7, 3, 5, "無謀", "一切保存しない", 4},
        {INT32_MIN, INT32_MIN, INT32_MIN, "慎重", "終了時に確認", 0},
        {INT32_MAX, INT32_MAX, INT32_MAX, "無謀", "一切保存しない", 4},
    };
    const QImage backs = SyntheticSprites().CardBacks.At(1.0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cardType);
        MdlMain state = SampleState();
        state.Players[1].Pattern = c.pattern;
        state.SaveType = c.saveType;
        state.CardType = c.cardType;
        const MdlMain before = state;
        testing::ScriptedBoxes boxes;
        FrmOption dialog(state, backs, boxes, nullptr);
        EXPECT_EQ(SpiritCaption(dialog, 1), QString::fromUtf8(c.caption));
        EXPECT_EQ(SpiritCaption(dialog, 3), QStringLiteral("無謀"));
        EXPECT_EQ(Control<QComboBox>(dialog, QStringLiteral("CmbSaveData"))->currentText(),
                  QString::fromUtf8(c.shownSave));
        EXPECT_EQ(DesignBox(dialog), QString::number(c.shownDesign));
        EXPECT_TRUE(PreviewShows(dialog, backs, c.shownDesign));
        // The human's temperament has no bar.
        EXPECT_EQ(dialog.findChild<QScrollBar*>(QStringLiteral("HScrSpirit0")), nullptr);
        if (c.cardType == 2) {
            Press(dialog, "CmdOK");
        } else {
            dialog.reject();
        }
        ExpectSameSettings(state, before);
    }
}

// Outside the back's rounded outline the sheet holds the table's green: the preview shows the
// window there, as the table shows itself; a green inside the outline stays.
TEST(FrmOptionTest, PreviewCornersShowTheWindowAndTheBackKeepsItsOwnGreen) {
    MdlMain state = SampleState();  // design 2
    QImage backs = SyntheticSprites().CardBacks.At(1.0);
    const int top = 96 * 2;
    const QRgb green = qRgb(0, 128, 0);
    for (const QPoint at :
         {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(70, 95), QPoint(35, 48)}) {
        backs.setPixel(at + QPoint(0, top), green);
    }
    testing::ScriptedBoxes boxes;
    FrmOption dialog(state, backs, boxes, nullptr);
    const QImage shown = dialog.Preview().Image();
    const QRgb window = Control<QWidget>(dialog, QStringLiteral("PictCardBG"))
                            ->palette()
                            .color(QPalette::Window)
                            .rgb();
    ASSERT_NE(window, green);
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(70, 95)}) {
        EXPECT_EQ(shown.pixel(at), window) << at.x() << "," << at.y();
    }
    EXPECT_EQ(shown.pixel(35, 48), green);
    EXPECT_EQ(shown.pixel(2, 0), backs.pixel(2, top));
}

// A name the table would show blank, or one the store could not give back, is refused with a
// word on what to do; the dialog stays open on that name and nothing is applied.
TEST(FrmOptionTest, OkRefusesAnEmptyOrOverlongNameAndSaysWhy) {
    const struct {
        QString name;
        const char* message;  // nothing: accepted
    } cases[] = {
        {QString(), "名前を入力してください。"},
        {QStringLiteral(" \u3000\t"), "名前を入力してください。"},
        // 2047 bytes and the zero fill the store's buffer; one byte less is the longest kept.
        {QString(682, QChar(u'名')) + QStringLiteral("a"),
         "名前が長すぎます。もっと短い名前にしてください。"},
        {QString(682, QChar(u'名')), nullptr},
        {QStringLiteral(" x "), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.size());
        MdlMain state = SampleState();
        testing::ScriptedBoxes boxes;
        FrmOption dialog(state, SyntheticSprites().CardBacks.At(1.0), boxes, nullptr);
        dialog.show();
        QLineEdit* name = Control<QLineEdit>(dialog, QStringLiteral("TxtPName2"));
        name->setText(c.name);
        Press(dialog, "CmdOK");
        if (c.message == nullptr) {
            EXPECT_TRUE(boxes.Shown.empty());
            EXPECT_EQ(state.Players[2].Name, c.name.toStdString());
            continue;
        }
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Text, c.message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), name);
        ExpectSameSettings(state, SampleState());
    }
}

}  // namespace
}  // namespace kestrins
