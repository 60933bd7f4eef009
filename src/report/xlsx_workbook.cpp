#include "report/xlsx_workbook.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

// Excel's own limits; longer tables are cut off rather than refused.
constexpr size_t kMaxRows = 1048576;
constexpr size_t kMaxColumns = 16384;
constexpr size_t kMaxCellText = 32767;

}  // namespace

bool WorkbookNumber(const std::string& text, double& value) {
    std::string t = Trim(text);
    if (t.empty() || t.size() > 40) return false;
    // "0815" is a drawing number, not 815.
    const size_t digits = t[0] == '-' || t[0] == '+' ? 1 : 0;
    if (t.size() > digits + 1 && t[digits] == '0' &&
        std::isdigit(static_cast<unsigned char>(t[digits + 1]))) {
        return false;
    }
    for (char& c : t) {
        if (c == ',') c = '.';
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'e' || c == 'E')) {
            return false;
        }
    }
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(t.c_str(), &end);
    if (errno != 0 || end != t.c_str() + t.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string NewWorkbookPath(const std::string& folder, const std::string& stem) {
    const std::string dir = WithBackslash(folder);
    for (int n = 1;; ++n) {
        const std::string path = dir + "$" + stem + std::to_string(n) + ".xlsx";
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) return path;
    }
}

bool WriteWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows,
                   std::string& reason) {
    // Written beside the target and renamed over it when complete.
    // A new file of our own is reserved first; the library writes into it.
    std::string temp;
    const int fd = CreateFileBeside(path, temp);
    if (fd < 0) {
        reason = "cannot create " + path;
        return false;
    }
    ::close(fd);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = nullptr;
    lxw_workbook* book = workbook_new_opt(temp.c_str(), &options);
    if (!book) {
        reason = "cannot create " + temp;
        std::remove(temp.c_str());
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (size_t i = 0; error == LXW_NO_ERROR && i < rows.size() && i < kMaxRows; ++i) {
        const std::vector<std::string>& row = rows[i];
        for (size_t j = 0; error == LXW_NO_ERROR && j < row.size() && j < kMaxColumns; ++j) {
            const std::string& text = row[j];
            if (text.empty()) continue;
            const auto r = static_cast<lxw_row_t>(i);
            const auto c = static_cast<lxw_col_t>(j);
            double number = 0;
            if (WorkbookNumber(text, number)) {
                error = worksheet_write_number(sheet, r, c, number, nullptr);
            } else {
                error = worksheet_write_string(sheet, r, c, text.substr(0, kMaxCellText).c_str(),
                                               nullptr);
            }
        }
    }
    const lxw_error closed = workbook_close(book);
    if (error == LXW_NO_ERROR) error = closed;
    if (error != LXW_NO_ERROR) {
        reason = lxw_strerror(error);
        std::remove(temp.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        reason = ec.message();
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace zel3
