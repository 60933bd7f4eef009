#pragma once
// Runs one of the tests' python scripts (independent readers from Debian's python3 packages)
// and returns what it printed, standard error included.

#include <unistd.h>

#include <cstdio>
#include <string>

namespace zel3::test {

// script is relative to the tests folder; args are passed quoted. Exit status in status.
inline std::string RunTestScript(const std::string& script, const std::string& args, int& status) {
    // Debian's interpreter, where the readers live, before any other on the path.
    const std::string python =
        ::access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
    const std::string cmd = python + " '" ZEL3_TEST_SOURCE_DIR "/" + script + "' " + args + " 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    if (!p) {
        status = -1;
        return out;
    }
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    status = ::pclose(p);
    return out;
}

}  // namespace zel3::test
