// The compiled-in coefficient table against the coefficient file it is generated from.
#include "ModelCoefficientTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace magnetic;

namespace {

std::vector<ModelCoefficientRow> ReadCoefficientFile()
{
    const char* source = std::getenv("QUILLMAP_SOURCE_DIR");
    std::string path = std::string(source ? source : ".") + "/magnetic/igrf1995.txt";
    std::ifstream file(path);
    EXPECT_TRUE(file) << "cannot read " << path;
    std::vector<ModelCoefficientRow> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream columns(line);
        ModelCoefficientRow row{};
        columns >> row.m >> row.n >> row.g >> row.h >> row.gDot >> row.hDot;
        EXPECT_TRUE(columns) << line;
        rows.push_back(row);
    }
    return rows;
}

TEST(ModelCoefficientTable, MatchesTheCoefficientFileRowByRow)
{
    std::vector<ModelCoefficientRow> file = ReadCoefficientFile();
    ASSERT_EQ(file.size(), static_cast<std::size_t>(ModelCoefficientRowCount));
    for (int i = 0; i < ModelCoefficientRowCount; ++i) {
        const ModelCoefficientRow& compiled = ModelCoefficientTable[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(compiled.m, file[i].m);
        EXPECT_EQ(compiled.n, file[i].n);
        EXPECT_EQ(compiled.g, file[i].g);
        EXPECT_EQ(compiled.h, file[i].h);
        EXPECT_EQ(compiled.gDot, file[i].gDot);
        EXPECT_EQ(compiled.hDot, file[i].hDot);
    }
}

TEST(ModelCoefficientTable, RunsDegreeThenOrderWithRatesOnlyToDegreeEight)
{
    int row = 0;
    for (int n = 1; n <= ModelMainFieldDegree; ++n) {
        for (int m = 0; m <= n; ++m, ++row) {
            const ModelCoefficientRow& term = ModelCoefficientTable[row];
            ASSERT_EQ(term.m, m);
            ASSERT_EQ(term.n, n);
            if (m == 0) {
                EXPECT_EQ(term.h, 0.0);
            }
            if (n > ModelSecularVariationDegree) {
                EXPECT_EQ(term.gDot, 0.0);
                EXPECT_EQ(term.hDot, 0.0);
            }
        }
    }
    EXPECT_EQ(row, ModelCoefficientRowCount);

    const ModelCoefficientRow& first = ModelCoefficientTable[1];
    EXPECT_EQ(first.g, -1789.0);
    EXPECT_EQ(first.h, 5318.0);
    EXPECT_EQ(first.gDot, 13.0);
    EXPECT_EQ(first.hDot, -18.3);
    const ModelCoefficientRow& last = ModelCoefficientTable[ModelCoefficientRowCount - 1];
    EXPECT_EQ(last.g, 0.0);
    EXPECT_EQ(last.h, -6.0);
}

}  // namespace
