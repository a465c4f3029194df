// World data figures: a generated world-size apt.dat (35,000 airports with their runways,
// frequencies, metadata and the many taxiway and ground rows that make up most of a real
// file) and nav.dat, converted plain and gzip-compressed with navdb convert's library, then
// imported into copies of the delivered tables. Prints bytes and records per second and the
// peak memory, which stays flat however large the input.
#include "TableEngine.h"
#include "TableEngineStart.h"
#include "TableImport.h"
#include "WorldConversion.h"

#include <sys/resource.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int AirportCount = 35000;
constexpr int GroundRowsPerAirport = 90;  // taxiway, pavement and sign rows, skipped
constexpr int NavaidCount = 20000;
constexpr int LocalizerCount = 3000;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long PeakMemoryKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Writes through zlib, plain or compressed ("wb1" fast, "wT" transparent).
class Output {
public:
    Output(const fs::path& path, const char* mode) : file_(gzopen(path.string().c_str(), mode)) {}
    ~Output() { gzclose(file_); }
    void Line(const char* format, auto... values)
    {
        char line[256];
        int length = std::snprintf(line, sizeof line, format, values...);
        gzwrite(file_, line, static_cast<unsigned>(length));
    }

private:
    gzFile file_;
};

std::string Ident(int number)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string ident = "X";
    for (int i = 0; i < 3; ++i, number /= 26) ident += Letters[number % 26];
    return ident + std::to_string(number % 10);
}

void WriteAptDat(const fs::path& path, const char* mode)
{
    Output out(path, mode);
    std::mt19937 random(1200);
    std::uniform_real_distribution<double> latitude(-60, 70), longitude(-180, 180);
    out.Line("I\n1200 Version - generated for the benchmark\n\n");
    for (int i = 0; i < AirportCount; ++i) {
        double lat = latitude(random), lon = longitude(random);
        out.Line("1 %5d 0 0 %s Generated Airport Number %d\n", i % 9000, Ident(i).c_str(), i);
        out.Line("1302 city Somewhere\n1302 country Generated\n1302 region_code ZZ\n");
        out.Line("1302 datum_lat %.8f\n1302 datum_lon %.8f\n", lat, lon);
        for (int r = 0; r <= i % 3; ++r) {
            out.Line(
                "100 45.00 1 0 0.25 1 2 1 %02d %.8f %.8f 0 0 3 8 1 0 %02d %.8f %.8f 0 0 3 0 0 0\n",
                r * 6 + 1, lat + 0.01 * r, lon, r * 6 + 19, lat + 0.01 * r + 0.03, lon);
        }
        out.Line("1050 128305 ATIS\n1054 118700 TOWER\n1053 121900 GROUND\n");
        for (int g = 0; g < GroundRowsPerAirport; ++g)
            out.Line("111 %.8f %.8f\n", lat + g * 1e-5, lon);
    }
    out.Line("99\n");
}

void WriteNavDat(const fs::path& path, const char* mode)
{
    Output out(path, mode);
    std::mt19937 random(1150);
    std::uniform_real_distribution<double> latitude(-60, 70), longitude(-180, 180);
    out.Line("I\n1150 Version - generated for the benchmark\n\n");
    for (int i = 0; i < NavaidCount; ++i) {
        out.Line("%d %.8f %.8f 100 %d 130 0.000 %s ENRT ZZ GENERATED %s\n", i % 2 ? 3 : 2,
                 latitude(random), longitude(random), i % 2 ? 11000 + i % 800 : 200 + i % 300,
                 Ident(i).substr(1).c_str(), i % 2 ? "VORTAC" : "NDB");
    }
    for (int i = 0; i < LocalizerCount; ++i) {
        out.Line("4 %.8f %.8f 100 %d 18 0.000 I%s %s ZZ 01 ILS-cat-I\n", latitude(random),
                 longitude(random), 10800 + i % 400, Ident(i).substr(2).c_str(), Ident(i).c_str());
    }
    out.Line("99\n");
}

nav::Expected<worlddata::ConversionSummary> Convert(const char* step, const fs::path& apt,
                                                    const fs::path& nav, const fs::path& output)
{
    auto start = std::chrono::steady_clock::now();
    nav::Expected<worlddata::ConversionSummary> result =
        worlddata::ConvertWorldData(apt.string(), nav.string(), output.string(), {});
    double seconds = Seconds(start);
    double megabytes = static_cast<double>(fs::file_size(apt) + fs::file_size(nav)) / 1e6;
    std::printf("%-28s %7.1f MB read %8.3f s %7.1f MB/s %8.0f airports/s  peak memory %ld kB\n",
                step, megabytes, seconds, megabytes / seconds,
                result ? result->airports / seconds : 0.0, PeakMemoryKilobytes());
    return result;
}

}  // namespace

int main()
{
    fs::path directory = fs::temp_directory_path() / "quillmap-world-bench";
    fs::remove_all(directory);
    fs::create_directories(directory / "data");
    for (const auto& entry : fs::directory_iterator(QUILLMAP_DELIVERED_TABLES))
        fs::copy_file(entry.path(), directory / "data" / entry.path().filename());

    auto start = std::chrono::steady_clock::now();
    WriteAptDat(directory / "apt.dat", "wT");
    WriteNavDat(directory / "nav.dat", "wT");
    WriteAptDat(directory / "apt.dat.gz", "wb1");
    WriteNavDat(directory / "nav.dat.gz", "wb1");
    std::printf("generated inputs in %.1f s: apt.dat %.0f MB (%.0f MB compressed)\n",
                Seconds(start), fs::file_size(directory / "apt.dat") / 1e6,
                fs::file_size(directory / "apt.dat.gz") / 1e6);

    nav::Expected<worlddata::ConversionSummary> converted = Convert(
        "convert (plain)", directory / "apt.dat", directory / "nav.dat", directory / "plain");
    nav::Expected<worlddata::ConversionSummary> compressed = Convert(
        "convert (gzip)", directory / "apt.dat.gz", directory / "nav.dat.gz", directory / "gzip");
    if (!converted || !compressed || converted->airports != AirportCount ||
        compressed->airports != AirportCount) {
        std::fprintf(stderr, "world_convert_bench: the conversion did not do what was asked: %s\n",
                     (converted ? compressed : converted).Message().c_str());
        return 1;
    }
    const worlddata::ConversionSummary& plain = *converted;
    std::printf("written: %d airports, %d runways (%d ends with a localizer), %d navaids\n",
                plain.airports, plain.runways, plain.localizers, plain.navaids);

    nav::StartTableEngine(nav::DeletedRecords::Shown);
    std::string dataDirectory = (directory / "data").string() + "/";
    double importSeconds = 0;
    for (const char* name : {"AIRPORTS.GPS", "RUNWAYS.GPS", "NAVAIDS.GPS"}) {
        start = std::chrono::steady_clock::now();
        quillmap::ImportFile file((directory / "plain" / name).string().c_str());
        quillmap::ImportResult result =
            quillmap::ImportRecords(quillmap::ReadImportSignature(file), file, dataDirectory);
        double seconds = Seconds(start);
        importSeconds += seconds;
        std::printf("import %-21s %7d records %8.3f s %8.0f records/s\n", name, result.recordsAdded,
                    seconds, result.recordsAdded / seconds);
    }
    std::printf("whole import of the converted world: %.3f s\n", importSeconds);
    fs::remove_all(directory);
    return 0;
}
