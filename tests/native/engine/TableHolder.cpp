// table_holder PATH MODE RELEASE [APPENDS]: a second process for the engine tests. Opens
// PATH in MODE through the engine and prints "opened" or "failed"; then appends APPENDS
// records (NUM "H1", "H2", ...), moves off the last one and prints "appended"; then keeps the
// table open until the file RELEASE exists (at most a minute).
#include "TableEngine.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    if (argc < 4) return 2;
    int area = TableOpen(argv[1], "HELD", std::atoi(argv[2]), SDE_KIND_DBF);
    std::printf(area ? "opened\n" : "failed\n");
    std::fflush(stdout);
    int appends = argc > 4 ? std::atoi(argv[4]) : 0;
    for (int i = 1; area && i <= appends; ++i) {
        RecordAppendBlank();
        FieldReplace("NUM", SDE_TEXT, ("H" + std::to_string(i)).c_str());
    }
    if (appends) {
        RecordGoTop();
        std::printf("appended\n");
        std::fflush(stdout);
    }
    for (int i = 0; i < 6000 && !std::filesystem::exists(argv[3]); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    TableCloseAll();
    return 0;
}
