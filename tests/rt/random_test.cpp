#include "platform/rt/format.h"
#include "platform/rt/random.h"

#include <gtest/gtest.h>

#include <QSet>
#include <cmath>

namespace {

class Random : public ::testing::Test {
protected:
    void TearDown() override { rt::setRandomSequence({}); }
};

TEST_F(Random, ValuesLieInTheUnitInterval) {
    rt::randomize();
    for (int i = 0; i < 20000; ++i) {
        const float r = rt::rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(std::ldexp(std::floor(std::ldexp(double(r), 24)), -24), double(r));  // k / 2^24
    }
}

TEST_F(Random, ReseedsInQuickSuccessionGiveDifferentValues) {
    QSet<QString> ids;
    for (int i = 0; i < 200; ++i) {
        rt::randomize();
        ids.insert(rt::str(rt::rnd()));
    }
    EXPECT_GE(ids.size(), 198);  // at most a chance collision in 2^24 values
}

TEST_F(Random, InstalledSequenceIsReturnedInOrderAndRepeats) {
    rt::setRandomSequence({0.7055475f, 0.25f});
    rt::randomize();
    EXPECT_EQ(rt::str(rt::rnd()), "0.7055475");
    rt::randomize();
    EXPECT_EQ(rt::rnd(), 0.25f);
    EXPECT_EQ(rt::rnd(), 0.7055475f);
    rt::setRandomSequence({});
    const float a = rt::rnd();
    EXPECT_TRUE(a >= 0.0f && a < 1.0f);
}

}  // namespace
