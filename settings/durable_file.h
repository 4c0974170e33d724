#pragma once
// Whole-file reading and an atomic, durable replacement of a file's contents.
#include <filesystem>
#include <string>
#include <string_view>

namespace trelvist {

enum class FileRead { Done, Absent, Failed };

// Reads every byte of a regular file. Absent when neither it nor its folder exists; Failed when it
// exists but cannot be read (a directory, a FIFO or device, no permission, an I/O error). Never
// waits: a FIFO with no writer fails at once.
FileRead readWholeFile(const std::string& path, std::string& contents);

// The file a write to `path` reaches: `path` itself, or, when it is a symbolic link, the end of
// its chain of links, which need not exist yet. Empty when the links go round in a loop or
// cannot be read.
std::filesystem::path followLinks(std::filesystem::path path);

// Whether the file could be written in place: it is absent (and would be created), or it is a
// regular file this process may write. A read-only file, a folder, a FIFO or a device is not.
bool writableInPlace(const std::filesystem::path& file);

// Puts contents in the file so that a crash or power loss at any moment leaves either the old
// file or the new one: a temporary file beside it is written and flushed, renamed over the old
// one, and the folder flushed. Creates the folder and its parents when missing. A symbolic link
// stays one: the file at the end of its links is replaced, or created when missing. Refuses,
// as a write in place would be refused, a file this process may not write. Returns false on any
// failure, leaving the old file as it was and no temporary file behind.
bool replaceFile(const std::string& path, std::string_view contents);

}  // namespace trelvist
