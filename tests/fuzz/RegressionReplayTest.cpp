// Every input that once made a fuzz target crash, replayed through the same entry point:
// under the sanitizers of the native tree a fault that comes back fails here.
#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The kept inputs of one target, in name order.
std::vector<std::filesystem::path> Regressions(const char* target)
{
    const char* source = std::getenv("QUILLMAP_SOURCE_DIR");
    EXPECT_NE(source, nullptr);
    std::vector<std::filesystem::path> inputs;
    const std::filesystem::path folder =
        std::filesystem::path(source ? source : ".") / "tests/fuzz/regressions" / target;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

void Replay(const char* target, int (*entry)(const std::uint8_t*, std::size_t))
{
    for (const std::filesystem::path& input : Regressions(target)) {
        SCOPED_TRACE(input.filename().string());
        std::ifstream file(input, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        EXPECT_EQ(entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    }
}

TEST(FuzzRegressions, Engine)
{
    Replay("engine", fuzz::FuzzEngine);
}
TEST(FuzzRegressions, ImportLine)
{
    Replay("import_line", fuzz::FuzzImportLine);
}
TEST(FuzzRegressions, WorldData)
{
    Replay("world_data", fuzz::FuzzWorldData);
}
TEST(FuzzRegressions, PlanReaders)
{
    Replay("plan_readers", fuzz::FuzzPlanReaders);
}

}  // namespace
