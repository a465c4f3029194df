// peer_bench [DIR]: a world-size AIRPORTS table (34,074 generated records, all 17 fields)
// through our engine and through shapelib's DBF functions, run back to back. Each phase is
// timed three times, alternating between the two, and its median printed with the ratio
// (shapelib's time over ours: above 1, we are faster). shapelib has no index: the phases
// that need one run through our engine only, and the indexed append is set against
// shapelib's plain one. Prints a Markdown table; never fails on speed.
#include "NavigationTables.h"
#include "TableCreation.h"
#include "TableEngine.h"

#include <shapefil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int recordCount = 34074;
constexpr int runs = 3;
using Clock = std::chrono::steady_clock;

// One generated airport: the text, whole-number and decimal fields in the schema's order.
struct Airport {
    std::vector<std::string> texts;
    std::vector<int> wholes;
    std::vector<double> decimals;
};

std::vector<Airport> GenerateAirports()
{
    static const char* words[] = {"Springfield", "Riverside", "Fairview", "Madison",
                                  "Georgetown",  "Clinton",   "Franklin", "Greenville",
                                  "Salem",       "Bristol",   "Dover",    "Oakland"};
    std::vector<Airport> airports(recordCount);
    for (int i = 0; i < recordCount; ++i) {
        // Keys in a scrambled order, as an import file lists them.
        int key = int((static_cast<long long>(i) * 7919) % recordCount) + 1;
        char num[16], id[8];
        std::snprintf(num, sizeof num, "%08d", key);
        std::snprintf(id, sizeof id, "K%c%c%c%c", 'A' + key % 26, 'A' + key / 26 % 26,
                      'A' + key / 676 % 26, 'A' + key / 17576 % 26);
        std::string name = std::string(words[key * 7 % 12]) + " " + words[key / 12 % 12] +
                           " Field " + std::to_string(key);
        airports[i].texts = {num, id, name, "US", "MA"};
        airports[i].wholes = {key % 9000,    -14,          0, 42, key % 60, key * 7 % 60, 0, 71,
                              key * 11 % 60, key * 13 % 60};
        airports[i].decimals = {118.25 + key % 50 * 0.05, 119.1};
    }
    return airports;
}

double SecondsOf(const std::function<void()>& work)
{
    auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class PeerBench {
public:
    explicit PeerBench(const std::filesystem::path& directory)
        : ours_((directory / "AIRPORTS.DBF").string()),
          original_((directory / "ORIGINAL.DBF").string()),
          theirs_((directory / "SHAPELIB.DBF").string()), airports_(GenerateAirports())
    {
    }

    void AppendThroughOurEngine(bool withTags)
    {
        TableCloseAll();
        const nav::Status created = sde::CreateTable(ours_.c_str(), nav::AirportsTable.fields);
        if (!created) std::fprintf(stderr, "%s\n", created.Message().c_str());
        TableOpen(ours_.c_str(), nav::AirportsAlias, SDE_EXCLUSIVE, SDE_KIND_DBF);
        TableSetPassword(nav::TablePassword);
        if (withTags) CreateTags();
        for (const Airport& airport : airports_) {
            RecordAppendBlank();
            size_t text = 0, whole = 0, decimal = 0;
            for (const nav::FieldDefinition& f : nav::AirportsTable.fields) {
                if (f.type == 'C')
                    FieldReplace(f.name, SDE_TEXT, airport.texts[text++].c_str());
                else if (f.decimals)
                    FieldReplace(f.name, SDE_DOUBLE, &airport.decimals[decimal++]);
                else
                    FieldReplace(f.name, SDE_INTEGER, &airport.wholes[whole++]);
            }
        }
        TableCloseAll();
    }

    void AppendThroughShapelib()
    {
        DBFHandle table = DBFCreate(theirs_.c_str());
        for (const nav::FieldDefinition& f : nav::AirportsTable.fields)
            DBFAddField(table, f.name,
                        f.type == 'C' ? FTString
                        : f.decimals  ? FTDouble
                                      : FTInteger,
                        f.width, f.decimals);
        for (int record = 0; record < recordCount; ++record) {
            const Airport& airport = airports_[record];
            int field = 0;
            size_t text = 0, whole = 0, decimal = 0;
            for (const nav::FieldDefinition& f : nav::AirportsTable.fields) {
                if (f.type == 'C')
                    DBFWriteStringAttribute(table, record, field, airport.texts[text++].c_str());
                else if (f.decimals)
                    DBFWriteDoubleAttribute(table, record, field, airport.decimals[decimal++]);
                else
                    DBFWriteIntegerAttribute(table, record, field, airport.wholes[whole++]);
                ++field;
            }
        }
        DBFClose(table);
    }

    void SeekEveryNum()
    {
        TableOpen(ours_.c_str(), nav::AirportsAlias, SDE_READONLY, SDE_KIND_DBF);
        TableSetPassword(nav::TablePassword);
        OrderSet(TagOrder(nav::NumTag));
        int found = 0;
        for (const Airport& airport : airports_)
            found += RecordSeek(airport.texts[0].c_str()) != 0 && FieldGetString("NAME")[0] != '\0';
        TableCloseAll();
        if (found != recordCount)
            std::fprintf(stderr, "peer_bench: %d of %d seeks found\n", found, recordCount);
    }

    // Every hundredth record marked deleted on a copy of the indexed table, untimed (the seeks
    // find them all the same: deleted records are shown).
    void MarkForPack()
    {
        std::filesystem::copy_file(original_, ours_,
                                   std::filesystem::copy_options::overwrite_existing);
        TableOpen(ours_.c_str(), nav::AirportsAlias, SDE_SHARED, SDE_KIND_DBF);
        RecordGoTop();
        for (int i = 0; i < recordCount && !RecordAtEof(); ++i) {
            if (i % 100 == 0) RecordDelete();
            RecordSkip(1);
        }
        TableCloseAll();
    }

    void PackAndRebuild()
    {
        TableOpen(ours_.c_str(), nav::AirportsAlias, SDE_EXCLUSIVE, SDE_KIND_DBF);
        TableSetPassword(nav::TablePassword);
        TablePack();
        CreateTags();
        TableFinishIndexing();
        TableCloseAll();
    }

    void KeepIndexedTable()
    {
        std::filesystem::copy_file(ours_, original_,
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    static void CreateTags()
    {
        for (const nav::TagDefinition& tag : nav::AirportsTable.tags)
            IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
    }

    std::string ours_, original_, theirs_;
    std::vector<Airport> airports_;
};

void PrintRow(const char* phase, double ours, double theirs, const char* note = "")
{
    if (theirs > 0)
        std::printf("| %s | %.3f s | %.3f s | %.2f%s |\n", phase, ours, theirs, theirs / ours,
                    note);
    else
        std::printf("| %s | %.3f s | n/a | |\n", phase, ours);
}

}  // namespace

int main(int argc, char** argv)
{
    std::filesystem::path directory = argc > 1
                                          ? std::filesystem::path(argv[1])
                                          : std::filesystem::temp_directory_path() / "peer-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    EngineSetStartFlag(1);
    PeerBench bench(directory);

    std::vector<double> plain, shapelib, indexed, seeks, packs;
    for (int run = 0; run < runs; ++run) {
        plain.push_back(SecondsOf([&] { bench.AppendThroughOurEngine(false); }));
        shapelib.push_back(SecondsOf([&] { bench.AppendThroughShapelib(); }));
        indexed.push_back(SecondsOf([&] { bench.AppendThroughOurEngine(true); }));
    }
    bench.KeepIndexedTable();
    for (int run = 0; run < runs; ++run) {
        bench.MarkForPack();
        seeks.push_back(SecondsOf([&] { bench.SeekEveryNum(); }));
        packs.push_back(SecondsOf([&] { bench.PackAndRebuild(); }));
    }

    std::printf("World-size AIRPORTS, %d records of 17 fields; median of %d runs; ratio = shapelib "
                "/ ours\n\n",
                recordCount, runs);
    std::printf("| phase | our engine | shapelib | ratio |\n|---|---|---|---|\n");
    PrintRow("create + append + close, no index", Median(plain), Median(shapelib));
    PrintRow("same, three tags kept during the append", Median(indexed), Median(shapelib),
             " (against shapelib without index)");
    char seekPhase[64];
    std::snprintf(seekPhase, sizeof seekPhase, "open + %d seeks by NUM reading NAME", recordCount);
    PrintRow(seekPhase, Median(seeks), 0);
    PrintRow("pack + rebuild three tags", Median(packs), 0);
    std::filesystem::remove_all(directory);
    return 0;
}
