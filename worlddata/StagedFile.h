// Output files written under temporary names beside their final ones and put in place only
// together by CommitTogether, so that a conversion that stops half-way, or cannot put one of
// them in place, leaves no half-written file and replaces none of the old ones.
#pragma once

#include <cstdio>
#include <initializer_list>
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
    const std::string& Error() const { return error_; }

    // Closes every temporary file and checks every final name (free, or a regular file)
    // before the first file is put in place; should a rename fail after all, the files put
    // in place are taken back and the old ones restored. False with `error` when the files
    // are not in place.
    friend bool CommitTogether(std::initializer_list<StagedFile*> files, std::string& error);

private:
    // Closes the temporary file; false (with Error()) when a write or the close failed.
    bool Close();

    std::string path_;
    std::string temporaryPath_;
    std::string formerPath_;  // where an old file waits while the new ones are put in place
    std::FILE* file_ = nullptr;
    bool writeFailed_ = false;
    bool committed_ = false;
    std::string error_;
};

bool CommitTogether(std::initializer_list<StagedFile*> files, std::string& error);

}  // namespace worlddata
