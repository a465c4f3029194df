// A file replaced whole by way of a staged file beside it: the new content is written under
// the staged name, and one rename puts it in the file's place, so that a failure, or a
// process killed at any instant, leaves the file as it was or whole as written, never
// part-way. A staged file that is not put in place is removed. Only a regular file (or
// nothing) is replaced: a folder or a device in the file's place is left alone. Several
// files go in place together, all or none, with PutInPlaceTogether. A file that a user names
// as output (Following) may be a link, a FIFO or a device: the link stays and what it names
// is replaced, and what cannot be replaced is written through.
#pragma once

#include "Result.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace sde {

class StagedFile {
public:
    // `path` is the file replaced; `stagedPath` the name beside it, in the same folder, that
    // the new content is written under, by Write or by any other writer.
    StagedFile(std::string path, std::string stagedPath);
    // Stages the replacement of what `path` names, as that name and `stagedSuffix`: a link is
    // followed and the file it names replaced, the link kept. A FIFO, a device or a link to
    // nothing yet is not replaced: what Write gives is held and written through by PutInPlace.
    static StagedFile Following(const std::string& path, const std::string& stagedSuffix);
    // Removes the staged file unless it was put in place.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    const std::string& Path() const { return path_; }
    const std::string& StagedPath() const { return stagedPath_; }

    // Whether PutInPlace writes through instead of renaming (see Following).
    bool WritesThrough() const { return writesThrough_; }

    // Makes (or empties) the staged file for Write.
    nav::Status Create();
    // Appends to the staged file made by Create; a failure is told by FinishWriting or when
    // the file is put in place.
    void Write(std::string_view bytes);
    // Closes what Write wrote; fails when a write or the close failed.
    nav::Status FinishWriting();

    // Puts the staged file, closed by then, in the file's place by one rename.
    nav::Status PutInPlace();

    // Puts every one of `files` in place, or none of them: the old files are set aside (as
    // PATH.old) before the first new one goes in, and should any step fail, every file moved
    // goes back where it was.
    friend nav::Status PutInPlaceTogether(std::initializer_list<StagedFile*> files);

private:
    StagedFile(std::string path, std::string stagedPath, bool writesThrough);
    nav::Status WriteThrough() const;
    nav::Status CheckPlace() const;

    std::string path_;
    std::string stagedPath_;
    std::FILE* file_ = nullptr;
    bool writeFailed_ = false;
    bool placed_ = false;
    bool writesThrough_ = false;
    std::string heldBytes_;  // what PutInPlace writes through
};

nav::Status PutInPlaceTogether(std::initializer_list<StagedFile*> files);

}  // namespace sde
