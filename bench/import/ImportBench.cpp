// Import and rebuild figures on world-size files: 34,074 generated airport lines that ask
// for the computed variation, 33,721 runway lines and 11,590 navaid lines imported into
// copies of the delivered tables, the runways once more (replacing every stored one), then
// every table rebuilt. Prints records per second for each step.
#include "TableEngine.h"
#include "TableEngineStart.h"
#include "TableImport.h"
#include "TableRebuild.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using namespace quillmap;

namespace {

constexpr int AirportCount = 34074;
constexpr int RunwayCount = 33721;
constexpr int NavaidCount = 11590;

std::string Number(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

void Put(std::string& line, std::size_t offset, const std::string& text)
{
    if (line.size() < offset + text.size()) line.resize(offset + text.size(), ' ');
    line.replace(offset, text.size(), text);
}

// The numbers 1..count in a random order.
std::vector<int> ShuffledNums(int count, std::mt19937& random)
{
    std::vector<int> nums(count);
    std::iota(nums.begin(), nums.end(), 1);
    std::shuffle(nums.begin(), nums.end(), random);
    return nums;
}

// A position anywhere on the globe in the import columns: "0 47 26 51 0 122 18 28".
std::string PositionText(std::mt19937& random)
{
    std::uniform_int_distribution<int> latitude(0, 89), longitude(0, 179), sixty(0, 59), half(0, 1);
    std::string text = std::to_string(half(random));
    for (int part : {latitude(random), sixty(random), sixty(random)}) text += " " + Number(part, 2);
    text += " " + std::to_string(half(random));
    text += " " + Number(longitude(random), 3);
    for (int part : {sixty(random), sixty(random)}) text += " " + Number(part, 2);
    return text;
}

// Airports in shuffled NUM order at positions all over the globe, each with "A" for VAR.
std::string AirportFile(std::mt19937& random)
{
    std::string file = "IMPORT A\r\ngenerated airports\r\n\r\n";
    for (int num : ShuffledNums(AirportCount, random)) {
        std::string line;
        Put(line, 0, Number(num, 8));
        Put(line, 9, "X");
        Put(line, 10, Number(num % 100000, 5));
        Put(line, 15, "Generated airport " + std::to_string(num));
        Put(line, 61, "ZZ");
        Put(line, 65, "ZZ");
        Put(line, 70, Number(num % 9000, 5));
        Put(line, 76, "A");
        Put(line, 80, PositionText(random));
        Put(line, 103, "118.30");
        Put(line, 110, "121.90");
        file += line + "\r\n";
    }
    return file;
}

// Runways in groups of one to three per airport.
std::string RunwayFile(std::mt19937& random)
{
    std::uniform_int_distribution<int> perAirport(1, 3);
    std::string file = "IMPORT R\r\ngenerated runways\r\n\r\n";
    int written = 0;
    for (int airport = 1; written < RunwayCount; ++airport) {
        for (int i = perAirport(random); i > 0 && written < RunwayCount; --i, ++written) {
            std::string line;
            Put(line, 0, Number(airport, 8));
            Put(line, 9, Number(i * 6, 2) + "/" + Number(i * 6 + 18, 2));
            Put(line, 27, Number(3000 + written % 9000, 5));
            Put(line, 37, "ASPH");
            Put(line, 46, "generated");
            Put(line, 67, "IXYZ");
            Put(line, 71, Number(i * 6, 2));
            Put(line, 75, "110.30");
            file += line + "\r\n";
        }
    }
    return file;
}

// Navaids in shuffled NUM order, VOR-DMEs all over the globe.
std::string NavaidFile(std::mt19937& random)
{
    std::string file = "IMPORT N\r\ngenerated navaids\r\n\r\n";
    for (int num : ShuffledNums(NavaidCount, random)) {
        std::string line;
        Put(line, 0, Number(num, 8));
        Put(line, 9, "N" + Number(num % 100000, 5));
        Put(line, 15, "Generated navaid " + std::to_string(num));
        Put(line, 61, PositionText(random));
        Put(line, 84, Number(num % 9000, 5));
        Put(line, 90, "114.00");
        Put(line, 97, "VORDME");
        file += line + "\r\n";
    }
    return file;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void Report(const char* step, int records, double seconds)
{
    std::printf("%-30s %6d records %8.3f s %10.0f records/s\n", step, records, seconds,
                records / seconds);
}

}  // namespace

int main()
{
    namespace fs = std::filesystem;
    fs::path directory = fs::temp_directory_path() / "quillmap-import-bench";
    fs::remove_all(directory);
    fs::create_directories(directory);
    for (const auto& entry : fs::directory_iterator(QUILLMAP_DELIVERED_TABLES))
        fs::copy_file(entry.path(), directory / entry.path().filename());
    std::string dataDirectory = directory.string() + "/";

    std::mt19937 random(1997);
    std::ofstream(directory / "AIRPORTS.GPS", std::ios::binary) << AirportFile(random);
    std::ofstream(directory / "RUNWAYS.GPS", std::ios::binary) << RunwayFile(random);
    std::ofstream(directory / "NAVAIDS.GPS", std::ios::binary) << NavaidFile(random);

    nav::StartTableEngine(nav::DeletedRecords::Shown);
    auto import = [&](const char* name) {
        ImportFile file((directory / name).string().c_str());
        nav::ImportKind kind = ReadImportSignature(file);
        return ImportRecords(kind, file, dataDirectory);
    };

    auto start = std::chrono::steady_clock::now();
    ImportResult airports = import("AIRPORTS.GPS");
    double airportSeconds = Seconds(start);
    start = std::chrono::steady_clock::now();
    ImportResult runways = import("RUNWAYS.GPS");
    double runwaySeconds = Seconds(start);
    start = std::chrono::steady_clock::now();
    ImportResult navaids = import("NAVAIDS.GPS");
    double navaidSeconds = Seconds(start);
    // Again, so that every airport's runways replace stored ones.
    start = std::chrono::steady_clock::now();
    ImportResult replaced = import("RUNWAYS.GPS");
    double replaceSeconds = Seconds(start);
    start = std::chrono::steady_clock::now();
    std::vector<RebuildOutcome> rebuilt = RebuildNavigationTables(dataDirectory);
    double rebuildSeconds = Seconds(start);

    if (!airports.tableOpened || !runways.tableOpened || !navaids.tableOpened ||
        airports.recordsAdded != AirportCount || runways.recordsAdded != RunwayCount ||
        navaids.recordsAdded != NavaidCount || replaced.runwaysReplaced != RunwayCount) {
        std::fprintf(stderr, "import_bench: the import did not do what was asked\n");
        return 1;
    }
    Report("airports with computed VAR", AirportCount, airportSeconds);
    Report("runways into an empty table", RunwayCount, runwaySeconds);
    Report("navaids into an empty table", NavaidCount, navaidSeconds);
    Report("runways replacing stored ones", RunwayCount, replaceSeconds);
    Report("rebuild of all tables", AirportCount + RunwayCount + NavaidCount, rebuildSeconds);
    std::printf("whole import (airports + runways + navaids): %.3f s (aim < 0.5 s); rebuild %.3f s "
                "(aim < 0.5 s)\n",
                airportSeconds + runwaySeconds + navaidSeconds, rebuildSeconds);
    for (const RebuildOutcome& outcome : rebuilt) {
        if (!outcome.opened) std::printf("rebuild could not open %s\n", outcome.file.c_str());
    }
    fs::remove_all(directory);
    return 0;
}
