// The CSV row reader: quoting by RFC 4180, line ends of either kind, columns found by the
// header's names, rows cut at the limit.
#include "CsvReader.h"
#include "WorldDataTestSupport.h"

#include <fstream>

using namespace worlddata;

namespace {

std::string WriteFile(const ScratchDirectory& scratch, const std::string& bytes)
{
    std::string path = (scratch.path / "test.csv").string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(CsvReader, QuotedFieldsHoldQuotesCommasAndLineBreaks)
{
    ScratchDirectory scratch;
    DataFileReader file;
    Open(file, WriteFile(scratch, "\xEF\xBB\xBFname,ident,note\r\n"
                                  "\"Le \"\"Grand\"\" Champ, Nord\",LFAB,plain\r\n"
                                  "\r\n"
                                  "\"two\r\nlines\",\"\",\"a,b\"\n"
                                  "short,5\" pad\n"));
    CsvReader reader(file);
    constexpr std::string_view Required[] = {"ident", "name"};
    const nav::Status header = reader.ReadHeader(Required);
    ASSERT_TRUE(header) << header.Message();

    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(reader.Line(), 2);
    EXPECT_EQ(reader.Field("name"), "Le \"Grand\" Champ, Nord");
    EXPECT_EQ(reader.Field("ident"), "LFAB");
    EXPECT_EQ(reader.Field("note"), "plain");
    EXPECT_EQ(reader.Field("elevation"), "");  // no such column

    ASSERT_TRUE(reader.Next());  // the blank line passed over
    EXPECT_EQ(reader.Line(), 4);
    EXPECT_EQ(reader.Field("name"), "two\nlines");
    EXPECT_EQ(reader.Field("ident"), "");
    EXPECT_EQ(reader.Field("note"), "a,b");
    EXPECT_FALSE(reader.RowCut());

    ASSERT_TRUE(reader.Next());
    EXPECT_EQ(reader.Line(), 6);
    EXPECT_EQ(reader.Field("name"), "short");
    EXPECT_EQ(reader.Field("ident"), "5\" pad");  // a quote inside an unquoted field
    EXPECT_EQ(reader.Field("note"), "");          // the row ends before it
    EXPECT_FALSE(reader.Next());
    EXPECT_TRUE(file.ReadStatus());
}

TEST(CsvReader, AHeaderWithoutARequiredColumnIsRefusedByTheColumnsName)
{
    ScratchDirectory scratch;
    const std::string path = WriteFile(scratch, "ident,latitude_deg\nKSEA,47.4\n");
    DataFileReader file;
    Open(file, path);
    CsvReader reader(file);
    constexpr std::string_view Required[] = {"ident", "longitude_deg"};
    EXPECT_EQ(reader.ReadHeader(Required).Message(),
              path + ": no column \"longitude_deg\" in the header row");

    DataFileReader empty;
    Open(empty, WriteFile(scratch, ""));
    CsvReader emptyReader(empty);
    EXPECT_EQ(emptyReader.ReadHeader({}).Message(), path + ": empty file, no header row");
}

TEST(CsvReader, AQuoteNeverClosedEndsItsRowAtTheLimit)
{
    ScratchDirectory scratch;
    std::string line(1000, 'x');
    std::string bytes = "a,b\n1,\"" + line + "\n";
    for (int i = 0; i < 100; ++i) bytes += line + "\n";  // 100 kB, above the 64 KiB limit
    DataFileReader file;
    Open(file, WriteFile(scratch, bytes));
    CsvReader reader(file);
    constexpr std::string_view Required[] = {"a", "b"};
    ASSERT_TRUE(reader.ReadHeader(Required));
    ASSERT_TRUE(reader.Next());
    EXPECT_TRUE(reader.RowCut());
    EXPECT_EQ(reader.Line(), 2);
    EXPECT_EQ(reader.Field("a"), "1");
    EXPECT_LE(reader.Field("b").size(), MaximumLineBytes + line.size() + 1);
    // The lines after the cut are read as rows of their own.
    ASSERT_TRUE(reader.Next());
    EXPECT_FALSE(reader.RowCut());
    EXPECT_EQ(reader.Field("a"), line);
}

}  // namespace
