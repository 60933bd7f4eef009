#include "dbf/dbf_work_areas.h"

#include "util/text.h"

namespace zel3 {

namespace {

std::string AliasOf(const std::string& file, const std::string& alias) {
    if (!alias.empty()) return alias;
    const size_t slash = file.find_last_of('/');
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace

int DbfWorkAreas::Open(const std::string& file, bool hideDeleted, DbfOpenMode mode,
                       const std::string& alias) {
    error_ = DbfError::None;
    errorText_.clear();
    const std::string wanted = UpperAscii(AliasOf(file, alias));
    int free = 0;
    for (int i = kAreas; i >= 1; --i) {
        const auto& t = areas_[static_cast<size_t>(i - 1)];
        if (!t) {
            free = i;
        } else if (UpperAscii(t->Alias()) == wanted) {
            error_ = DbfError::AliasInUse;
            errorText_ = DbfErrorText(error_, AliasOf(file, alias)) + " [OpenTable]";
            return 0;
        }
    }
    if (free == 0) {
        error_ = DbfError::NoWorkArea;
        errorText_ = DbfErrorText(error_, "") + " [OpenTable]";
        return 0;
    }
    auto table = std::make_unique<DbfTable>();
    if (!table->OpenTable(file, hideDeleted, mode, alias)) {
        error_ = table->ErrorCode();
        errorText_ = table->ErrorText();
        return 0;
    }
    areas_[static_cast<size_t>(free - 1)] = std::move(table);
    return free;
}

void DbfWorkAreas::Close(int area) {
    if (area >= 1 && area <= kAreas) areas_[static_cast<size_t>(area - 1)].reset();
}

void DbfWorkAreas::CloseAll() {
    for (auto& a : areas_) a.reset();
}

DbfTable* DbfWorkAreas::Table(int area) {
    if (area < 1 || area > kAreas) return nullptr;
    return areas_[static_cast<size_t>(area - 1)].get();
}

}  // namespace zel3
