// The words of the script format that the driver and the replay share.
#include <gtest/gtest.h>

#include <string>

#include "runtime/ScriptFormat.h"

namespace zorb::script {
namespace {

TEST(ScriptFormat, SpacesAndTabsSeparateTheFirstWord) {
    const struct {
        const char* line;
        const char* verb;
        const char* rest;
    } cases[] = {
        {"wait 100", "wait", "100"},
        {"wait\t100", "wait", "100"},
        {"set\tForm3.Text1 \t 5 6", "set", "Form3.Text1 \t 5 6"},
        {"ok", "ok", ""},
        {"ok \t", "ok", ""},
    };
    for (const auto& c : cases) {
        const Words words = splitFirst(trim(c.line));
        EXPECT_EQ(words.verb, c.verb) << c.line;
        EXPECT_EQ(words.rest, c.rest) << c.line;
    }
    EXPECT_EQ(trim(" \twait 5\t\r"), "wait 5");
}

TEST(ScriptFormat, AWaitIsWholeMillisecondsUpToADay) {
    const struct {
        const char* text;
        long long ms;  // -1: refused
        const char* error;
    } cases[] = {
        {"0", 0, ""},
        {"1500", 1500, ""},
        {"86400000", 86'400'000, ""},
        {"000000000000086400000", 86'400'000, ""},
        {"86400001", -1, "wait is at most 86400000 ms (a day), got '86400001'"},
        {"999999999999", -1, "wait is at most 86400000 ms (a day), got '999999999999'"},
        {"99999999999999999999999999999", -1,
         "wait is at most 86400000 ms (a day), got '99999999999999999999999999999'"},
        {"", -1, "wait needs whole milliseconds, got ''"},
        {"-5", -1, "wait needs whole milliseconds, got '-5'"},
        {"1.5", -1, "wait needs whole milliseconds, got '1.5'"},
        {"1e3", -1, "wait needs whole milliseconds, got '1e3'"},
    };
    for (const auto& c : cases) {
        long long ms = -1;
        EXPECT_EQ(parseWait(c.text, ms), c.error) << c.text;
        EXPECT_EQ(ms, c.ms) << c.text;
    }
}

TEST(ScriptFormat, ADrawIsOneToFour) {
    EXPECT_EQ(parseDraw("1"), 1);
    EXPECT_EQ(parseDraw("4"), 4);
    for (const char* bad : {"0", "5", "", "12", "-1", "x"}) EXPECT_EQ(parseDraw(bad), 0) << bad;
}

TEST(ScriptFormat, ABadLineIsShownEscapedAndCut) {
    EXPECT_EQ(shown("Form3.Command2"), "Form3.Command2");
    EXPECT_EQ(shown("a\x01" "b\x1b[31mc\x7f"), "a\\x01b\\x1b[31mc\\x7f");
    EXPECT_EQ(shown("tab\there"), "tab\\x09here");
    // UTF-8 text stays as it is; a broken sequence does not reach the terminal.
    EXPECT_EQ(shown("ポッチー"), "ポッチー");
    EXPECT_EQ(shown("\xE3\x83"), "\\xe3\\x83");
    EXPECT_EQ(shown("\xff" "a"), "\\xffa");

    // Eighty characters at most, counted as characters, then an ellipsis.
    const std::string eighty(80, 'x');
    EXPECT_EQ(shown(eighty), eighty);
    EXPECT_EQ(shown(eighty + "yz"), eighty + "…");
    std::string kana;
    for (int i = 0; i < 100; ++i) kana += "ア";
    std::string eightyKana;
    for (int i = 0; i < 80; ++i) eightyKana += "ア";
    EXPECT_EQ(shown(kana), eightyKana + "…");
    // An escaped byte counts as one character of the line.
    EXPECT_EQ(shown(std::string(100, '\x01')).size(), 80 * 4 + std::string("…").size());
}

}  // namespace
}  // namespace zorb::script
