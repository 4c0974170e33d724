#pragma once
// Whole-file reading, an atomic, durable replacement of a file's contents, and a durable append.
#include <string>
#include <string_view>

namespace trelvist {

enum class FileRead { Done, Absent, Failed };

// Reads every byte of a regular file. Absent when neither it nor its folder exists; Failed when it
// exists but cannot be read (a directory, no permission, an I/O error).
FileRead readWholeFile(const std::string& path, std::string& contents);

// Puts contents in the file so that a crash or power loss at any moment leaves either the old
// file or the new one: a temporary file beside it is written and flushed, renamed over the old
// one, and the folder flushed. Creates the folder and its parents when missing. A file kept as a
// symbolic link stays one: the file it points to is replaced. Returns false on any failure,
// leaving the old file as it was and no temporary file behind.
bool replaceFile(const std::string& path, std::string_view contents);

// Adds bytes at the end of the file and flushes them to the disk before returning; creates the
// file, its folder and the folder's parents when missing. Returns false on any failure, leaving
// the file as long as it was before.
bool appendToFile(const std::string& path, std::string_view bytes);

}  // namespace trelvist
