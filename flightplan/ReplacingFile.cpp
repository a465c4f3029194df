#include "ReplacingFile.h"

#include <filesystem>

#include "AsciiText.h"

namespace flightplan {

namespace {

namespace fs = std::filesystem;

constexpr char StagedSuffix[] = ".partial";

bool NamesTable(const std::string& path)
{
    const std::string extension = nav::Upper(fs::path(path).extension().string());
    return extension == ".DBF" || extension == ".QIX";
}

nav::Status CannotWrite(const nav::Status& failure)
{
    return nav::Fail("cannot write " + failure.Message());
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path)
    : path_(path), file_(sde::StagedFile::Following(path, StagedSuffix))
{
}

nav::Status ReplacingFile::Stage(const std::string& bytes)
{
    if (NamesTable(path_) || NamesTable(file_.Path()))
        return nav::Fail(path_ + " is a table or a table's index (.DBF, .QIX); routes and plans " +
                         "are not written there");
    std::error_code error;
    if (fs::is_directory(file_.Path(), error))
        return nav::Fail("cannot write " + path_ + ": it is a folder");
    if (nav::Status created = file_.Create(); !created) return CannotWrite(created);
    file_.Write(bytes);
    if (nav::Status written = file_.FinishWriting(); !written) return CannotWrite(written);
    return {};
}

nav::Status ReplacingFile::Commit()
{
    if (nav::Status placed = file_.PutInPlace(); !placed) return CannotWrite(placed);
    return {};
}

nav::Status WriteReplacingFile(const std::string& path, const std::string& bytes)
{
    ReplacingFile file(path);
    if (nav::Status staged = file.Stage(bytes); !staged) return staged;
    return file.Commit();
}

}  // namespace flightplan
