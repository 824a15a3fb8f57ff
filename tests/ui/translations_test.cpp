// The language choice, the English catalogue's completeness, and texts reaching the player in
// English where they are shown, with Qt's own buttons in the language in use.
#include "ui/translations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <optional>

#include "game/bet_message.h"
#include "game/constants.h"
#include "game/part_name.h"
#include "platform/library_text.h"
#include "platform/qt_message_boxes.h"
#include "platform/surface.h"
#include "platform/translated_text.h"
#include "support/scripted_dialogs.h"
#include "ui/frm_option.h"
#include "ui/frm_parts.h"
#include "ui/frm_version.h"
#include "ui/language.h"

namespace kestrins {
namespace {

struct ChoiceCase {
    const char* Name;
    std::optional<QString> Option;
    LocaleEnvironment Environment;
    std::optional<Language> Want;
};

class LanguageChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoiceTest, PicksAsTheCLibraryWould) {
    EXPECT_EQ(ChooseLanguage(GetParam().Option, GetParam().Environment), GetParam().Want);
}

constexpr auto Ja = Language::Japanese;
constexpr auto En = Language::English;

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageChoiceTest,
    ::testing::Values(
        ChoiceCase{"NothingSet", std::nullopt, {}, Ja},
        ChoiceCase{"LangCUtf8", std::nullopt, {nullptr, nullptr, "C.UTF-8"}, Ja},
        ChoiceCase{"LangPosix", std::nullopt, {nullptr, nullptr, "POSIX"}, Ja},
        ChoiceCase{"LangJapanese", std::nullopt, {nullptr, nullptr, "ja_JP.UTF-8"}, Ja},
        // Jamaican Creole starts like Japanese.
        ChoiceCase{"LangJamaican", std::nullopt, {nullptr, nullptr, "jam_JM"}, En},
        ChoiceCase{"LcAllBeforeTheOthers", std::nullopt, {"C", "en_GB", "en_GB.UTF-8"}, Ja},
        ChoiceCase{"LcMessagesBeforeLang", std::nullopt, {nullptr, "fr_FR", "ja_JP"}, En},
        // An empty LC_ALL read as a locale would give English.
        ChoiceCase{"EmptyLcAllSkipped", std::nullopt, {"", "ja_JP", "en_US"}, Ja},
        ChoiceCase{"OptionEnglishOverJapanese", QStringLiteral("en"), {"ja_JP", "ja_JP", "ja"}, En},
        ChoiceCase{
            "OptionJapaneseOverEnglish", QStringLiteral("ja"), {"en_US", nullptr, nullptr}, Ja},
        ChoiceCase{"OptionUnknown", QStringLiteral("fr"), {}, std::nullopt},
        ChoiceCase{"OptionEmpty", QString(), {}, std::nullopt}),
    [](const ::testing::TestParamInfo<ChoiceCase>& testCase) { return testCase.param.Name; });

// The %n placeholders a text uses, each once, in order.
std::string Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    found.removeDuplicates();
    return found.join(u' ').toStdString();
}

// Every entry translated and final; a lost placeholder would drop a name or a sum, a lost "&"
// a menu's key (a button caption may add one: Japanese captions get theirs appended).
TEST(EnglishCatalogue, EveryEntryIsFinishedAndKeepsItsPlaceholdersAndKey) {
    QFile file(QStringLiteral(KESTRINS_ENGLISH_TS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    int entries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            ++entries;
            const QString where = context + QStringLiteral(": ") + source;
            EXPECT_TRUE(xml.attributes().value(QLatin1String("type")).isEmpty())
                << where.toStdString() << " is "
                << xml.attributes().value(QLatin1String("type")).toString().toStdString();
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            EXPECT_FALSE(translation.trimmed().isEmpty()) << where.toStdString();
            EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where.toStdString();
            if (source.contains(u'&')) {
                EXPECT_TRUE(translation.contains(u'&')) << where.toStdString();
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(entries, 100);
}

class InstalledTranslationsTest : public ::testing::Test {
protected:
    // Each test installs its own; a deleted translator is removed from the application.
    void TearDown() override {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    }
};

// The contexts written by hand (the Qt-free game's, the library's) and those lupdate derives
// from the classes must meet the ones the code looks up at run time.
TEST_F(InstalledTranslationsTest, EnglishReachesWindowsGameTextsAndLibraryMessages) {
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), Language::English));
    EXPECT_EQ(FillName(TranslatedText(BetMessageContext, BetMessageFormat(BetCall)).toStdString(),
                       "Rosa"),
              "Rosa calls");
    EXPECT_EQ(TranslatedText(PartNameContext, PartName(PartRoyalStraight)),
              QStringLiteral("Royal Straight"));

    FrmVersion about(QImage(), nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kestrin"));
    EXPECT_EQ(SpiritCaption(3), QStringLiteral("Reckless"));

    // A path holding "%2" must come through as it is, not take the second value.
    EXPECT_EQ(
        TranslateLibraryText("設定ファイルが壊れていたため読み込めませんでした。\n/h/a%2.db\nは\n"
                             "/h/a.db.bad\nとして残し、新しい設定ファイルを作りました。"),
        QStringLiteral("The settings file was damaged and could not be read.\n/h/a%2.db\n"
                       "has been kept as\n/h/a.db.bad\nand a new settings file has been "
                       "started."));
    EXPECT_EQ(TranslateLibraryCaption("制限"), QStringLiteral("Limit"));
    EXPECT_EQ(TranslateLibraryText("something else"), QStringLiteral("something else"));
}

// "You have 2 more drops." read as "2 left": what changed is said as a change, and a column of
// rates or a rank is not taken for a count.
TEST_F(InstalledTranslationsTest, EnglishSaysAChangeAsAChangeAndARateOrRankAsSuch) {
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), Language::English));
    MdlMain state;
    state.Winner = 0;
    Surface info(520, 20);
    testing::ScriptedBoxes boxes;
    FrmParts(state, info, QImage(), boxes, nullptr).accept();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Your drops have gone up by 2.");
    EXPECT_EQ(QCoreApplication::translate("kestrins::FrmRecord", "ブラフ成功率"),
              QStringLiteral("Bluff success"));
    EXPECT_EQ(QCoreApplication::translate("kestrins::FrmCoach", "%1 位").arg(2),
              QStringLiteral("Rank 2"));
    EXPECT_EQ(QCoreApplication::translate("kestrins::FrmOption", "データ保存の設定 : "),
              QStringLiteral("Saving : "));
}

TEST_F(InstalledTranslationsTest, SaveQuestionButtonsSpeakTheLanguageInUse) {
    const struct {
        Language shown;
        QStringList captions;
    } cases[] = {
        {Language::Japanese,
         {QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル")}},
        {Language::English,
         {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")}},
    };
    for (const auto& c : cases) {
        TearDown();  // the other language's translators
        ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), c.shown))
            << c.captions.join(u' ').toStdString();
        QStringList captions;
        QTimer::singleShot(0, [&captions] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
                // "はい(&Y)" shows as はい with its key, as on a Japanese desktop; "&Yes" as Yes.
                captions << box->button(button)
                                ->text()
                                .remove(QRegularExpression(QStringLiteral("\\(&.\\)$")))
                                .remove(u'&');
            }
            box->button(QMessageBox::Cancel)->click();
        });
        QtMessageBoxes boxes;
        EXPECT_EQ(boxes.Show("現在の所持金を保存しますか？", "確認", MessageButtons::YesNoCancel,
                             MessageIcon::Question),
                  MessageAnswer::Cancel);
        EXPECT_EQ(captions, c.captions);
    }
}

// The box as the player sees it, read while it is open.
struct SeenBox {
    QString Title;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    Qt::TextFormat Format = Qt::AutoText;
};

SeenBox LookAtBox(const std::function<void()>& show) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->icon(), box->textFormat()};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return seen;
}

// The library names itself in its captions; the player knows only the program. A store that was
// mended is good news, and no text in a box is ever read as markup.
TEST(MessageBoxTest, LibraryMessagesBearTheProgramsNameAndEveryTextIsPlain) {
    const struct {
        const char* Text;
        QMessageBox::Icon Icon;
    } library[] = {
        {"設定ファイルが壊れていたため読み込めませんでした。\n/h/a.db\nは\n/h/a.db.bad\n"
         "として残し、新しい設定ファイルを作りました。",
         QMessageBox::Information},
        {"設定ファイルが壊れているため読み込めません。\n/h/a.db\n"
         "保存されていた値の代わりに既定の値を使います。\n"
         "壊れたファイルは次に保存するときに別の名前で残し、新しい設定ファイルを作ります。",
         QMessageBox::Critical},
    };
    for (const auto& message : library) {
        const SeenBox seen = LookAtBox([&message] { ShowLibraryMessage("Hivekit", message.Text); });
        EXPECT_EQ(seen.Title, QStringLiteral("Kestrin"));
        EXPECT_EQ(seen.Icon, message.Icon);
        EXPECT_EQ(seen.Format, Qt::PlainText);
    }
    const SeenBox named = LookAtBox([] {
        QtMessageBoxes().Show("<b>x</b> & %1", "Kestrin", MessageButtons::Ok,
                              MessageIcon::Information);
    });
    EXPECT_EQ(named.Format, Qt::PlainText);
}

// Asked before a match is wiped, a player pressing Enter on in haste keeps it.
TEST(MessageBoxTest, AQuestionWithNoAsItsDefaultIsAnsweredNoByEnterEscapeAndTheCloseBox) {
    const std::function<void(QMessageBox&)> answers[] = {
        [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); },
        [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); },
        [](QMessageBox& box) { box.close(); },
        [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); },
    };
    std::vector<MessageAnswer> given;
    for (const auto& answer : answers) {
        QTimer::singleShot(0, [&answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            answer(*box);
        });
        given.push_back(QtMessageBoxes().Show(
            "最初から始めますか？", "確認", MessageButtons::YesNoDefaultNo, MessageIcon::Question));
    }
    EXPECT_EQ(given, (std::vector<MessageAnswer>{MessageAnswer::No, MessageAnswer::No,
                                                 MessageAnswer::No, MessageAnswer::Yes}));
}

}  // namespace
}  // namespace kestrins
