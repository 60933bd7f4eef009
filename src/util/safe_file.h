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

// Creates the folders above path that do not exist yet. Throws IoError on failure.
void MakeParentFolders(const std::string& path);

}  // namespace zel3
