// An output file written under a temporary name beside its final one and put in place
// only by Commit, so that a conversion that stops half-way leaves no half-written file.
#pragma once

#include <cstdio>
#include <string>

namespace worlddata {

class StagedFile {
public:
    explicit StagedFile(std::string path);
    ~StagedFile();  // removes the temporary file unless committed
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }
    void WriteLine(const std::string& line);
    // Closes the temporary file and renames it to the final name; false (with Error())
    // when a write, the close or the rename failed.
    bool Commit();
    const std::string& Error() const { return error_; }

private:
    std::string path_;
    std::string temporaryPath_;
    std::FILE* file_ = nullptr;
    bool writeFailed_ = false;
    bool committed_ = false;
    std::string error_;
};

}  // namespace worlddata
