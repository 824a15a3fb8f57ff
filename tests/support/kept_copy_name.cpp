// Reads the time back out of a kept copy's name.
#include "support/kept_copy_name.h"

#include <regex>

namespace kestrins::testing {

::testing::AssertionResult IsKeptCopyName(const std::string& copy, const std::string& store,
                                          std::time_t from, std::time_t to) {
    static const std::regex form(
        R"(\.damaged-(\d{4})(\d{2})(\d{2})T(\d{2})(\d{2})(\d{2})Z(-[2-9]|-[1-9]\d+)?)");
    std::smatch parts;
    const std::string rest = copy.starts_with(store) ? copy.substr(store.size()) : std::string();
    if (!std::regex_match(rest, parts, form)) {
        return ::testing::AssertionFailure() << copy << " is not " << store << ".damaged-<time>";
    }
    std::tm utc{};
    utc.tm_year = std::stoi(parts[1]) - 1900;
    utc.tm_mon = std::stoi(parts[2]) - 1;
    utc.tm_mday = std::stoi(parts[3]);
    utc.tm_hour = std::stoi(parts[4]);
    utc.tm_min = std::stoi(parts[5]);
    utc.tm_sec = std::stoi(parts[6]);
    const std::time_t when = timegm(&utc);
    if (when < from || when > to) {
        return ::testing::AssertionFailure() << copy << " does not give the time it was kept";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace kestrins::testing
