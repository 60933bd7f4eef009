#include "dbf/browser_table.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "dbf/table_browser.h"
#include "util/file_prompts.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

std::string TrimRight(const std::string& t) {
    const size_t end = t.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : t.substr(0, end + 1);
}

// Upper case of ASCII letters and of the code page 850 umlauts, for searching.
std::string Folded(const std::string& t) {
    std::string r = UpperAscii(t);
    for (char& c : r) {
        switch (static_cast<unsigned char>(c)) {
            case 0x84:
                c = static_cast<char>(0x8E);
                break;
            case 0x94:
                c = static_cast<char>(0x99);
                break;
            case 0x81:
                c = static_cast<char>(0x9A);
                break;
            case 0x82:
                c = static_cast<char>(0x90);
                break;
            default:
                break;
        }
    }
    return r;
}

bool RecordHolds(const DbfTable& table, const std::string& folded) {
    for (int i = 1; i <= table.FieldCount(); ++i) {
        if (Folded(table.FieldText(i)).find(folded) != std::string::npos) return true;
    }
    return false;
}

bool FileWritable(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool DbfFolderWritable(const std::string& dbfDir) {
    const std::string folder = dbfDir.empty() ? "." : dbfDir;
    const std::string probe = WithBackslash(dbfDir) + kDbfWriteProbe;
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        // Someone else's probe (or a file of that name) is left alone.
        if (errno != EEXIST) return false;
        struct stat st {};
        return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
               ::access(folder.c_str(), W_OK | X_OK) == 0;
    }
    static const char kLine[] = "DBF Write Check\r\n";
    const bool written =
        ::write(fd, kLine, sizeof kLine - 1) == static_cast<ssize_t>(sizeof kLine - 1);
    const bool closed = ::close(fd) == 0;
    const bool removed = ::unlink(probe.c_str()) == 0;
    return written && closed && removed;
}

bool CheckDbfFolderWritable(UiState& ui, const std::string& dbfDir) {
    if (DbfFolderWritable(dbfDir)) return true;
    ShowNote(ui,
             "Sie haben kein Schreibrecht f\x81r das Datenbankverzeichnis. \x8Enderungen und "
             "Erweiterungen werden nicht \x81"
             "bernommen.");
    return false;
}

std::string BrowserTablePath(const std::string& dbfDir, const std::string& name) {
    std::string file = Trim(name);
    if (file.find('.') == std::string::npos) file += ".dbf";
    return WithBackslash(dbfDir) + file;
}

bool OpenBrowserTable(UiState& ui, const std::string& dbfDir, const std::string& tempDir,
                      const std::string& name, DbfTable& table, bool* workingCopy) {
    std::string path = BrowserTablePath(dbfDir, name);
    bool copied = false;
    if (workingCopy) *workingCopy = false;
    if (!CheckFileReadable(ui, path)) return false;
    // What the folder and the file allow decides, not where they lie.
    if (!DbfFolderWritable(dbfDir) || !FileWritable(path)) {
        // Edited in a copy that is not written back.
        namespace fs = std::filesystem;
        const std::string copy = WithBackslash(tempDir) + BaseName(path);
        std::error_code ec;
        // A fresh copy: whatever had that name goes first (a link only loses itself).
        fs::remove(copy, ec);
        fs::copy_file(path, copy, fs::copy_options::none, ec);
        if (!ec) {
            fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add, ec);
            path = copy;
            copied = true;
        }
    }
    BusyScope busy(ui);
    if (!table.OpenTable(path, false, DbfOpenMode::Shared)) {
        ReportDbfError(ui, "DBF Error ", table);
        return false;
    }
    if (workingCopy) *workingCopy = copied;
    return true;
}

std::string BrowserCaption(int kind, const std::string& title1, const std::string& title2,
                           const std::string& fileName) {
    if (kind == 1) return title1 + "   " + title2;
    return title2 + "  " + title1 + "  (" + fileName + ")";
}

std::string RecordLabel(long recno, long count) {
    return std::to_string(recno) + "/" + std::to_string(count);
}

std::vector<BrowserRow> ReadBrowserRows(DbfTable& table) {
    std::vector<BrowserRow> rows;
    if (!table.IsOpen() || table.RecordCount() == 0) return rows;
    const long current = table.AtEnd() ? 0 : table.RecordNumber();
    if (table.GoTop()) {
        while (!table.AtEnd()) {
            BrowserRow row;
            row.recno = table.RecordNumber();
            row.deleted = table.Deleted();
            for (int i = 1; i <= table.FieldCount(); ++i) {
                row.cells.push_back(TrimRight(table.FieldText(i)));
            }
            rows.push_back(std::move(row));
            if (!table.Skip(1)) break;
        }
    }
    if (current > 0) {
        table.GoTo(current);
    } else {
        table.GoTop();
    }
    return rows;
}

bool SearchTable(DbfTable& table, const std::string& text, bool next) {
    if (!table.IsOpen() || table.RecordCount() == 0) return false;
    const long start = table.AtEnd() ? 0 : table.RecordNumber();
    const std::string folded = Folded(text);
    bool moving = next && start > 0 ? table.Skip(1) : table.GoTop();
    while (moving && !table.AtEnd()) {
        if (RecordHolds(table, folded)) return true;
        moving = table.Skip(1);
    }
    if (start > 0) {
        table.GoTo(start);
    } else {
        table.GoTop();
    }
    return false;
}

bool SortTableByField(DbfTable& table, int field, const std::string& tempDir) {
    if (field < 1 || field > table.FieldCount()) return false;
    const long current = table.AtEnd() ? 0 : table.RecordNumber();
    if (!table.IndexOn(table.FieldName(field), WithBackslash(tempDir) + kSortIndexFile)) {
        return false;
    }
    return current > 0 ? table.GoTo(current) : true;
}

}  // namespace zel3
