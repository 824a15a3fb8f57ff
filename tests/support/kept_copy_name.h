// The name a damaged store or record is kept under, as the messages and the manual give it.
#pragma once

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace kestrins::testing {

// Whether `copy` is "<store>.damaged-" and the UTC time of a second from `from` to `to` as
// "20300102T030405Z", with "-2", "-3"… where that name was taken.
::testing::AssertionResult IsKeptCopyName(const std::string& copy, const std::string& store,
                                          std::time_t from, std::time_t to);

}  // namespace kestrins::testing
