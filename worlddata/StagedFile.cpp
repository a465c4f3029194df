#include "StagedFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace worlddata {

StagedFile::StagedFile(std::string path) : path_(std::move(path)), temporaryPath_(path_ + ".part")
{
    errno = 0;
    file_ = std::fopen(temporaryPath_.c_str(), "wb");
    if (!file_) error_ = temporaryPath_ + ": " + std::strerror(errno);
}

StagedFile::~StagedFile()
{
    if (file_) std::fclose(file_);
    if (!committed_) std::remove(temporaryPath_.c_str());
}

void StagedFile::WriteLine(const std::string& line)
{
    // Line feed only: the import keeps a carriage return as part of the line.
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
        std::fputc('\n', file_) == EOF)
        writeFailed_ = true;
}

bool StagedFile::Commit()
{
    if (!file_) return false;
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (writeFailed_ || !closed) {
        error_ = temporaryPath_ + ": write failed";
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporaryPath_, path_, error);
    if (error) {
        error_ = path_ + ": " + error.message();
        return false;
    }
    committed_ = true;
    return true;
}

}  // namespace worlddata
