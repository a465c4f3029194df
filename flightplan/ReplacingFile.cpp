#include "ReplacingFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include "PlanError.h"

namespace flightplan {

ReplacingFile::ReplacingFile(std::string path, const std::string& bytes)
    : path_(std::move(path)), partial_(path_ + ".partial")
{
    std::ofstream file(partial_, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::remove(partial_.c_str());
        throw PlanError("cannot write " + path_);
    }
}

ReplacingFile::~ReplacingFile()
{
    if (!committed_) std::remove(partial_.c_str());
}

void ReplacingFile::Commit()
{
    std::error_code error;
    std::filesystem::rename(partial_, path_, error);
    if (error) throw PlanError("cannot write " + path_ + ": " + error.message());
    committed_ = true;
}

}  // namespace flightplan
