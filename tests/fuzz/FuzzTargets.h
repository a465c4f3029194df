// The fuzz targets' entry points. libFuzzer calls them through LibFuzzerEntry.cpp; the
// regression replay test calls them with every kept input. Each returns 0; a fault shows as
// a crash or a sanitizer report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The table engine over a table and index file made from the input, then a run of its
// operations: open, moves, seeks, queries, reads, appends, replaces, deletes, pack, tag
// creation, close and open again.
int FuzzEngine(const std::uint8_t* data, std::size_t size);

// The import line reader over a file of the input's bytes, with the check of import files
// and the column conversions of every line.
int FuzzImportLine(const std::uint8_t* data, std::size_t size);

// The world data conversions over files made from the input (apt.dat and nav.dat, with or
// without their header lines, or the CSV files of the data set, optionally within a region),
// and a check of every line of the import files they write.
int FuzzWorldData(const std::uint8_t* data, std::size_t size);

// The flight-plan readers (GPX, FPL, PLN in XML and INI, chosen by the content) and the
// route file reader over a file of the input's bytes.
int FuzzPlanReaders(const std::uint8_t* data, std::size_t size);

// A folder of this process for the targets' files, made at the first call.
const std::string& ScratchDirectory();

}  // namespace fuzz
