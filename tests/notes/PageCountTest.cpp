#include "notes/PageCount.h"

#include "notes/NotesStore.h"

#include <gtest/gtest.h>

namespace {

TEST(PageCount, LineIndicesFallOnTheReportPages) {
    struct Case {
        int lineIndex;
        int page;
    };
    // 25 lines on the first page, 55 on each further one.
    for (const Case c :
         {Case{0, 1}, {24, 1}, {25, 2}, {79, 2}, {80, 3}, {134, 3}, {135, 4}, {-3, 1}}) {
        EXPECT_EQ(PageCount::PageOfLine(c.lineIndex), c.page) << "line index " << c.lineIndex;
    }
}

TEST(PageCount, TotalIsThePageOfALineAfterTheLast) {
    struct Case {
        int lineCount;
        int total;
    };
    for (const Case c :
         {Case{0, 1}, {24, 1}, {25, 2}, {26, 2}, {79, 2}, {80, 3}, {81, 3}, {135, 4}}) {
        EXPECT_EQ(PageCount::PageTotal(c.lineCount), c.total) << "line count " << c.lineCount;
    }
}

TEST(PageCount, IndicatorTextHasPlainNumbers) {
    EXPECT_EQ(PageCount::IndicatorText(0, 0), QStringLiteral("Page 1/1"));
    EXPECT_EQ(PageCount::IndicatorText(24, 25), QStringLiteral("Page 1/2"));
    EXPECT_EQ(PageCount::IndicatorText(25, 80), QStringLiteral("Page 2/3"));
    EXPECT_EQ(PageCount::IndicatorText(600, 700), QStringLiteral("Page 12/14"));
}

TEST(NotesStore, ClearEmptiesEverything) {
    NotesStore store{QStringLiteral("Ann"), QStringLiteral("19"), QStringLiteral("today"),
                     QStringLiteral("Dr B"), QStringList{QStringLiteral("a"), QString()}};
    store.Clear();
    EXPECT_TRUE(store.name.isEmpty());
    EXPECT_TRUE(store.identNo.isEmpty());
    EXPECT_TRUE(store.date.isEmpty());
    EXPECT_TRUE(store.examiner.isEmpty());
    EXPECT_TRUE(store.lines.isEmpty());
}

} // namespace
