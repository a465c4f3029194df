// The conversion of apt.dat and nav.dat (plain or gzip) into the three import files
// AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS of an output directory.
//
// Both files are read streaming, row by row: memory grows with the number of records
// written (their keys, to keep them unique) and of localizers (to give them to runways),
// not with the size of the files. nav.dat is read first, for the localizers.
#pragma once

#include "Conversion.h"
#include "Result.h"

#include <string>

namespace worlddata {

// The output directory is made when missing, once the files have been found readable. Either
// path may be empty, for a file not at hand: without nav.dat the runways get no localizers
// and NAVAIDS.GPS holds no records; without apt.dat AIRPORTS.GPS and RUNWAYS.GPS hold none.
// A failure says why nothing was written.
nav::Expected<ConversionSummary> ConvertWorldData(const std::string& aptPath,
                                                  const std::string& navPath,
                                                  const std::string& outputDirectory,
                                                  const ConversionOptions& options);

}  // namespace worlddata
