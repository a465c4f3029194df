// navdb.exe writes its output and its messages byte for byte as the native navdb does, with
// line feeds only: a listing or a flight plan sent to a file (`navdb route export ... >
// plan.gpx`) gets no carriage returns from the C library's text mode. The console shows
// either form alike.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace navdb {

namespace {

struct BinaryStandardStreams {
    BinaryStandardStreams()
    {
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
    }
};

const BinaryStandardStreams binaryStandardStreams;

}  // namespace

}  // namespace navdb
