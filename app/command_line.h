// The program's options: --help, --version and --paths answer on standard output and exit;
// --lang chooses the language.
#pragma once

#include <QStringList>
#include <optional>

#include "ui/language.h"

namespace kestrins {

// Before any window or display: answers --help, --version and --paths, and rejects a --lang
// value other than ja or en (exit code 2). The exit code when one was answered; nothing when
// the game should start.
std::optional<int> AnswerCommandLine(int argc, char** argv);

// After Qt has taken its own options (-platform, -style, ...): anything left over is an error,
// reported on standard error with exit code 2.
std::optional<int> RejectUnknownArguments(const QStringList& arguments);

// The language to show, from arguments RejectUnknownArguments let through: --lang, else the
// locale.
Language ChosenLanguage(const QStringList& arguments);

}  // namespace kestrins
