#include "util/private_temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "util/text.h"

namespace zel3 {

namespace {

// Ours alone: a real folder, our own, and nobody else may even look into it.
bool IsTrustedFolder(const std::string& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 07777) == 0700;
}

std::string MakeFreshFolder(const std::string& name) {
    std::string pattern = name + "-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!::mkdtemp(buf.data())) return {};
    const std::string made(buf.data());
    // mkdtemp's mode is cut by the umask; the check wants exactly 0700.
    if (::chmod(made.c_str(), 0700) != 0 || !IsTrustedFolder(made)) {
        ::rmdir(made.c_str());
        return {};
    }
    return made + "/";
}

}  // namespace

bool IsSharedFolder(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &st) != 0) return false;
    return st.st_uid != ::geteuid() || (st.st_mode & (S_IWGRP | S_IWOTH | S_ISVTX)) != 0;
}

PrivateTempFolder ChoosePrivateTempFolder(const std::string& configured,
                                          const std::string& shortName) {
    PrivateTempFolder result;
    const std::string base = configured.empty() ? std::string("./") : WithBackslash(configured);
    if (!IsSharedFolder(base)) {
        result.folder = WithBackslash(configured);
        return result;
    }
    const std::string own = base + shortName + "-" + std::to_string(::geteuid());
    if (::mkdir(own.c_str(), 0700) == 0) ::chmod(own.c_str(), 0700);
    if (IsTrustedFolder(own)) {
        result.folder = own + "/";
        return result;
    }
    // Somebody else's, a link, or open to others: not used, not touched.
    struct stat st {};
    if (::lstat(own.c_str(), &st) == 0) result.refused = own;
    result.folder = MakeFreshFolder(own);
    if (result.folder.empty()) result.folder = WithBackslash(configured);
    return result;
}

}  // namespace zel3
