#pragma once
// Whole-file reading and an atomic, durable replacement of a file's contents.
#include <string>
#include <string_view>

namespace trelvist {

enum class FileRead { Done, Absent, Failed };

// Reads every byte of a regular file. Absent when neither it nor its folder exists; Failed when it
// exists but cannot be read (a directory, a FIFO or device, no permission, an I/O error). Never
// waits: a FIFO with no writer fails at once.
FileRead readWholeFile(const std::string& path, std::string& contents);

// Puts contents in the file so that a crash or power loss at any moment leaves either the old
// file or the new one: a temporary file beside it is written and flushed, renamed over the old
// one, and the folder flushed. Creates the folder and its parents when missing. A file kept as a
// symbolic link stays one: the file it points to is replaced. Returns false on any failure,
// leaving the old file as it was and no temporary file behind.
bool replaceFile(const std::string& path, std::string_view contents);

}  // namespace trelvist
