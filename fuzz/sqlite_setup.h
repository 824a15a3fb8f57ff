// SQLite set up for the fuzz runs: its own heap outside the sanitizer's, files in memory while open
// (memory_vfs.h), and a check that every input leaves no connection or statement behind.
#pragma once

namespace kestrins::fuzz {

// Once, before the first SQLite call of the process.
void SetUpSqlite();

// Stops the run when SQLite holds more memory than before the first input: something the
// library opened was never closed (the sanitizer's leak check no longer sees SQLite's heap).
void CheckSqliteReleased();

}  // namespace kestrins::fuzz
