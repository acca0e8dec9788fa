#include <gtest/gtest.h>

#include "runtime/Value.h"

namespace zorb {
namespace {

TEST(Value, TextReadsAsANumberAndAnythingElseAsZero) {
    const struct {
        const char* text;
        double number;
    } cases[] = {
        {"2880", 2880}, {"-720", -720}, {"0", 0}, {"", 0}, {"  42 ", 42}, {"+5", 5},
        {"1.5", 1.5}, {"-0.25", -0.25}, {"1e3", 1000}, {"Text2", 0}, {"12abc", 0},
        {"abc", 0}, {"0x10", 0}, {"inf", 0}, {"nan", 0}, {"-", 0}, {".", 0},
        {"1" "234567890123456789", 1234567890123456789.0},
    };
    for (const auto& c : cases) EXPECT_EQ(toNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(Value, NumbersAreWrittenAsTheShortestDecimalText) {
    const struct {
        double number;
        const char* text;
    } cases[] = {
        {2880, "2880"}, {-720, "-720"}, {0, "0"}, {-0.0, "0"}, {1.5, "1.5"}, {0.1 + 0.2, "0.30000000000000004"},
        {5760 - 720.0, "5040"}, {1e20, "1e+20"}, {100000, "100000"},
    };
    for (const auto& c : cases) EXPECT_EQ(toText(c.number), c.text) << c.number;
}

TEST(Value, ArithmeticOnTextRoundTrips) {
    EXPECT_EQ(toText(toNumber("100") - 10), "90");
    EXPECT_EQ(toText(toNumber("") + 1), "1");
    EXPECT_EQ(toText(toNumber("5") - 10), "-5");
}

}  // namespace
}  // namespace zorb
