#include "StagedFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace worlddata {

namespace fs = std::filesystem;

StagedFile::StagedFile(std::string path)
    : path_(std::move(path)), temporaryPath_(path_ + ".part"), formerPath_(path_ + ".old")
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

bool StagedFile::Close()
{
    if (!file_) return false;
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (writeFailed_ || !closed) error_ = temporaryPath_ + ": write failed";
    return !writeFailed_ && closed;
}

bool CommitTogether(std::initializer_list<StagedFile*> files, std::string& error)
{
    for (StagedFile* file : files) {
        if (!file->Close()) {
            error = file->error_;
            return false;
        }
    }
    // A directory or a device in a file's place is neither replaced nor set aside.
    for (StagedFile* file : files) {
        std::error_code code;
        fs::file_status status = fs::status(file->path_, code);
        if (fs::exists(status) && !fs::is_regular_file(status)) {
            error = file->path_ + ": not a regular file";
            return false;
        }
    }
    // The old files are set aside before the first new one is put in place, so that a
    // failure at any step can move back everything moved so far.
    std::vector<StagedFile*> setAside;
    std::vector<StagedFile*> placed;
    auto fail = [&](const StagedFile* file, const std::error_code& code) {
        error = file->path_ + ": " + code.message();
        std::error_code ignored;
        for (const StagedFile* done : placed)
            fs::rename(done->path_, done->temporaryPath_, ignored);
        for (const StagedFile* done : setAside) fs::rename(done->formerPath_, done->path_, ignored);
        return false;
    };
    for (StagedFile* file : files) {
        std::error_code code;
        if (!fs::exists(file->path_, code)) continue;
        fs::rename(file->path_, file->formerPath_, code);
        if (code) return fail(file, code);
        setAside.push_back(file);
    }
    for (StagedFile* file : files) {
        std::error_code code;
        fs::rename(file->temporaryPath_, file->path_, code);
        if (code) return fail(file, code);
        placed.push_back(file);
    }
    for (StagedFile* file : files) file->committed_ = true;
    std::error_code ignored;
    for (const StagedFile* file : setAside) fs::remove(file->formerPath_, ignored);
    return true;
}

}  // namespace worlddata
