// The program's options: --help, --version and --paths answer on standard output and exit;
// --lang chooses the language.
#pragma once

#include <QStringList>
#include <optional>

#include "ui/language.h"

namespace kestrins {

// Before any window or display: answers --help, --version and --paths, and rejects an option
// that is neither the program's nor Qt's, any other argument and a --lang value other than ja
// or en (on standard error, exit code 2). The exit code when one was answered; nothing when the
// game should start.
std::optional<int> AnswerCommandLine(int argc, char** argv);

// The language to show, from arguments AnswerCommandLine let through: --lang, else the locale.
Language ChosenLanguage(const QStringList& arguments);

}  // namespace kestrins
