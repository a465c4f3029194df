#include "WorldDataImport.h"

#include "CsvConversion.h"
#include "WorldConversion.h"

#include <filesystem>
#include <random>
#include <system_error>

namespace quillmap {

namespace {

namespace fs = std::filesystem;

// Tries this many names before giving up: another folder of the same name is rare.
constexpr int StagingNameTries = 16;

// A folder of its own under the temporary folder, removed with everything in it.
class StagingFolder {
public:
    StagingFolder()
    {
        std::error_code error;
        fs::path temporary = fs::temp_directory_path(error);
        if (error) return;
        std::random_device random;
        for (int tries = 0; tries < StagingNameTries && path_.empty(); ++tries) {
            fs::path candidate = temporary / ("quillmap-world-" + std::to_string(random()));
            if (fs::create_directory(candidate, error)) path_ = candidate;
        }
    }
    ~StagingFolder()
    {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    bool Made() const { return !path_.empty(); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

nav::Expected<worlddata::ConversionSummary> Convert(const WorldDataSet& set,
                                                    const std::string& output,
                                                    const worlddata::ConversionOptions& options)
{
    if (set.format == WorldDataFormat::DatFiles)
        return worlddata::ConvertWorldData(set.apt, set.nav, output, options);
    return worlddata::ConvertCsvWorldData(set.csv, output, options);
}

}  // namespace

nav::Expected<WorldDataImport> ImportWorldData(const WorldDataSet& set,
                                               const std::string& dataDirectory)
{
    WorldDataImport outcome;
    StagingFolder staging;
    if (!staging.Made())
        return nav::Fail("no folder for the converted files could be made in the temporary folder");
    worlddata::ConversionOptions options;
    options.problem = [&outcome](const std::string& message) {
        if (outcome.firstProblems.size() < ProblemsKept) outcome.firstProblems.push_back(message);
        ++outcome.problemCount;
    };
    nav::Expected<worlddata::ConversionSummary> converted =
        Convert(set, staging.Path().string(), options);
    if (!converted) return converted.Failed();
    outcome.conversion = *converted;
    for (nav::ImportKind kind : set.TablesFilled()) {
        std::string path =
            (staging.Path() / (std::string(nav::ImportTableAlias(kind)) + nav::ImportFileExtension))
                .string();
        ImportFile file(path.c_str());
        if (ReadImportSignature(file) != kind)
            return nav::Fail("cannot read the converted file " + path);
        outcome.tables.push_back(ImportRecords(kind, file, dataDirectory));
        if (!outcome.tables.back().tableOpened) break;
    }
    return outcome;
}

}  // namespace quillmap
