// The navdb route commands as a user runs them: output and exit status, and for refused
// input a message, status 1 and nothing written.
#include "RoutePlanFixture.h"

namespace {

class NavdbRoute : public RoutePlanTest {
protected:
    // Runs navdb and expects `status`; returns what it printed.
    std::string Navdb(const std::vector<std::string>& arguments, int status)
    {
        std::string output;
        EXPECT_EQ(RunNavdb(arguments, output), status) << output;
        return output;
    }
};

TEST_F(NavdbRoute, ShowsExportsAndImportsTheConfigRoute)
{
    Navdb({"config", Directory(), "RTEMODE=1", "NRTEWPT=2", "RTEWPTS=100000108100000126"}, 0);
    const std::string shown = Navdb({"route", "show", Directory()}, 0);
    EXPECT_NE(shown.find("NRTEWPT 2, ACTRTE 0: 2 waypoints"), std::string::npos) << shown;
    EXPECT_NE(shown.find("total 41.8 NM"), std::string::npos) << shown;

    const std::string csv = Navdb({"route", "export", Directory(), "--format", "CSV"}, 0);
    EXPECT_NE(csv.find("2,AIRPORTS,00000126,KOLM,OLYMPIA,AIRPORT,46.96888889,-122.90472222,41.8,"),
              std::string::npos)
        << csv;

    Navdb({"route", "export", Directory(), "--format", "gpx", "-o", PathOf("out.gpx")}, 0);
    Navdb({"route", "import", Directory(), PathOf("out.gpx"), "--rte", PathOf("out.rte")}, 0);
    EXPECT_EQ(FileBytes(PathOf("out.rte")), RouteText({"100000108", "100000126"}));
}

TEST_F(NavdbRoute, RefusedInputWritesNothing)
{
    WriteFile(PathOf("short.rte"), std::string(269, ' '));
    WriteFile(PathOf("lost.rte"), RouteText({"100000108", "300000077"}));
    WriteFile(PathOf("found.rte"), RouteText({"100000108", "100000126"}));
    WriteFile(PathOf("broken.gpx"),
              "<gpx><rte><rtept lat=\"1\" lon=\"2\"><name>NEW</name></rte></gpx>");
    WriteFile(PathOf("plan.kml"), "<kml/>");
    WriteFile(PathOf("good.gpx"),
              "<gpx><rte><rtept lat=\"1\" lon=\"2\"><name>NEW</name></rtept></rte></gpx>");
    std::filesystem::create_directory(PathOf("folder.rte"));
    const std::string config = FileBytes(PathOf("CONFIG.DBF"));
    const std::string users = FileBytes(PathOf("USERS.DBF"));
    const std::string airports = FileBytes(PathOf("AIRPORTS.DBF"));

    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"route", "show", Directory(), PathOf("short.rte")},
         "is 269 bytes; a route file is exactly 270"},
        {{"route", "export", Directory(), "--format", "kml", "-o", PathOf("x")},
         "unknown format 'kml'"},
        {{"route", "export", Directory(), "--format"}, "--format needs a value"},
        {{"route", "export", Directory(), PathOf("lost.rte"), "--format", "gpx", "-o", PathOf("x")},
         "slot 2 names USERS NUM 00000077, which is not there"},
        {{"route", "export", Directory(), "--format", "gpx", "-o", PathOf("x")}, "holds no route"},
        {{"route", "import", Directory(), PathOf("broken.gpx"), "--rte", PathOf("x")},
         "not well-formed XML"},
        {{"route", "import", Directory(), PathOf("broken.gpx"), "--config"},
         "line 1: not well-formed XML"},
        {{"route", "import", Directory(), PathOf("plan.kml"), "--config"},
         "is not a flight plan: its root element is <kml>"},
        {{"route", "import", Directory(), PathOf("good.gpx"), "--config", "--rte", PathOf("x")},
         "either --rte OUT.rte or --config"},
        {{"route", "import", PathOf("nowhere"), PathOf("good.gpx"), "--config"}, "cannot open"},
        {{"route", "import", Directory(), PathOf("good.gpx"), "--rte", PathOf("missing/dir/x.rte")},
         "cannot write"},
        {{"route", "show", Directory(), PathOf("folder.rte")}, "folder.rte: Is a directory"},
        {{"route", "export", Directory(), PathOf("folder.rte"), "--format", "gpx"},
         "folder.rte: Is a directory"},
        {{"route", "import", Directory(), PathOf("good.gpx"), "--rte", PathOf("AIRPORTS.DBF")},
         "AIRPORTS.DBF is a table"},
        {{"route", "export", Directory(), PathOf("found.rte"), "--format", "gpx", "-o",
          PathOf("airports.qix")},
         "airports.qix is a table"},
    };
    for (const auto& c : cases) {
        const std::string output = Navdb(c.arguments, 1);
        EXPECT_NE(output.find(c.message), std::string::npos) << output;
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("x")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing")));
    EXPECT_EQ(FileBytes(PathOf("CONFIG.DBF")), config);
    EXPECT_EQ(FileBytes(PathOf("USERS.DBF")), users);
    EXPECT_TRUE(FileBytes(PathOf("AIRPORTS.DBF")) == airports) << "the table is untouched";
    EXPECT_FALSE(std::filesystem::exists(PathOf("airports.qix")));
}

TEST_F(NavdbRoute, UsageListsTheRouteCommands)
{
    const std::string usage = Navdb({}, 2);
    EXPECT_NE(usage.find("navdb route import DIR PLAN.gpx|fpl|pln (--rte OUT.rte | --config)"),
              std::string::npos);
}

}  // namespace
