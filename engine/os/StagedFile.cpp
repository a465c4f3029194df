#include "StagedFile.h"

#include "OsFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace sde {

namespace fs = std::filesystem;

namespace {

// Where an old file waits while the new ones of PutInPlaceTogether go in.
std::string FormerPath(const StagedFile& file)
{
    return file.Path() + ".old";
}

}  // namespace

StagedFile::StagedFile(std::string path, std::string stagedPath)
    : path_(std::move(path)), stagedPath_(std::move(stagedPath))
{
}

StagedFile::StagedFile(std::string path, std::string stagedPath, bool writesThrough)
    : path_(std::move(path)), stagedPath_(std::move(stagedPath)), writesThrough_(writesThrough)
{
}

StagedFile StagedFile::Following(const std::string& path, const std::string& stagedSuffix)
{
    std::error_code code;
    std::string target = path;
    if (fs::is_symlink(fs::symlink_status(path, code))) {
        target = fs::canonical(path, code).string();
        // Opening the link makes the file it names.
        if (code) return StagedFile(path, {}, true);
    }
    const fs::file_status status = fs::status(target, code);
    const bool writesThrough = fs::exists(status) && !fs::is_regular_file(status);
    return StagedFile(target, writesThrough ? std::string() : target + stagedSuffix, writesThrough);
}

StagedFile::~StagedFile()
{
    if (file_) std::fclose(file_);
    if (!placed_ && !writesThrough_) OsFile::RemoveFile(stagedPath_);
}

nav::Status StagedFile::Create()
{
    heldBytes_.clear();
    if (writesThrough_) return {};
    if (file_) std::fclose(file_);
    errno = 0;
    file_ = std::fopen(stagedPath_.c_str(), "wb");
    writeFailed_ = false;
    if (!file_) return nav::Fail(stagedPath_ + ": " + std::strerror(errno));
    return {};
}

void StagedFile::Write(std::string_view bytes)
{
    if (writesThrough_) {
        heldBytes_ += bytes;
        return;
    }
    if (!file_ || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        writeFailed_ = true;
}

nav::Status StagedFile::FinishWriting()
{
    if (file_) {
        writeFailed_ = std::fclose(file_) != 0 || writeFailed_;
        file_ = nullptr;
    }
    if (writeFailed_) return nav::Fail(stagedPath_ + ": write failed");
    return {};
}

nav::Status StagedFile::CheckPlace() const
{
    std::error_code code;
    const fs::file_status status = fs::status(path_, code);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return nav::Fail(path_ + ": not a regular file");
    return {};
}

nav::Status StagedFile::WriteThrough() const
{
    errno = 0;
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    bool written =
        file && std::fwrite(heldBytes_.data(), 1, heldBytes_.size(), file) == heldBytes_.size();
    if (file) written = std::fclose(file) == 0 && written;
    if (!written) return nav::Fail(path_ + ": " + std::strerror(errno));
    return {};
}

nav::Status StagedFile::PutInPlace()
{
    if (writesThrough_) {
        nav::Status written = WriteThrough();
        placed_ = written.Ok();
        return written;
    }
    nav::Status ready = FinishWriting();
    if (ready) ready = CheckPlace();
    if (ready) ready = OsFile::PutInPlace(stagedPath_, path_);
    placed_ = ready.Ok();
    return ready;
}

nav::Status PutInPlaceTogether(std::initializer_list<StagedFile*> files)
{
    for (StagedFile* file : files) {
        if (nav::Status written = file->FinishWriting(); !written) return written;
    }
    for (StagedFile* file : files) {
        if (nav::Status place = file->CheckPlace(); !place) return place;
    }
    std::vector<const StagedFile*> setAside;
    std::vector<const StagedFile*> placed;
    auto undo = [&](const nav::Status& failure) {
        for (const StagedFile* done : placed) {
            static_cast<void>(OsFile::PutInPlace(done->path_, done->stagedPath_));
        }
        for (const StagedFile* done : setAside) {
            static_cast<void>(OsFile::PutInPlace(FormerPath(*done), done->path_));
        }
        return failure;
    };
    for (const StagedFile* file : files) {
        std::error_code code;
        if (!fs::exists(file->path_, code)) continue;
        nav::Status moved = OsFile::PutInPlace(file->path_, FormerPath(*file));
        if (!moved) return undo(moved);
        setAside.push_back(file);
    }
    for (const StagedFile* file : files) {
        nav::Status moved = OsFile::PutInPlace(file->stagedPath_, file->path_);
        if (!moved) return undo(moved);
        placed.push_back(file);
    }
    for (StagedFile* file : files) file->placed_ = true;
    for (const StagedFile* file : setAside) OsFile::RemoveFile(FormerPath(*file));
    return {};
}

}  // namespace sde
