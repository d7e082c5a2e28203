#include "period.h"

#include <gtest/gtest.h>

namespace {

TEST(PeriodCounts, SplitsIntoThreeCounts) {
    struct Row {
        const char* Text;
        const char* Separator;
        std::array<double, 3> Counts;
    };
    const Row rows[] = {{"01/00/03", "/", {1, 0, 3}},
                        {"5", "/", {0, 0, 5}},  // without a separator the text is the third count
                        {"5/3", "/", {5, 0, 3}},
                        {"/5/", "/", {0, 5, 0}},
                        {"1/2/3/4", "/", {1, 2, 3}},
                        {"//", "/", {0, 0, 0}},
                        {"", "/", {0, 0, 0}},
                        {"12/05/2003", "/", {12, 5, 2003}},
                        {"11/05/2000/", "/", {11, 5, 2000}},
                        {"1.9/2.5", "/", {1.9, 0, 2.5}},
                        {"1E+300", "/", {0, 0, 1e300}},
                        {"01:00:03", ":", {1, 0, 3}},
                        {"90", ":", {0, 0, 90}},
                        {"1:30", ":", {1, 0, 30}},
                        {"11/05/2000", ":", {0, 0, 11}},  // the other mode's separator is no separator
                        {"12:05:23:", ":", {12, 5, 23}}};
    for (const Row& row : rows) EXPECT_EQ(PeriodCounts(row.Text, row.Separator), row.Counts) << row.Text;
}

}  // namespace
