// The streaming line reader: plain and gzip files read alike, line ends dropped, damaged
// compressed files and unreadable paths reported.
#include "DataFileReader.h"
#include "WorldDataTestSupport.h"

#include <zlib.h>

#include <fstream>

using namespace worlddata;

namespace {

using worlddata::DataFileReader;

std::vector<std::string> AllLines(DataFileReader& reader)
{
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line);) lines.push_back(line);
    return lines;
}

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteGzip(const std::filesystem::path& path, const std::string& bytes)
{
    gzFile file = gzopen(path.string().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size())),
              static_cast<int>(bytes.size()));
    gzclose(file);
}

TEST(DataFileReader, GzipReadsLikeThePlainFile)
{
    ScratchDirectory scratch;
    std::string plain = Fixture("apt1100.dat");  // carriage returns before the line feeds
    WriteGzip(scratch.path / "apt.dat.gz", Bytes(plain));

    DataFileReader plainReader, gzipReader;
    Open(plainReader, plain);
    Open(gzipReader, (scratch.path / "apt.dat.gz").string());
    std::vector<std::string> lines = AllLines(plainReader);
    EXPECT_EQ(AllLines(gzipReader), lines);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "I");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "1    433 0 0 KSEA Seattle Tacoma Intl");
    EXPECT_TRUE(gzipReader.ReadStatus());
    EXPECT_EQ(gzipReader.LineNumber(), static_cast<int>(lines.size()));
    EXPECT_EQ(gzipReader.BytesRead(), gzipReader.Size());
}

TEST(DataFileReader, LastLineWithoutLineFeedAndOverlongLinesCut)
{
    ScratchDirectory scratch;
    std::string longest(worlddata::MaximumLineBytes, 'x');
    std::string overlong(600000, 'y');  // longer than the read buffer too
    std::ofstream(scratch.path / "a.dat", std::ios::binary) << "one\n"
                                                            << longest << "\n"
                                                            << overlong << "\nlast";
    DataFileReader reader;
    Open(reader, (scratch.path / "a.dat").string());
    std::vector<std::string> expected{"one", longest,
                                      overlong.substr(0, worlddata::MaximumLineBytes), "last"};
    EXPECT_EQ(AllLines(reader), expected);
    EXPECT_EQ(reader.LinesCut(), 1);
    EXPECT_EQ(reader.LineNumber(), 4);
}

TEST(DataFileReader, DamagedGzipAndMissingFilesAreFailures)
{
    ScratchDirectory scratch;
    std::string bytes;
    for (int i = 0; i < 20000; ++i) bytes += "100 row " + std::to_string(i * 7919) + "\n";
    WriteGzip(scratch.path / "whole.gz", bytes);
    std::string compressed = Bytes((scratch.path / "whole.gz").string());
    std::ofstream(scratch.path / "cut.gz", std::ios::binary)
        << compressed.substr(0, compressed.size() / 2);

    const std::string cutPath = (scratch.path / "cut.gz").string();
    DataFileReader cut;
    ASSERT_TRUE(cut.Open(cutPath));
    std::vector<std::string> lines = AllLines(cut);
    EXPECT_FALSE(cut.ReadStatus());
    EXPECT_TRUE(cut.ReadStatus().Message().starts_with(cutPath + ": "))
        << cut.ReadStatus().Message();
    EXPECT_GT(cut.ReadStatus().Message().size(), cutPath.size() + 2);
    EXPECT_LT(lines.size(), 20000u);

    const std::string missingPath = (scratch.path / "missing.dat").string();
    DataFileReader missing;
    EXPECT_EQ(missing.Open(missingPath).Message(), missingPath + ": No such file or directory");
    DataFileReader directory;
    EXPECT_EQ(directory.Open(scratch.path.string()).Message(),
              scratch.path.string() + ": is a directory");
}

}  // namespace
