#include "DbfreadReader.h"

#include "EngineTestSupport.h"

#include <cstdlib>

std::vector<std::string> ReadWithDbfread(const std::string& path)
{
    std::string script = std::string(std::getenv("QUILLMAP_SOURCE_DIR")) +
                         "/tests/native/engine/read_with_dbfread.py";
    ChildProcess reader("/usr/bin/python3", {script, path});
    std::vector<std::string> lines;
    for (std::string line = reader.ReadLine(); !line.empty(); line = reader.ReadLine())
        lines.push_back(line);
    EXPECT_EQ(reader.Wait(), 0);
    return lines;
}
