#pragma once
// The lines of a project file: banner, remarks, both bodies, load, drawing names, the
// documentation sections and the materials. One value per line, read back in the same order.

#include <string>

#include "contact/contact_case.h"
#include "util/line_file.h"
#include "util/number_format.h"

namespace zel3 {

struct ProjectBanner {
    std::string programTitle;
    std::string versionText;
    std::string productName;
};

void WriteProjectLines(LineWriter& out, const NumberFormat& nf, const ProjectBanner& banner,
                       const ContactCase& c);

// Reads the inputs of a case into c. Returns 0 when the whole file was read, otherwise the
// number of the first line that is missing or not what it should be; every value from that
// line on keeps what c held.
int ReadProjectLines(LineReader& in, ContactCase& c);

}  // namespace zel3
