// Fills a game record quickly for tests and benchmarks: copies of its first game, made by SQL.
#pragma once

#include <cstdint>
#include <string>

namespace kestrins::testing {

// The record at path must hold game 1 alone; afterwards it holds games 1 to `games`, each a
// copy of game 1. False if SQLite refused.
bool FillWithCopiesOfGameOne(const std::string& path, int64_t games);

}  // namespace kestrins::testing
