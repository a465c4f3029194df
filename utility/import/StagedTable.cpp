#include "StagedTable.h"

#include <filesystem>
#include <system_error>

namespace quillmap {

namespace {
constexpr char StagedExtension[] = ".NEW";
}  // namespace

StagedTable::StagedTable(const std::string& tablePath)
    : copy_(tablePath, std::filesystem::path(tablePath).replace_extension(StagedExtension).string())
{
}

nav::Status StagedTable::Copy()
{
    std::error_code error;
    std::filesystem::copy_file(copy_.Path(), copy_.StagedPath(),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) return nav::Fail("cannot copy " + copy_.Path() + ": " + error.message());
    return {};
}

}  // namespace quillmap
