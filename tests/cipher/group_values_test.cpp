// SPDX-License-Identifier: MIT
#include "cipher/group_values.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using cipher::groupValues;
using cipher::groupValuesOneByOne;

std::string randomDigits(std::size_t groups, std::mt19937& random) {
    std::bernoulli_distribution one(0.5);
    std::string digits(groups * 7, '0');
    for (char& digit : digits) {
        digit = one(random) ? '1' : '0';
    }
    return digits;
}

TEST(GroupValues, ReadsEachGroupMostSignificantDigitFirst) {
    EXPECT_EQ(groupValuesOneByOne("1000000"
                                  "0000001"
                                  "1111111"
                                  "0101010"),
              (cipher::GroupValues{64, 1, 127, 42}));
    EXPECT_TRUE(groupValuesOneByOne("").empty());
}

// The word-at-a-time reading that this machine uses gives what one digit
// at a time gives, at every length, in every group including the last.
TEST(GroupValues, WordAtATimeAgreesWithOneDigitAtATime) {
    std::mt19937 random(3);
    for (std::size_t groups = 0; groups < 40; ++groups) {
        for (int round = 0; round < 20; ++round) {
            const std::string digits = randomDigits(groups, random);
            ASSERT_EQ(groupValues(digits), groupValuesOneByOne(digits)) << digits;
        }
    }
    const std::string longest = randomDigits(4681, random);
    EXPECT_EQ(groupValues(longest), groupValuesOneByOne(longest));
}

}  // namespace
