#pragma once
// Temporary files never lie open to other users. When the temporary folder is shared (another
// user's, or writable by others, as /tmp is), the program works in a folder of its own inside
// it, so that nobody can plant a link under one of its fixed file names.

#include <string>

namespace zel3 {

// True when folder exists and is not ours alone: it belongs to another user, others may
// write to it, or it is sticky.
bool IsSharedFolder(const std::string& folder);

struct PrivateTempFolder {
    std::string folder;   // where temporary files go, with a trailing "/"
    std::string refused;  // our folder's usual name when it could not be trusted
};

// The folder for temporary files in configured: configured itself when it is not shared;
// else configured + shortName + "-" + user id, created with mode 0700 and taken only when it
// is a real folder (not a link) that is ours and has mode 0700; else a new folder made by
// mkdtemp. When no folder can be made there, configured itself.
PrivateTempFolder ChoosePrivateTempFolder(const std::string& configured,
                                          const std::string& shortName);

}  // namespace zel3
