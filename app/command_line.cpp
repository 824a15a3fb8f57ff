// One pass before any display: the answers, and errors for anything neither ours nor Qt's.
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "platform/hivekit_binding.h"
#include "platform/install_paths.h"
#include "render/app_path.h"
#include "version.h"

namespace kestrins {

namespace {

const QCommandLineOption LangOption(
    QStringLiteral("lang"),
    QStringLiteral("Shows the game in <language>: ja (Japanese) or en (English). Without it, "
                   "the locale decides (LC_ALL, LC_MESSAGES, LANG): Japanese for ja, C and "
                   "POSIX, English for any other."),
    QStringLiteral("language"));

const QCommandLineOption PathsOption(
    QStringLiteral("paths"),
    QStringLiteral("Shows where the settings library and the coins picture are found, and exits."));

// Qt's own options, taken later by QApplication: -platform, -style and the rest. Hidden from the
// help; Qt itself lists them under --help-all.
const QStringList QtValueOptions =
    QStringLiteral(
        "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
        "qwindowtitle session display geometry title icon name style stylesheet "
        "qmljsdebugger")
        .split(u' ');
const QStringList QtFlagOptions =
    QStringLiteral("reverse widgetcount nograb dograb sync").split(u' ');

void AddQtOptions(QCommandLineParser& parser) {
    const auto add = [&parser](const QStringList& names, const QString& valueName) {
        for (const QString& name : names) {
            QCommandLineOption option(name, QString(), valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    add(QtValueOptions, QStringLiteral("value"));
    add(QtFlagOptions, QString());
}

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Kestrins (ケストリン): five-card draw poker against three computer players.\n"
        "Without options the game starts. KESTRINS_PACE scales its pauses (0 = none),\n"
        "KESTRINS_SEED fixes the deal."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(LangOption);
    parser.addOption(PathsOption);
    AddQtOptions(parser);
    // Qt's options are words after one dash (-platform), so ours read that way too (-h, -v).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

// The --lang value, when given.
std::optional<QString> LangValue(const QCommandLineParser& parser) {
    return parser.isSet(LangOption) ? std::optional(parser.value(LangOption)) : std::nullopt;
}

int ReportError(const QString& error) {
    std::fprintf(stderr, "kestrins: %s\nTry 'kestrins --help' for the options.\n",
                 error.toLocal8Bit().constData());
    return 2;
}

// One line per file: where the game finds it, or that it is missing.
int PrintPaths() {
    const std::string library = FindFile(DefaultHivekitPaths());
    const std::string coins = FindFile({DataFolder() + "/Coins.bmp"});
    std::printf("settings library: %s\ncoins picture: %s\n",
                library.empty() ? "not found" : library.c_str(),
                coins.empty() ? "not found" : coins.c_str());
    return library.empty() || coins.empty() ? 1 : 0;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    // The parser takes the arguments and the program's name from the application object.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrins"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(KestrinsVersion));
    QCommandLineParser parser;
    Describe(parser);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help-all"))) {
        parser.process(core);  // only process() lists Qt's own options; it exits here
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    if (parser.isSet(PathsOption)) {
        return PrintPaths();
    }
    // Judged before any display is needed, like the answers above: QApplication aborts
    // without one.
    if (!parsed) {
        return ReportError(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return ReportError(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(LangOption) && !ChooseLanguage(LangValue(parser), {})) {
        return ReportError(QStringLiteral("Unknown language '%1' for --lang: use ja or en.")
                               .arg(parser.value(LangOption)));
    }
    return std::nullopt;
}

Language ChosenLanguage(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    parser.parse(arguments);
    return ChooseLanguage(LangValue(parser), CurrentLocaleEnvironment())
        .value_or(Language::Japanese);
}

}  // namespace kestrins
