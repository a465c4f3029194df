#include "WorldDataSet.h"

#include "AsciiText.h"

#include <cstdio>
#include <string_view>

namespace quillmap {

namespace {

struct FileNamed {
    WorldDataFile file;
    std::string_view name;
    WorldDataFormat format;
};

constexpr FileNamed FileNames[] = {
    {WorldDataFile::AptDat, "apt.dat", WorldDataFormat::DatFiles},
    {WorldDataFile::NavDat, "nav.dat", WorldDataFormat::DatFiles},
    {WorldDataFile::AirportsCsv, "airports.csv", WorldDataFormat::CsvFiles},
    {WorldDataFile::RunwaysCsv, "runways.csv", WorldDataFormat::CsvFiles},
    {WorldDataFile::NavaidsCsv, "navaids.csv", WorldDataFormat::CsvFiles},
    {WorldDataFile::FrequenciesCsv, "airport-frequencies.csv", WorldDataFormat::CsvFiles},
};

constexpr std::string_view CompressedSuffix = ".gz";

// Where the file name begins, after the folder (either separator).
std::size_t NameStart(const std::string& path)
{
    std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

const FileNamed* FileOfName(const std::string& name)
{
    const std::string lower = nav::Lower(name);
    for (const FileNamed& file : FileNames) {
        if (lower == file.name || lower == std::string(file.name) + std::string(CompressedSuffix))
            return &file;
    }
    return nullptr;
}

// Looked for as the conversion will read it: through the C library, whose file names
// Windows takes in any case.
bool Readable(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) std::fclose(file);
    return file != nullptr;
}

class SetFolder {
public:
    SetFolder(const std::string& chosenPath, const FileNamed& chosen)
        : chosenPath_(chosenPath), chosen_(chosen),
          folder_(chosenPath.substr(0, NameStart(chosenPath)))
    {
    }

    // The file of the set: the chosen one, else the plain file of its name in the folder, else
    // the compressed one; empty (and listed as missing) when there is none.
    std::string PathOf(WorldDataFile file, std::vector<WorldDataFile>& missing) const
    {
        if (file == chosen_.file) return chosenPath_;
        std::string plain = folder_ + FileName(file);
        for (const std::string& candidate : {plain, plain + std::string(CompressedSuffix)}) {
            if (Readable(candidate)) return candidate;
        }
        missing.push_back(file);
        return {};
    }

private:
    std::string chosenPath_;
    const FileNamed& chosen_;
    std::string folder_;
};

}  // namespace

const char* FileName(WorldDataFile file)
{
    for (const FileNamed& named : FileNames) {
        if (named.file == file) return named.name.data();
    }
    return "";
}

std::vector<nav::ImportKind> WorldDataSet::TablesFilled() const
{
    bool airports = format == WorldDataFormat::DatFiles ? !apt.empty() : !csv.airports.empty();
    bool runways = format == WorldDataFormat::DatFiles ? !apt.empty() : !csv.runways.empty();
    bool navaids = format == WorldDataFormat::DatFiles ? !nav.empty() : !csv.navaids.empty();
    std::vector<nav::ImportKind> tables;
    if (airports) tables.push_back(nav::ImportKind::Airports);
    if (runways) tables.push_back(nav::ImportKind::Runways);
    if (navaids) tables.push_back(nav::ImportKind::Navaids);
    return tables;
}

std::optional<WorldDataSet> WorldDataSetOf(const std::string& chosenPath)
{
    const FileNamed* chosen = FileOfName(chosenPath.substr(NameStart(chosenPath)));
    if (!chosen) return std::nullopt;

    SetFolder folder(chosenPath, *chosen);
    WorldDataSet set;
    set.format = chosen->format;
    if (set.format == WorldDataFormat::DatFiles) {
        set.apt = folder.PathOf(WorldDataFile::AptDat, set.missing);
        set.nav = folder.PathOf(WorldDataFile::NavDat, set.missing);
        return set;
    }
    worlddata::CsvWorldFiles& csv = set.csv;
    csv.airports = folder.PathOf(WorldDataFile::AirportsCsv, set.missing);
    csv.runways = folder.PathOf(WorldDataFile::RunwaysCsv, set.missing);
    csv.navaids = folder.PathOf(WorldDataFile::NavaidsCsv, set.missing);
    csv.frequencies = folder.PathOf(WorldDataFile::FrequenciesCsv, set.missing);
    if (csv.airports.empty()) {
        // Without their airports every runway would be skipped and no frequency used.
        csv.runways.clear();
        csv.frequencies.clear();
        if (chosen->file == WorldDataFile::RunwaysCsv ||
            chosen->file == WorldDataFile::FrequenciesCsv)
            set.refusal = std::string(chosen->name) +
                          " is imported with the airports it belongs to, but " +
                          FileName(WorldDataFile::AirportsCsv) + " is not in its folder.";
    }
    return set;
}

}  // namespace quillmap
