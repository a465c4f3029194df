// The world data files that one file chosen for import stands for: apt.dat or nav.dat with
// the other of the pair, or a file of the CSV data set with the others of the set, where
// they lie in the same folder. Names are those the files are distributed under, in any case
// (as Windows compares them), each plain or with ".gz" for the compressed file.
#pragma once

#include "CsvConversion.h"
#include "ImportLayout.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmap {

// The files of the sets, each known by the name it is distributed under (FileName).
enum class WorldDataFile {
    AptDat,
    NavDat,
    AirportsCsv,
    RunwaysCsv,
    NavaidsCsv,
    FrequenciesCsv
};

const char* FileName(WorldDataFile file);

enum class WorldDataFormat {
    DatFiles,  // apt.dat and nav.dat
    CsvFiles,  // the CSV data set
};

struct WorldDataSet {
    WorldDataFormat format = WorldDataFormat::DatFiles;
    // DatFiles: the paths, empty for one not at hand.
    std::string apt;
    std::string nav;
    // CsvFiles: the paths, empty for one not at hand. Runways and frequencies are taken
    // only with the airports they belong to.
    worlddata::CsvWorldFiles csv;
    // The files of the set not at hand.
    std::vector<WorldDataFile> missing;
    // Why the set cannot be imported; empty when it can.
    std::string refusal;

    // The tables the set fills, in the order they are imported.
    std::vector<nav::ImportKind> TablesFilled() const;
};

// The set of the chosen file; nothing when its name is none of the world data files' names
// (the file is then taken for an import file).
std::optional<WorldDataSet> WorldDataSetOf(const std::string& chosenPath);

}  // namespace quillmap
