// navdb convert APT.DAT NAV.DAT OUTDIR [--region S W N E] [--ident LIST], and
// navdb convert --csv AIRPORTS.CSV RUNWAYS.CSV NAVAIDS.CSV OUTDIR [--frequencies FILE] and the
// same options: write the import files AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS from the
// world data files.
#include "AsciiText.h"
#include "CsvConversion.h"
#include "NavdbCommand.h"
#include "PlainNumber.h"
#include "WorldConversion.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace navdb {

namespace {

using worlddata::ConversionOptions;
using worlddata::ConversionSummary;

std::optional<double> Degrees(const std::string& text, double limit)
{
    if (!IsPlainNumber(text, true)) return std::nullopt;
    double value = std::strtod(text.c_str(), nullptr);
    if (value < -limit || value > limit) return std::nullopt;
    return value;
}

// The options from `first` on; fails on anything it does not know. `frequencies`, where
// given, takes --frequencies FILE.
nav::Status ReadOptions(const std::vector<std::string>& arguments, std::size_t first,
                        ConversionOptions& options, std::string* frequencies = nullptr)
{
    for (std::size_t at = first; at < arguments.size(); ++at) {
        if (arguments[at] == "--region" && at + 4 < arguments.size()) {
            std::optional<double> values[4];
            for (int i = 0; i < 4; ++i)
                values[i] = Degrees(arguments[at + 1 + i], i % 2 == 0 ? 90 : 180);
            if (!values[0] || !values[1] || !values[2] || !values[3] || *values[0] > *values[2])
                return nav::Fail("--region takes S W N E in degrees (S not above N)");
            options.region = worlddata::Region{*values[0], *values[1], *values[2], *values[3]};
            at += 4;
        } else if (arguments[at] == "--ident" && at + 1 < arguments.size()) {
            std::istringstream list(arguments[++at]);
            for (std::string ident; std::getline(list, ident, ',');)
                if (!ident.empty()) options.idents.insert(nav::Upper(ident));
            // An empty list would keep everything, the opposite of what it asks for.
            if (options.idents.empty())
                return nav::Fail("--ident takes a comma-separated list of identifiers");
        } else if (frequencies && arguments[at] == "--frequencies" && at + 1 < arguments.size()) {
            *frequencies = arguments[++at];
        } else {
            return nav::Fail("unknown or incomplete option " + arguments[at]);
        }
    }
    return {};
}

void PrintResult(const ConversionSummary& result)
{
    if (result.aptVersion > 0)
        std::printf("apt.dat version %d, nav.dat version %d\n", result.aptVersion,
                    result.navVersion);
    std::printf(
        "written: %d airports, %d runways (%d runway ends with their localizer), %d navaids\n",
        result.airports, result.runways, result.localizers, result.navaids);
    int skipped = 0;
    for (const auto& [reason, count] : result.skipped) skipped += count;
    std::printf("skipped: %d\n", skipped + result.malformedRows);
    if (result.malformedRows > 0)
        std::printf("  %d malformed rows (reported above)\n", result.malformedRows);
    for (const auto& [reason, count] : result.skipped)
        std::printf("  %d %s\n", count, reason.c_str());
}

// Runs `convert` with problems on standard error, then prints the counts. The progress
// redraws one line of a terminal; a file or a pipe gets none, so that its lines stay whole.
CommandResult RunConversion(
    ConversionOptions& options,
    const std::function<nav::Expected<ConversionSummary>(const ConversionOptions&)>& convert)
{
    bool progressShown = false;
    if (isatty(STDERR_FILENO)) {
        options.progress = [&progressShown](const std::string& file, int percent) {
            std::fprintf(stderr, "\r%s: %d%%", file.c_str(), percent);
            progressShown = true;
        };
    }
    options.problem = [&progressShown](const std::string& message) {
        std::fprintf(stderr, "%s%s\n", progressShown ? "\n" : "", message.c_str());
        progressShown = false;
    };
    nav::Expected<ConversionSummary> result = convert(options);
    if (progressShown) std::fprintf(stderr, "\n");
    if (!result) return nav::Fail(result.Message() + "; nothing written");
    PrintResult(*result);
    return {};
}

CommandResult RunConvertCommand(const std::vector<std::string>& arguments)
{
    ConversionOptions options;
    if (nav::Status read = ReadOptions(arguments, 3, options); !read)
        return CommandResult::WrongUsage(read.Failed());
    return RunConversion(options, [&arguments](const ConversionOptions& given) {
        return worlddata::ConvertWorldData(arguments[0], arguments[1], arguments[2], given);
    });
}

CommandResult RunConvertCsvCommand(const std::vector<std::string>& arguments)
{
    ConversionOptions options;
    worlddata::CsvWorldFiles files{arguments[0], arguments[1], arguments[2], {}};
    if (nav::Status read = ReadOptions(arguments, 4, options, &files.frequencies); !read)
        return CommandResult::WrongUsage(read.Failed());
    return RunConversion(options, [&files, &arguments](const ConversionOptions& given) {
        return worlddata::ConvertCsvWorldData(files, arguments[3], given);
    });
}

// Registered before plain "convert", which would take "--csv" for a file name.
const CommandRegistration csvRegistration(
    {"convert --csv",
     "AIRPORTS.CSV RUNWAYS.CSV NAVAIDS.CSV OUTDIR [--frequencies AIRPORT-FREQUENCIES.CSV] "
     "[--region S W N E] [--ident LIST]",
     "writes AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS into OUTDIR from the CSV files of "
     "the public-domain world airport data set (any may be gzip-compressed), ATIS and TWR from "
     "the airport frequencies when given; --region and --ident as for apt.dat",
     4, RunConvertCsvCommand, true});

const CommandRegistration
    registration({"convert", "APT.DAT NAV.DAT OUTDIR [--region S W N E] [--ident LIST]",
                  "writes AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS into OUTDIR from "
                  "apt.dat and nav.dat (either may be gzip-compressed), keeping the "
                  "airports and navaids inside the region and, with --ident, those of "
                  "the comma-separated identifiers",
                  3, RunConvertCommand, true});

}  // namespace

}  // namespace navdb
