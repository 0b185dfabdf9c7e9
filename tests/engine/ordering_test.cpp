#include "engine/enginestate.h"
#include "engine/ordering.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Tuple = std::array<unsigned, 4>;

struct OrderingCase {
    int nSortType;
    Tuple tuple;
    bool bKeptInDropMode;
    Tuple normal; // in swap mode
};

const OrderingCase kOrderingCases[] = {
    {1, {3, 1, 2, 9}, true, {1, 2, 3, 9}},
    {2, {9, 3, 2, 1}, true, {9, 1, 2, 3}},
    {3, {5, 4, 3, 2}, true, {4, 5, 3, 2}},
    {4, {5, 4, 3, 2}, true, {5, 3, 4, 2}},
    {5, {5, 4, 3, 2}, true, {5, 4, 2, 3}},
    {6, {5, 4, 3, 2}, true, {4, 5, 2, 3}},
    {7, {2, 1, 5, 3}, true, {1, 2, 3, 5}},  // sum 3 < 8
    {7, {5, 3, 2, 1}, false, {1, 2, 3, 5}}, // pairs swapped
    {8, {6, 1, 4, 5}, true, {1, 6, 4, 5}},  // 6 < 20
    {8, {3, 4, 2, 6}, false, {2, 6, 3, 4}}, // equal products, the smaller first value first
    {8, {2, 6, 4, 3}, true, {2, 6, 3, 4}},
    {9, {1, 5, 2, 8}, true, {5, 1, 8, 2}}, // descending inside pairs, 4 < 6
    {9, {8, 2, 5, 1}, false, {5, 1, 8, 2}},
    {10, {2, 3, 4, 1}, true, {2, 3, 4, 1}}, // 1 < 5, nothing sorted inside the pairs
    {10, {4, 1, 2, 3}, false, {2, 3, 4, 1}},
    {10, {12, 1, 12, 1}, false, {12, 1, 12, 1}}, // equal exclusive-ors
    {11, {4, 3, 2, 1}, true, {1, 2, 3, 4}},
};

TEST(NormalizeOrdering, EverySortType) {
    for (const OrderingCase& c : kOrderingCases) {
        SCOPED_TRACE(c.nSortType);
        Tuple drop = c.tuple, swap = c.tuple;
        EXPECT_EQ(NormalizeOrdering(c.nSortType, drop.data(), OrderingMode::Drop),
                  c.bKeptInDropMode);
        if (c.bKeptInDropMode) {
            EXPECT_EQ(drop, c.normal);
        }
        EXPECT_TRUE(NormalizeOrdering(c.nSortType, swap.data(), OrderingMode::Swap));
        EXPECT_EQ(swap, c.normal);
    }
    for (int nSortType : {0, 12, -1}) {
        Tuple t = {1, 2, 3, 4};
        EXPECT_FALSE(NormalizeOrdering(nSortType, t.data(), OrderingMode::Swap));
    }
}

TEST(KeepOneOrdering, OneEntryPerFamilyFirstOccurrenceFirst) {
    const CEngineSettingsScope settings;
    SetMaxValue(13);
    std::vector<std::string> saOutput = {"earlier"};
    const std::vector<std::string> saFound = {"4*(1+2+3)", "4*(1+3+2)", "4*(2+1+3)",
                                              "4*(2+3+1)", "4*(3+1+2)", "4*(3+2+1)"};
    EXPECT_EQ(KeepOneOrdering(saFound, saOutput, "n1*(n2+n3+n4)", 2, OrderingMode::Drop), 1);
    EXPECT_EQ(saOutput, (std::vector<std::string>{"earlier", "4*(1+2+3)"}));

    saOutput.clear();
    EXPECT_EQ(KeepOneOrdering({"(3+5)*(1+2)", "(1+2)*(5+3)"}, saOutput, "(n1+n2)*(n3+n4)", 7,
                              OrderingMode::Drop),
              1);
    EXPECT_EQ(saOutput, (std::vector<std::string>{"(1+2)*(3+5)"}));

    saOutput.clear();
    EXPECT_EQ(KeepOneOrdering({"(2+1)*(5+3)"}, saOutput, "(n1+n2)*(n3+n4)", 7, OrderingMode::Swap),
              1);
    EXPECT_EQ(saOutput, (std::vector<std::string>{"(1+2)*(3+5)"}));

    saOutput.clear();
    EXPECT_EQ(KeepOneOrdering({"12^1+12^1"}, saOutput, "n1^n2+n3^n4", 10, OrderingMode::Drop), 0);
    EXPECT_EQ(KeepOneOrdering({"11+12+13-12"}, saOutput, "n1+n2+n3-n4", 1, OrderingMode::Drop), 1);
    EXPECT_EQ(saOutput, (std::vector<std::string>{"11+12+13-12"}));
    EXPECT_EQ(KeepOneOrdering({"1+2"}, saOutput, "n1+n2+n3-n4", 1, OrderingMode::Drop), 0);
}

} // namespace
