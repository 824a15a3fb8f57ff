// Qt's own texts speak the program's language: the buttons of the save question.
#include "ui/translations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include "platform/qt_message_boxes.h"

namespace kestrins {
namespace {

TEST(Translations, SaveQuestionButtonsAreJapanese) {
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance()));
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
            // "はい(&Y)" shows as はい with its key, as on a Japanese desktop.
            captions << box->button(button)->text().remove(
                QRegularExpression(QStringLiteral("\\(&.\\)$")));
        }
        box->button(QMessageBox::Cancel)->click();
    });
    QtMessageBoxes boxes;
    EXPECT_EQ(boxes.Show("現在の所持金を保存しますか？", "確認", MessageButtons::YesNoCancel,
                         MessageIcon::Question),
              MessageAnswer::Cancel);
    EXPECT_EQ(captions, QStringList({QStringLiteral("はい"), QStringLiteral("いいえ"),
                                     QStringLiteral("キャンセル")}));
}

}  // namespace
}  // namespace kestrins
