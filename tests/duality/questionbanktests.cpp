// The random choice of a question, its repeat rule, and what choosing sets up.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "duality/core/questionbank.h"
#include "module1/module1.h"

namespace {

// A draw that floor(11 r) turns into index q.
float drawFor(int q) { return (static_cast<float>(q) + 0.5f) / QuestionBank::kCount; }

struct PickCase {
    const char* name;
    float r;
    std::optional<int> last;
    int expected;
};

class PicksQuestion : public ::testing::TestWithParam<PickCase> {};

TEST_P(PicksQuestion, Index) {
    const PickCase& c = GetParam();
    EXPECT_EQ(QuestionBank::pick(c.r, c.last), c.expected);
}

const PickCase kPickCases[] = {
    {"FirstDrawOfZeroBecomesOne", 0.0f, std::nullopt, 1},
    {"FirstDrawOfFiveStays", drawFor(5), std::nullopt, 5},
    {"FirstDrawJustBelowOne", 0.99999994f, std::nullopt, 10},
    {"ZeroAfterAnotherQuestionStays", 0.0f, 3, 0},
    {"RepeatMovesToNext", drawFor(3), 3, 4},
    {"RepeatOfLastWrapsToZero", drawFor(10), 10, 0},
    {"RepeatOfZeroMovesToOne", 0.0f, 0, 1},
    {"EdgeOfBucketBelongsToUpperIndex", 2.0f / 11.0f + 1e-6f, 7, 2},
    {"DrawOfOneFromFaultySourceStaysInBank", 1.0f, 4, 10},
    {"NegativeDrawFromFaultySourceStaysInBank", -0.5f, 4, 0},
};

INSTANTIATE_TEST_SUITE_P(QuestionBank, PicksQuestion, ::testing::ValuesIn(kPickCases),
                         [](const auto& info) { return std::string(info.param.name); });

class QuestionBankChoose : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }
    void TearDown() override { Module1::reset(); }
};

TEST_F(QuestionBankChoose, NeverRepeatsAndReachesEveryIndexWithNextTwiceAsLikely) {
    std::mt19937 engine(20261207);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    std::array<int, QuestionBank::kCount> seen{};
    int followers = 0;
    constexpr int kDraws = 110'000;
    int previous = -1;
    for (int i = 0; i < kDraws; ++i) {
        const int q = QuestionBank::choose(uniform(engine)).index;
        ASSERT_NE(q, previous) << "draw " << i << " repeated the question before it";
        ASSERT_EQ(Module1::lastquestion, q);
        if (previous >= 0 && q == (previous + 1) % QuestionBank::kCount) ++followers;
        ++seen[static_cast<std::size_t>(q)];
        previous = q;
    }
    for (int q = 0; q < QuestionBank::kCount; ++q)
        EXPECT_GT(seen[static_cast<std::size_t>(q)], 0) << q;
    // The question after the last one takes the repeats too: 2 in 11.
    EXPECT_NEAR(static_cast<double>(followers) / kDraws, 2.0 / 11.0, 0.01);
}

struct SetUpCase {
    int index;
    const char* smallseq;
    int framecount;
    int answer;
    const char* firstFrame;
};

class ChoosesQuestion : public ::testing::TestWithParam<SetUpCase> {};

// The screen starts the animation at frame 0 (checked in the Duality screen's tests).
TEST_P(ChoosesQuestion, SetsTheQuizVariablesAndGivesItsAnimation) {
    const SetUpCase& c = GetParam();
    Module1::reset();
    Module1::lastquestion = (c.index + 5) % QuestionBank::kCount;
    const QuestionBank::Choice choice = QuestionBank::choose(drawFor(c.index));
    ASSERT_EQ(choice.index, c.index);
    EXPECT_EQ(Module1::lastquestion, c.index);
    EXPECT_EQ(choice.animation.smallseq, c.smallseq);
    EXPECT_EQ(choice.animation.picext, ".gif");
    EXPECT_EQ(choice.animation.framecount, c.framecount);
    EXPECT_EQ(choice.animation.digits, QuestionBank::kFrameDigits);
    EXPECT_EQ(choice.animation, QuestionBank::animation(c.index));
    EXPECT_STRNE(choice.animation.description, "") << "a screen reader says what it shows";
    EXPECT_EQ(Module1::dualanswer, c.answer);
    EXPECT_EQ(choice.animation.frameFile(0), c.firstFrame);
    Module1::reset();
}

INSTANTIATE_TEST_SUITE_P(
    QuestionBank, ChoosesQuestion,
    ::testing::Values(SetUpCase{0, "newrsm\\newr00", 40, 4, "newrsm\\newr0000.gif"},
                      SetUpCase{1, "recip1\\reci00", 25, 6, "recip1\\reci0000.gif"},
                      SetUpCase{3, "dualsm\\dual00", 20, 20, "dualsm\\dual0000.gif"},
                      SetUpCase{10, "dualsm\\dual00", 20, 30, "dualsm\\dual0000.gif"}),
    [](const auto& info) { return "Index" + std::to_string(info.param.index); });

TEST(QuestionBankTable, FullScreenLabelHiddenOnlyForOctahedronAndCube) {
    for (int q = 0; q < QuestionBank::kCount; ++q) {
        const DualityQuestion& entry = QuestionBank::question(q);
        const std::string text = entry.text;
        const bool octahedronOrCube =
            text.find("octahedron") != std::string::npos || text.find("cube") != std::string::npos;
        EXPECT_EQ(entry.showsFullScreen, !octahedronOrCube) << "index " << q;
        // Those questions play the sequence without a full-screen version.
        EXPECT_EQ(entry.animation == &AnimationTable::kCubeOctahedron, octahedronOrCube)
            << "index " << q;
    }
}

struct FrameNameCase {
    const char* name;
    const char* prefix;
    int frame;
    const char* expected;
};

class NamesFrame : public ::testing::TestWithParam<FrameNameCase> {};

TEST_P(NamesFrame, WithTwoDigits) {
    const FrameNameCase& c = GetParam();
    EXPECT_EQ(Module1::frameName(c.prefix, c.frame, QuestionBank::kFrameDigits, ".gif"),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    QuestionBank, NamesFrame,
    ::testing::Values(FrameNameCase{"FirstFrame", "dualsm\\dual00", 0, "dualsm\\dual0000.gif"},
                      FrameNameCase{"LastSingleDigit", "dualsm\\dual00", 9, "dualsm\\dual0009.gif"},
                      FrameNameCase{"FirstTwoDigits", "dualsm\\dual00", 10, "dualsm\\dual0010.gif"},
                      FrameNameCase{"LastOfTwenty", "dualsm\\dual00", 19, "dualsm\\dual0019.gif"},
                      FrameNameCase{"LastOfTwentyFive", "recip1\\reci00", 24,
                                    "recip1\\reci0024.gif"},
                      FrameNameCase{"LastOfForty", "newrsm\\newr00", 39, "newrsm\\newr0039.gif"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
