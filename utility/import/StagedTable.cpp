#include "StagedTable.h"

#include <filesystem>
#include <system_error>

namespace quillmap {

namespace {
constexpr char StagedExtension[] = ".NEW";
}  // namespace

StagedTable::StagedTable(const std::string& tablePath)
    : tablePath_(tablePath),
      stagedPath_(std::filesystem::path(tablePath).replace_extension(StagedExtension).string())
{
}

StagedTable::~StagedTable()
{
    std::error_code ignored;
    if (!placed_) std::filesystem::remove(stagedPath_, ignored);
}

bool StagedTable::Copy()
{
    std::error_code error;
    return std::filesystem::copy_file(tablePath_, stagedPath_,
                                      std::filesystem::copy_options::overwrite_existing, error) &&
           !error;
}

bool StagedTable::PutInPlace()
{
    std::error_code error;
    std::filesystem::rename(stagedPath_, tablePath_, error);
    placed_ = !error;
    return placed_;
}

}  // namespace quillmap
