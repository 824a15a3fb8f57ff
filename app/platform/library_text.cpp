// Reads the values back out of a library message by its known wording, and fills them into the
// translation of that wording.
#include "platform/library_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <string_view>

namespace kestrins {

namespace {

constexpr const char* LimitCaption = QT_TRANSLATE_NOOP("Hivekit", "制限");
// The caption of the library's other messages: the player knows the program, not the library.
constexpr const char* ProgramCaption = "Kestrin";

// The library's wordings (hivekit/src/messages.cpp) with %1, %2 where it puts the values; the
// last says that the store was recovered.
constexpr std::array<const char*, 3> Wordings{
    QT_TRANSLATE_NOOP("Hivekit",
                      "このDLLは\n2KB以上のテキストデータを読み込めない仕様になっています。\n"
                      "読み込もうとしているデータ量は %1 バイトです。"),
    QT_TRANSLATE_NOOP("Hivekit",
                      "設定ファイルが壊れているため読み込めません。\n%1\n"
                      "保存されていた値の代わりに既定の値を使います。\n"
                      "壊れたファイルは次に保存するときに別の名前で残し、"
                      "新しい設定ファイルを作ります。"),
    QT_TRANSLATE_NOOP("Hivekit",
                      "設定ファイルが壊れていたため読み込めませんでした。\n%1\nは\n%2\n"
                      "として残し、新しい設定ファイルを作りました。"),
};

// Splits a wording at its placeholders: the texts between them and each one's number.
struct Pieces {
    QStringList Texts;  // one more than Numbers
    QList<int> Numbers;
};

Pieces Split(const QString& wording) {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    Pieces pieces;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(wording); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        pieces.Texts << wording.mid(from, match.capturedStart() - from);
        pieces.Numbers << match.captured(1).toInt();
        from = match.capturedEnd();
    }
    pieces.Texts << wording.mid(from);
    return pieces;
}

// The wording as a whole-text pattern, each placeholder a captured value.
QRegularExpression Pattern(const QString& wording) {
    const Pieces pieces = Split(wording);
    QStringList escaped;
    for (const QString& text : pieces.Texts) {
        escaped << QRegularExpression::escape(text);
    }
    return QRegularExpression(
        QStringLiteral("\\A") + escaped.join(QStringLiteral("(.*)")) + QStringLiteral("\\z"),
        QRegularExpression::DotMatchesEverythingOption);
}

// The wording with each %n replaced by the value in the order the original had it; one pass,
// so a value that itself holds "%2" stays as it is.
QString Fill(const QString& wording, const QStringList& values) {
    const Pieces pieces = Split(wording);
    QString filled = pieces.Texts.first();
    for (qsizetype i = 0; i < pieces.Numbers.size(); ++i) {
        const int number = pieces.Numbers[i];
        filled += (number <= values.size() ? values[number - 1] : QString()) + pieces.Texts[i + 1];
    }
    return filled;
}

}  // namespace

QString TranslateLibraryText(const char* text) {
    const QString message = QString::fromUtf8(text);
    for (const char* wording : Wordings) {
        const QString original = QString::fromUtf8(wording);
        const QRegularExpressionMatch match = Pattern(original).match(message);
        if (!match.hasMatch()) {
            continue;
        }
        // The values by their number in the original wording.
        const Pieces pieces = Split(original);
        QStringList values(pieces.Numbers.size());
        for (qsizetype i = 0; i < pieces.Numbers.size(); ++i) {
            values[pieces.Numbers[i] - 1] = match.captured(static_cast<int>(i) + 1);
        }
        return Fill(QCoreApplication::translate("Hivekit", wording), values);
    }
    return message;
}

QString TranslateLibraryCaption(const char* caption) {
    return std::string_view(caption) == LimitCaption
               ? QCoreApplication::translate("Hivekit", LimitCaption)
               : QString::fromLatin1(ProgramCaption);
}

MessageIcon LibraryMessageIcon(const char* text) {
    return Pattern(QString::fromUtf8(Wordings.back())).match(QString::fromUtf8(text)).hasMatch()
               ? MessageIcon::Information
               : MessageIcon::Error;
}

}  // namespace kestrins
