#pragma once
// Starting a program detached: it runs in a session of its own, reads nothing from our
// standard input and is never waited for (no zombie is left behind). Nothing in the words is
// interpreted; a program file without "#!" line is run by /bin/sh, as execvp does.

#include <string>
#include <vector>

namespace zel3 {

// words[0] is the program (searched in PATH when it holds no "/"), the rest its arguments.
// 0 when the program was started, else the errno of the failed step.
int StartDetachedProcess(const std::vector<std::string>& words);

// True when the program word names an executable file (searched in PATH when it holds no "/").
bool ProgramFileExists(const std::string& word);

// The classic start code of an errno: 0 out of memory, 2 file not found, 3 path not found,
// 5 access denied, 11 not a program, 31 any other failure; 33 for a successful start (0).
int StartCodeFromErrno(int error);

}  // namespace zel3
