#include "calendar/sexagenary.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

static_assert(stemNumber(1) == 1 && branchNumber(1) == 1);     // 甲子
static_assert(stemNumber(38) == 8 && branchNumber(38) == 2);   // 辛丑
static_assert(stemNumber(60) == 10 && branchNumber(60) == 12); // 癸亥
static_assert(stemNumber(0) == 0 && branchNumber(0) == 0);

TEST(Sexagenary, StemAndBranchNumbersInvertEveryIndex) {
    for (int i = 1; i <= 60; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cycleIndexOf(stemNumber(i), branchNumber(i)), i);
    }
}

TEST(Sexagenary, CycleIndexOfRefusesImpossiblePairs) {
    struct Case {
        const char* note;
        int stem, branch;
    } const cases[] = {
        {"parity differs: 甲丑", 1, 2},
        {"parity differs: 乙子", 2, 1},
        {"stem 0", 0, 1},
        {"branch 0", 1, 0},
        {"stem 11", 11, 1},
        {"branch 13", 1, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(cycleIndexOf(c.stem, c.branch), 0);
    }
}

TEST(Sexagenary, CycleAddWrapsBothWays) {
    struct Case {
        const char* note;
        int index, n, expected;
    } const cases[] = {
        {"forward", 16, 1, 17},    {"60 wraps to 1", 60, 1, 1}, {"1 wraps to 60", 1, -1, 60},
        {"far back", 5, -125, 60}, {"far forward", 5, 121, 6},  {"no pillar stays 0", 0, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(cycleAdd(c.index, c.n), c.expected);
    }
}

TEST(Sexagenary, PillarTextsAndAnimals) {
    EXPECT_EQ(pillarText(1), "甲子");
    EXPECT_EQ(pillarText(16), "己卯");
    EXPECT_EQ(pillarText(33), "丙申");
    EXPECT_EQ(pillarText(60), "癸亥");
    EXPECT_EQ(pillarText(0), "");
    EXPECT_EQ(pillarText(61), "");
    EXPECT_EQ(pillarText(-1), "");
    EXPECT_EQ(zodiacAnimal(33), "猴");
    EXPECT_EQ(zodiacAnimal(1), "鼠");
    EXPECT_EQ(zodiacAnimal(60), "猪");
    EXPECT_EQ(zodiacAnimal(0), "");
}

} // namespace
} // namespace bazi

namespace bazi {
namespace {

static_assert(pillarOf(Stem(2), Branch(8)) == Pillar(33));  // 丙申
static_assert(pillarOf(Stem(9), Branch(11)) == Pillar(60)); // 癸亥
static_assert(!pillarOf(Stem(0), Branch(1)).ok());          // 甲丑 is no pillar
static_assert(!Pillar(61).ok() && !Stem(10).ok() && !Branch(-1).ok());

TEST(SexagenaryTypes, PillarStemAndBranchRoundTripOverTheCycle) {
    for (int i = 1; i <= 60; ++i) {
        const Pillar p(i);
        EXPECT_EQ(p.stem().index + 1, stemNumber(i));
        EXPECT_EQ(p.branch().index + 1, branchNumber(i));
        EXPECT_EQ(pillarOf(p.stem(), p.branch()), p);
        EXPECT_EQ(pillarText(p), pillarText(i));
        EXPECT_EQ(stemOfText(stemText(p.stem())), p.stem());
        EXPECT_EQ(branchOfText(branchText(p.branch())), p.branch());
    }
    EXPECT_FALSE(stemOfText("甲乙").ok());
    EXPECT_FALSE(branchOfText("").ok());
    EXPECT_EQ(pillarText(Pillar{}), "");
}

} // namespace
} // namespace bazi
