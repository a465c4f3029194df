// A file written beside its place first and put in place on Commit, so that a failure
// before then leaves nothing behind and an existing file as it was.
#pragma once

#include <string>

namespace flightplan {

class ReplacingFile {
public:
    // Writes `bytes` to PATH.partial; throws PlanError when it cannot.
    ReplacingFile(std::string path, const std::string& bytes);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void Commit();

private:
    std::string path_;
    std::string partial_;
    bool committed_ = false;
};

}  // namespace flightplan
