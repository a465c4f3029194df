// libFuzzer's entry point for one target, named at compile time by FUZZ_TARGET.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::FUZZ_TARGET(data, size);
}
