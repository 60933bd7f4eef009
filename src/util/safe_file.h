#pragma once
// Whole-file reads with a size limit and writes that never leave a half-written file.

#include <cstddef>
#include <string>

namespace zel3 {

enum class FileReadResult { Ok, CannotOpen, TooLarge, ReadError };

// Reads the whole file into content; a file above maxBytes is not read.
FileReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content);

// Writes content to a temporary file in the same folder and renames it over path only when
// everything was written. Throws IoError on failure; the old file is then left as it was.
void WriteFileReplacing(const std::string& path, const std::string& content);

// Creates a new, empty file beside path under a name no other file has ("$" + name + ".XXXXXX")
// and with the permissions a new file at path would get. Returns its descriptor (opened for
// writing) and its name in tempPath; -1 with errno set on failure. Being new, it can never be
// a link planted by someone else.
int CreateFileBeside(const std::string& path, std::string& tempPath);

// Creates the folders above path that do not exist yet. Throws IoError on failure.
void MakeParentFolders(const std::string& path);

}  // namespace zel3
