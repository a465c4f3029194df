// navdb convert APT.DAT NAV.DAT OUTDIR [--region S W N E] [--ident LIST]: writes the
// import files AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS from the world data files.
#include "NavdbCommand.h"
#include "WorldConversion.h"

#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace navdb {

namespace {

using quillmap::ConversionOptions;
using quillmap::ConversionResult;

std::optional<double> Degrees(const std::string& text, double limit)
{
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || value < -limit || value > limit) return std::nullopt;
    return value;
}

// The options after the three file arguments; false on anything it does not know.
bool ReadOptions(const std::vector<std::string>& arguments, ConversionOptions& options)
{
    for (std::size_t at = 3; at < arguments.size(); ++at) {
        if (arguments[at] == "--region" && at + 4 < arguments.size()) {
            std::optional<double> values[4];
            for (int i = 0; i < 4; ++i)
                values[i] = Degrees(arguments[at + 1 + i], i % 2 == 0 ? 90 : 180);
            if (!values[0] || !values[1] || !values[2] || !values[3] || *values[0] > *values[2]) {
                std::fprintf(stderr,
                             "navdb convert: --region takes S W N E in degrees (S not above N)\n");
                return false;
            }
            options.region = quillmap::Region{*values[0], *values[1], *values[2], *values[3]};
            at += 4;
        } else if (arguments[at] == "--ident" && at + 1 < arguments.size()) {
            std::istringstream list(arguments[++at]);
            for (std::string ident; std::getline(list, ident, ',');) {
                for (char& c : ident)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                if (!ident.empty()) options.idents.insert(ident);
            }
        } else {
            std::fprintf(stderr, "navdb convert: unknown or incomplete option %s\n",
                         arguments[at].c_str());
            return false;
        }
    }
    return true;
}

void PrintResult(const ConversionResult& result)
{
    std::printf("apt.dat version %d, nav.dat version %d\n", result.aptVersion, result.navVersion);
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

int RunConvertCommand(const std::vector<std::string>& arguments)
{
    ConversionOptions options;
    if (!ReadOptions(arguments, options)) return 2;
    bool progressShown = false;
    options.progress = [&progressShown](const std::string& file, int percent) {
        std::fprintf(stderr, "\r%s: %d%%", file.c_str(), percent);
        progressShown = true;
    };
    options.problem = [&progressShown](const std::string& message) {
        std::fprintf(stderr, "%s%s\n", progressShown ? "\n" : "", message.c_str());
        progressShown = false;
    };
    ConversionResult result =
        quillmap::ConvertWorldData(arguments[0], arguments[1], arguments[2], options);
    if (progressShown) std::fprintf(stderr, "\n");
    if (!result.succeeded) {
        std::fprintf(stderr, "navdb convert: %s; nothing written\n", result.error.c_str());
        return 1;
    }
    PrintResult(result);
    return 0;
}

const CommandRegistration
    registration({"convert", "APT.DAT NAV.DAT OUTDIR [--region S W N E] [--ident LIST]",
                  "writes AIRPORTS.GPS, RUNWAYS.GPS and NAVAIDS.GPS into OUTDIR from "
                  "apt.dat and nav.dat (either may be gzip-compressed), keeping the "
                  "airports and navaids inside the region and, with --ident, those of "
                  "the comma-separated identifiers",
                  3, RunConvertCommand, true});

}  // namespace

}  // namespace navdb
