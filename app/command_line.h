// The program's options: --help, --version and --paths answer on standard output and exit.
#pragma once

#include <QStringList>
#include <optional>

namespace kestrins {

// Before any window or display: answers --help, --version and --paths. The exit code when one
// was answered; nothing when the game should start.
std::optional<int> AnswerCommandLine(int argc, char** argv);

// After Qt has taken its own options (-platform, -style, ...): anything left over is an error,
// reported on standard error with exit code 2.
std::optional<int> RejectUnknownArguments(const QStringList& arguments);

}  // namespace kestrins
