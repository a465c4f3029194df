// Where `-o` and `--rte` write: a link keeps pointing where it did and what it names gets the
// bytes; a FIFO (like a device) is written through, never replaced by a regular file.
#include "RoutePlanFixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ReplacingFile.h"

using namespace flightplan;

namespace {

TEST_F(RoutePlanTest, ReplacingFileWritesThroughLinksAndFifos)
{
    WriteFile(PathOf("target.gpx"), "old");
    std::filesystem::create_symlink(PathOf("target.gpx"), PathOf("link.gpx"));
    ASSERT_TRUE(WriteReplacingFile(PathOf("link.gpx"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("link.gpx")));
    EXPECT_EQ(FileBytes(PathOf("target.gpx")), "new");

    ASSERT_EQ(mkfifo(PathOf("pipe").c_str(), 0600), 0);
    const int reader = open(PathOf("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(WriteReplacingFile(PathOf("pipe"), "through the pipe"));
    char received[64] = {};
    EXPECT_EQ(read(reader, received, sizeof received - 1), 16);
    close(reader);
    EXPECT_STREQ(received, "through the pipe");
    EXPECT_TRUE(std::filesystem::is_fifo(PathOf("pipe")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("pipe.partial")));
}

}  // namespace
