#include "meter/connection_selection.h"

#include <gtest/gtest.h>

namespace quellan {
namespace {

TEST(ConnectionSelection, StoredTexts) {
    EXPECT_EQ(ConnectionEntryToSelect("", 2), 0);  // absent
    EXPECT_EQ(ConnectionEntryToSelect("1", 2), 1);
    EXPECT_EQ(ConnectionEntryToSelect("2", 2), 0);
    EXPECT_EQ(ConnectionEntryToSelect("-1", 2), kNoListSelection);
    EXPECT_EQ(ConnectionEntryToSelect("abc", 2), 0);
    EXPECT_EQ(ConnectionEntryToSelect(" 1 KB", 2), 1);
}

TEST(ConnectionSelection, EmptyListSelectsNothing) {
    EXPECT_EQ(ConnectionEntryToSelect("", 0), kNoListSelection);
    EXPECT_EQ(ConnectionEntryToSelect("0", 0), kNoListSelection);
}

TEST(ConnectionSelection, FractionsRoundHalfToEven) {
    EXPECT_EQ(ConnectionEntryToSelect("1.5", 4), 2);
    EXPECT_EQ(ConnectionEntryToSelect("2.5", 4), 2);
    EXPECT_EQ(ConnectionEntryToSelect("0.5", 4), 0);
    EXPECT_EQ(ConnectionEntryToSelect("1.4", 3), 1);
    EXPECT_EQ(ConnectionEntryToSelect("-0.5", 3), 0);
    EXPECT_EQ(ConnectionEntryToSelect("-1.4", 3), kNoListSelection);  // rounds to -1
    EXPECT_EQ(ConnectionEntryToSelect("1.5", 2), 0);                  // 2.5 is beyond 2 entries
}

TEST(ConnectionSelection, IndexNamingNoEntrySelectsTheFirst) {
    EXPECT_EQ(ConnectionEntryToSelect("-1.5", 3), 0);  // rounds to -2
    EXPECT_EQ(ConnectionEntryToSelect("-7", 3), 0);
    EXPECT_EQ(ConnectionEntryToSelect("5", 3), 0);
    EXPECT_EQ(ConnectionEntryToSelect("-1e300", 3), 0);
    EXPECT_EQ(ConnectionEntryToSelect("99999999999999999999", 3), 0);
    EXPECT_EQ(ConnectionEntryToSelect("1e999", 3), 0);
}

}  // namespace
}  // namespace quellan
