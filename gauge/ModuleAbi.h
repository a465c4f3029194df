// The binary conventions of a gauge module: the calling convention of every routine the
// simulator and the module call across their boundary, the buttons' callback type, and the
// check of the 32-bit record layouts the simulator reads.
//
// The simulator loads 32-bit modules only, so sizes and offsets are asserted where the build
// makes one (the i686 tree, built on every machine). Elsewhere (native tests, the x86_64
// tree that runs the Windows tests where no 32-bit code runs) the same records compile with
// their natural layout, shared by the host and the gauge built together.
#pragma once

#include <cstdint>

#ifdef _WIN32
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

namespace gauge {

// A button's mouse callback: two words from the host, which it ignores; returns 0.
using MouseCallback = int32_t(GAUGE_CALL*)(uint32_t hostWord1, uint32_t hostWord2);

}  // namespace gauge

#if defined(_WIN32) && !defined(_WIN64)
#define ASSERT_32BIT_LAYOUT(...) static_assert(__VA_ARGS__)
#else
#define ASSERT_32BIT_LAYOUT(...) static_assert(true)
#endif
