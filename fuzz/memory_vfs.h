// The fuzz runs' SQLite files: in memory while open, on disk between connections.
#pragma once

namespace kestrins::fuzz {

// Registers the memory VFS as the process's default; SQLite's result code.
int RegisterMemoryVfs();

}  // namespace kestrins::fuzz
