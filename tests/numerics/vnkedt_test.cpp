#include "numerics/vnkedt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/numerics/tbf_fixture.h"
#include "tests/numerics/trace_capture.h"

namespace {

using vnk::test::Entry;
using vnk::test::TbfStore;
namespace edit = vnk::edit;

// Entries with times 1..n, alternating types, severity cycling 1..4, no hardware values.
TbfStore Numbered(int n, int capacity = vnk::kCapacity) {
    TbfStore store({}, capacity);
    for (int i = 1; i <= n; ++i) {
        store.column(1)[i - 1] = i;
        store.column(2)[i - 1] = i % 2;
        store.column(3)[i - 1] = 1 + (i - 1) % 4;
        store.column(4)[i - 1] = -1;
        store.column(5)[i - 1] = -1;
    }
    return store;
}

struct Outcome {
    int NS;
    int ERRFLG;
};

Outcome Edit(TbfStore& store, int ETYPE, int PT1, int PT2, int NS, Entry VAL = {0, 0, 1, -1, -1},
             int SIZ = vnk::kCapacity) {
    int ERRFLG = -5;
    vnk::VNKEDT(ETYPE, VAL, SIZ, PT1, PT2, store.view(), NS, ERRFLG);
    return {NS, ERRFLG};
}

TEST(Vnkedt, ChangeReplacesAllFiveFields) {
    TbfStore store = Numbered(3);
    const Outcome r = Edit(store, edit::kChange, 2, 2, 3, {9.5, 1, 4, 2, 0.5});
    EXPECT_EQ(r.ERRFLG, 0);
    EXPECT_EQ(r.NS, 3);
    EXPECT_EQ(store.entries(3),
              (std::vector<Entry>{{1, 1, 1, -1, -1}, {9.5, 1, 4, 2, 0.5}, {3, 1, 3, -1, -1}}));
}

TEST(Vnkedt, DeleteClosesTheGapAndInsertOpensOne) {
    TbfStore store = Numbered(4);
    Outcome r = Edit(store, edit::kDelete, 2, 2, 4);
    EXPECT_EQ(r.ERRFLG, 0);
    ASSERT_EQ(r.NS, 3);
    EXPECT_EQ(store.entries(3),
              (std::vector<Entry>{{1, 1, 1, -1, -1}, {3, 1, 3, -1, -1}, {4, 0, 4, -1, -1}}));

    r = Edit(store, edit::kDelete, 3, 3, r.NS);  // the last entry
    ASSERT_EQ(r.NS, 2);
    EXPECT_EQ(store.entries(2), (std::vector<Entry>{{1, 1, 1, -1, -1}, {3, 1, 3, -1, -1}}));

    r = Edit(store, edit::kInsert, 1, 1, r.NS, {7, 0, 2, -1, -1});
    EXPECT_EQ(r.ERRFLG, 0);
    ASSERT_EQ(r.NS, 3);
    EXPECT_EQ(store.entries(3),
              (std::vector<Entry>{{7, 0, 2, -1, -1}, {1, 1, 1, -1, -1}, {3, 1, 3, -1, -1}}));
}

TEST(Vnkedt, MergeSumsTimesAndTakesTheLastEntrysFields) {
    TbfStore store = Numbered(6);
    Outcome r = Edit(store, edit::kMerge, 3, 5, 6);
    EXPECT_EQ(r.ERRFLG, 0);
    ASSERT_EQ(r.NS, 4);
    EXPECT_EQ(store.entries(4), (std::vector<Entry>{{1, 1, 1, -1, -1},
                                                    {2, 0, 2, -1, -1},
                                                    {12, 1, 1, -1, -1},  // type, level of old 5
                                                    {6, 0, 2, -1, -1}}));
    // Merging up to the last entry.
    r = Edit(store, edit::kMerge, 3, 4, r.NS);
    ASSERT_EQ(r.NS, 3);
    EXPECT_EQ(store.entries(3)[2], (Entry{18, 0, 2, -1, -1}));
}

TEST(Vnkedt, RefusedEditsChangeNothing) {
    struct Case {
        int ETYPE, PT1, PT2, NS, SIZ, ERRFLG;
    };
    const Case cases[] = {
        {edit::kChange, 0, 0, 5, 1000, 1},  // no selection
        {edit::kChange, 6, 6, 5, 1000, 1},  // beyond the data
        {edit::kDelete, 6, 6, 5, 1000, 1},
        {edit::kInsert, 6, 6, 5, 1000, 1},  // appending is not an insert
        {edit::kMerge, 2, 6, 5, 1000, 1},
        {edit::kMerge, 4, 2, 5, 1000, 1},   // reversed range would grow the data
        {edit::kInsert, 1, 1, 5, 5, 2},     // full at SIZ
        {edit::kInsert, 3, 3, 5, 1000, 2},  // the arrays themselves hold only 5
        {edit::kChange, 1, 1, 6, 1000, 1},  // a count larger than the arrays
    };
    for (const Case& c : cases) {
        TbfStore store = Numbered(5, 5);
        const auto before = store.entries(5);
        const Outcome r = Edit(store, c.ETYPE, c.PT1, c.PT2, c.NS, {9, 9, 9, 9, 9}, c.SIZ);
        EXPECT_EQ(r.ERRFLG, c.ERRFLG) << "ETYPE " << c.ETYPE << " PT1 " << c.PT1;
        EXPECT_EQ(r.NS, c.NS);
        EXPECT_EQ(store.entries(5), before);
    }
}

TEST(Vnkedt, InsertIntoAFullSetGivesTheCapacityMessage) {
    TbfStore store = Numbered(1000);
    const auto before = store.entries(1000);
    const Outcome r = Edit(store, edit::kInsert, 1, 1, 1000);
    EXPECT_EQ(r.ERRFLG, vnk::edit_error::kCapacity);
    EXPECT_EQ(r.NS, 1000);
    EXPECT_EQ(store.entries(1000), before);
    EXPECT_STREQ(vnk::EditErrorMessage(r.ERRFLG), "Insertion will exceed the array size.");
    EXPECT_STREQ(vnk::EditErrorMessage(1), "Edit exceeds the bounds of the current data");
    EXPECT_STREQ(vnk::EditErrorMessage(0), "");
}

TEST(Vnkedt, TraceBlockIsByteExact) {
    TbfStore store({{1, 0, 1, -1, -1}, {2.5, 1, 2, 3, 0.25}, {4, 0, 3, -1, -1}}, 10);
    vnk::test::TraceCapture capture;
    Edit(store, edit::kMerge, 1, 2, 3, {0, 0, 1, -1, -1}, 10);
    EXPECT_EQ(
        capture.text(),
        " \n"
        " > If the VNKEDT routine is accessed with:\n"
        "    ETYPE         4\n"
        "    SIZ          10\n"
        "    PT1           1\n"
        "    PT2           2\n"
        "    NS            3\n"
        "    VAL           0.00000        0.00000        1.00000       -1.00000       -1.00000\n"
        "    DAT           1.00000        0.00000        1.00000       -1.00000       -1.00000\n"
        "    DAT           2.50000        1.00000        2.00000        3.00000        0.25000\n"
        "    DAT           4.00000        0.00000        3.00000       -1.00000       -1.00000\n"
        " \n"
        "   then the call to VNKEDT yields:\n"
        "    NS            2\n"
        "    ERRFLG        0\n"
        "    DAT           3.50000        1.00000        2.00000        3.00000        0.25000\n"
        "    DAT           4.00000        0.00000        3.00000       -1.00000       -1.00000\n");
}

}  // namespace
