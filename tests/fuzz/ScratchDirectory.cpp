#include "FuzzTargets.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace fuzz {

namespace {

// Far above any table a run makes; a write past it fails with EFBIG.
constexpr rlim_t kFileSizeLimit = 64 * 1024 * 1024;

// Kept for the whole process, past the destruction of statics, for the removal at exit.
const std::string* MakeScratchDirectory()
{
    rlimit limit{kFileSizeLimit, kFileSizeLimit};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
    std::string pattern = (std::filesystem::temp_directory_path() / "quillmap-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
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
