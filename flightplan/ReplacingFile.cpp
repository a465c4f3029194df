#include "ReplacingFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "PlanError.h"

namespace flightplan {

namespace {

namespace fs = std::filesystem;

bool NamesTable(const std::string& path)
{
    std::string extension = fs::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == ".DBF" || extension == ".QIX";
}

// Writes the whole of `bytes` to `path` (created or truncated); throws PlanError naming
// `shownPath` otherwise.
void WriteWhole(const std::string& path, const std::string& bytes, const std::string& shownPath)
{
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file) written = std::fclose(file) == 0 && written;
    if (!written) throw PlanError("cannot write " + shownPath + ": " + std::strerror(errno));
}

}  // namespace

ReplacingFile::ReplacingFile(std::string path, const std::string& bytes)
    : path_(std::move(path)), target_(path_)
{
    std::error_code error;
    bool writeThrough = false;
    if (fs::is_symlink(fs::symlink_status(path_, error))) {
        target_ = fs::canonical(path_, error).string();
        // A link to nothing yet: the file is made where it points.
        writeThrough = static_cast<bool>(error);
    }
    if (NamesTable(path_) || NamesTable(target_))
        throw PlanError(path_ + " is a table or a table's index (.DBF, .QIX); routes and plans " +
                        "are not written there");
    const fs::file_status status = fs::status(target_, error);
    if (fs::is_directory(status)) throw PlanError("cannot write " + path_ + ": it is a folder");
    if (writeThrough || (fs::exists(status) && !fs::is_regular_file(status))) {
        bytes_ = bytes;
        return;
    }
    partial_ = target_ + ".partial";
    try {
        WriteWhole(partial_, bytes, path_);
    } catch (const PlanError&) {
        std::remove(partial_.c_str());
        throw;
    }
}

ReplacingFile::~ReplacingFile()
{
    if (!committed_ && !partial_.empty()) std::remove(partial_.c_str());
}

void ReplacingFile::Commit()
{
    if (partial_.empty()) {
        WriteWhole(path_, bytes_, path_);
    } else {
        std::error_code error;
        std::filesystem::rename(partial_, target_, error);
        if (error) throw PlanError("cannot write " + path_ + ": " + error.message());
    }
    committed_ = true;
}

}  // namespace flightplan
