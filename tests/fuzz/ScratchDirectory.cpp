#include "FuzzTargets.h"

#include <cstdlib>
#include <filesystem>

namespace fuzz {

namespace {

// Kept for the whole process, past the destruction of statics, for the removal at exit.
const std::string* MakeScratchDirectory()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillmap-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    // Removed when the process ends normally; libFuzzer ends a crash run with _exit.
    std::atexit([] { std::filesystem::remove_all(ScratchDirectory()); });
    return new std::string(pattern + "/");
}

}  // namespace

const std::string& ScratchDirectory()
{
    static const std::string* directory = MakeScratchDirectory();
    return *directory;
}

}  // namespace fuzz
