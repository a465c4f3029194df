// Where the route tools write a file (`-o`, `--rte`). A regular file is written beside its
// place first and put in place on Commit, so that a failure before then leaves nothing
// behind and an existing file as it was. A link is followed: the file it names is replaced
// and the link stays. What is not a regular file (a FIFO, a device) is written through on
// Commit, never replaced. Tables and their indexes (.DBF, .QIX) are never written.
#pragma once

#include <string>

namespace flightplan {

class ReplacingFile {
public:
    // Writes `bytes` to the partial file beside the place; throws PlanError when it cannot,
    // when `path` is a folder, or when it names a table or an index.
    ReplacingFile(std::string path, const std::string& bytes);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void Commit();

private:
    std::string path_;     // as given
    std::string target_;   // the file put in place: the path, or what its links name
    std::string partial_;  // empty when the bytes are written through on Commit
    std::string bytes_;    // what is written through
    bool committed_ = false;
};

}  // namespace flightplan
