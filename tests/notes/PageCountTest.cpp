#include "notes/PageCount.h"

#include "notes/NotesStore.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(PageCount, PagesFollowTheReportCapacities) {
    // Line indices 0-24 on page 1, 25-79 on page 2, 80-134 on page 3; the
    // total is the page of a line after the last one.
    for (const auto& [index, page] :
         {std::pair{0, 1}, {24, 1}, {25, 2}, {79, 2}, {80, 3}, {134, 3}, {135, 4}, {-3, 1}}) {
        EXPECT_EQ(PageCount::PageOfLine(index), page) << "line index " << index;
        EXPECT_EQ(PageCount::PageTotal(index), page) << "line count " << index;
    }
    EXPECT_EQ(PageCount::IndicatorText(0, 0), QStringLiteral("Page 1/1"));
    EXPECT_EQ(PageCount::IndicatorText(600, 700), QStringLiteral("Page 12/14"));
}

TEST(NotesStore, ClearEmptiesEverything) {
    NotesStore store{"Ann", "19", "today", "Dr B", {"a", ""}};
    store.Clear();
    EXPECT_TRUE(store.name.isEmpty() && store.identNo.isEmpty() && store.date.isEmpty() &&
                store.examiner.isEmpty() && store.lines.isEmpty());
}

} // namespace
