#include "shell/batch_run.h"

#include <iostream>

namespace zel3 {

int RunBatch(Program& program) {
    if (program.args.empty()) {
        std::cerr << "w" << program.identity.ShortName
                  << ": no file given; see --help\n";
        return 0;
    }
    return 0;
}

}  // namespace zel3
