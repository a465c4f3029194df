// Where the route tools write a file (`-o`, `--rte`): staged beside its place and put there on
// Commit (sde::StagedFile::Following), so that a failure before then leaves nothing behind and
// an existing file as it was. A link is followed: the file it names is replaced and the link
// stays. What is not a regular file (a FIFO, a device) is written through on Commit, never
// replaced. Tables and their indexes (.DBF, .QIX) and folders are never written.
#pragma once

#include <string>

#include "Result.h"
#include "StagedFile.h"

namespace flightplan {

class ReplacingFile {
public:
    explicit ReplacingFile(const std::string& path);

    // Writes `bytes` beside the place; fails when it cannot, when the path is a folder, or
    // when it names a table or an index.
    nav::Status Stage(const std::string& bytes);
    nav::Status Commit();

private:
    std::string path_;  // as given
    sde::StagedFile file_;
};

// Stages `bytes` for `path` and commits them.
nav::Status WriteReplacingFile(const std::string& path, const std::string& bytes);

}  // namespace flightplan
