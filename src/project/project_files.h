#pragma once
// Saving and opening project files: name resolution, the file dialogs, the overwrite question
// and the file itself. Both report failure through the error flag.

#include <string>

namespace zel3 {

class Program;

// The full name of project name: a name holding "." is a file name and used as it is,
// otherwise folder + "/" + name + "." + extension (name + "." + extension without a folder).
std::string ProjectFilePath(const std::string& folder, const std::string& name,
                            const std::string& extension);
// The same file as an absolute path without "." and ".." steps, as drawings and the recent
// files show it.
std::string ProjectFullPath(const std::string& folder, const std::string& name,
                            const std::string& extension);

// Saves the case under name; an empty name asks for one (Save As, which asks before
// overwriting; a named save does not). The file is written beside the old one and replaces it
// only when complete. Clears the error flag on success. An unexpected write error sets the
// flag and throws IoError for the command dispatcher; the old file is then left untouched.
void SaveProject(Program& p, const std::string& name);

// Reads a project into the case; an empty name asks for a file. A file that ends early or
// holds what its lines should not is reported and sets the error flag; the values read up
// to there are taken, every later value keeps its built-in default.
void LoadProject(Program& p, const std::string& name);

}  // namespace zel3
