// Looks a marked text up in the installed translators.
#include "platform/translated_text.h"

#include <QCoreApplication>
#include <string>

namespace kestrins {

QString TranslatedText(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

}  // namespace kestrins
