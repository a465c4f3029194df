// engine_bench [DIR]: figures of the table engine on a 50,000-record table shaped like
// AIRPORTS, through the engine's C operations. Each figure is the best of three runs (the
// machines are shared). Prints; never fails on speed.
#include "NavigationTables.h"
#include "TableCreation.h"
#include "TableEngine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int RecordCount = 50000;
using Clock = std::chrono::steady_clock;

constexpr int Runs = 3;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The shortest of `runs` timings of `work`; `prepare` runs untimed before each.
template <class Prepare, class Work>
double BestOf(Prepare prepare, Work work)
{
    double best = 1e9;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        auto start = Clock::now();
        work();
        best = std::min(best, SecondsSince(start));
    }
    return best;
}

std::string NumOf(int i)
{
    char num[16];
    std::snprintf(num, sizeof num, "%08d", i);
    return num;
}

std::string IdOf(int i)
{
    char id[8];
    std::snprintf(id, sizeof id, "K%c%c%c%c", 'A' + i % 26, 'A' + i / 26 % 26, 'A' + i / 676 % 26,
                  'A' + i / 17576 % 26);
    return id;
}

std::string NameOf(int i)
{
    static const char* words[] = {"Springfield", "Riverside", "Fairview", "Madison",
                                  "Georgetown",  "Clinton",   "Franklin", "Greenville",
                                  "Salem",       "Bristol",   "Dover",    "Oakland"};
    return std::string(words[(i * 7) % 12]) + " " + std::string(words[(i / 12) % 12]) + " Field " +
           std::to_string(i);
}

// A spread of record numbers, visited in a scrambled order.
int Scrambled(int i)
{
    return int((static_cast<long long>(i) * 7919) % RecordCount) + 1;
}

void OpenAirports(const std::string& path, int mode)
{
    TableOpen(path.c_str(), nav::AirportsAlias, mode, SDE_KIND_DBF);
    TableSetPassword(nav::TablePassword);
}

void CreateTags()
{
    for (const nav::TagDefinition& tag : nav::AirportsTable.tags)
        IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    std::filesystem::path directory = argc > 1
                                          ? std::filesystem::path(argv[1])
                                          : std::filesystem::temp_directory_path() / "engine-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    std::string path = (directory / "AIRPORTS.DBF").string();
    EngineSetStartFlag(1);

    // Appends, keys only and whole records, with the three tags kept.
    for (bool wholeRecords : {false, true}) {
        auto prepare = [&] {
            TableCloseAll();
            const nav::Status created = sde::CreateTable(path.c_str(), nav::AirportsTable.fields);
            if (!created) std::fprintf(stderr, "%s\n", created.Message().c_str());
            OpenAirports(path, SDE_EXCLUSIVE);
            CreateTags();
        };
        double seconds = BestOf(prepare, [&] {
            for (int i = 1; i <= RecordCount; ++i) {
                RecordAppendBlank();
                FieldReplace("NUM", SDE_TEXT, NumOf(Scrambled(i)).c_str());
                FieldReplace("ID", SDE_TEXT, IdOf(Scrambled(i)).c_str());
                FieldReplace("NAME", SDE_TEXT, NameOf(Scrambled(i)).c_str());
                if (!wholeRecords) continue;
                FieldReplace("COUNTRY", SDE_TEXT, "US");
                FieldReplace("STATE", SDE_TEXT, "MA");
                int values[] = {i % 9000, -14, 0, 42, 21, 30, 0, 71, 5, 12};
                const char* names[] = {"ALT",  "VAR",  "LAT1", "LAT2", "LAT3",
                                       "LAT4", "LON1", "LON2", "LON3", "LON4"};
                for (int f = 0; f < 10; ++f) FieldReplace(names[f], SDE_INTEGER_ALT, &values[f]);
                double atis = 118.25, tower = 119.1;
                FieldReplace("ATIS", SDE_DOUBLE, &atis);
                FieldReplace("TWR", SDE_DOUBLE, &tower);
            }
        });
        auto closing = Clock::now();
        TableCloseAll();
        // The close takes the appended records' keys into the tags and saves them.
        std::printf(
            "append %-28s %10.0f records/s   (then close, tags merged and saved: %.1f ms)\n",
            wholeRecords ? "whole records (17 fields):" : "NUM, ID, NAME, three tags:",
            RecordCount / seconds, SecondsSince(closing) * 1e3);
    }

    OpenAirports(path, SDE_READONLY);
    int found = 0;
    auto none = [] {};
    OrderSet(TagOrder("NUM"));
    double seconds = BestOf([&] { found = 0; },
                            [&] {
                                for (int i = 0; i < RecordCount; ++i)
                                    found += RecordSeek(NumOf(Scrambled(i + 1)).c_str()) != 0;
                            });
    std::printf("seek by NUM:                      %10.2f us   (%d of %d found)\n",
                seconds * 1e6 / RecordCount, found, RecordCount);
    OrderSet(TagOrder("NAME"));
    const char* prefixes[] = {"SPR", "RIVERSIDE F",    "MADISON SALEM",
                              "DOV", "GREENVILLE OAK", "BRISTOL"};
    seconds = BestOf([&] { found = 0; },
                     [&] {
                         for (int i = 0; i < RecordCount; ++i)
                             found += RecordSeek(prefixes[i % 6]) != 0;
                     });
    std::printf("seek by NAME prefix:              %10.2f us   (%d of %d found)\n",
                seconds * 1e6 / RecordCount, found, RecordCount);

    for (int hidden = 0; hidden <= 1; ++hidden) {
        SetDeletedHidden(hidden);
        int visited = 0;
        seconds = BestOf([&] { visited = 0; },
                         [&] {
                             for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
                                 visited += FieldGetString("NAME")[0] != '\0';
                         });
        std::printf("walk in NAME order, reading NAME: %10.1f ms   (%d records, deleted %s)\n",
                    seconds * 1e3, visited, hidden ? "hidden" : "shown");
    }
    SetDeletedHidden(0);
    TableCloseAll();

    const int opens = 2000;
    seconds = BestOf(none, [&] {
        for (int i = 0; i < opens; ++i) {
            OpenAirports(path, SDE_READONLY);
            OrderSet(TagOrder("ID"));
            RecordSeek(IdOf(Scrambled(i + 1)).c_str());
            FieldGetString("NAME");
            TableCloseAll();
        }
    });
    std::printf("open + seek + read + close:       %10.1f us\n", seconds * 1e6 / opens);

    // Marks every hundredth record deleted, on a copy of the table, before each run.
    std::string original = (directory / "ORIGINAL.DBF").string();
    std::filesystem::copy_file(path, original);
    auto markDeleted = [&] {
        std::filesystem::remove(path);
        std::filesystem::copy_file(original, path);
        OpenAirports(path, SDE_SHARED);
        for (int i = 1; i <= RecordCount; i += 100) {
            RecordGoTop();
            RecordSkip(i);
            RecordDelete();
        }
        TableCloseAll();
    };
    seconds = BestOf(markDeleted, [&] {
        OpenAirports(path, SDE_EXCLUSIVE);
        TablePack();
        CreateTags();
        TableFinishIndexing();
        TableCloseAll();
    });
    std::printf("pack + create three tags:         %10.1f ms   (open and close included)\n",
                seconds * 1e3);

    std::filesystem::remove_all(directory);
    return 0;
}
