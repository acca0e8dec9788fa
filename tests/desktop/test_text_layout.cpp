// Word wrap inside a label's box, with Japanese line breaking.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/TextLayout.h"

namespace zorb::desktop {
namespace {

// Every character one unit wide: a width of N holds N characters.
int units(const std::string& s) { return static_cast<int>(decodeUtf8(s).size()); }

std::vector<std::string> wrap(const std::string& text, int width) { return wrapText(text, width, units); }

TEST(TextLayout, BreaksJapaneseBetweenCharactersButNeverBeforeClosingMarks) {
    // No line may start with 。、」！？ or ー; the break moves back instead.
    const std::vector<std::string> texts = {
        "やあ、はじめまして！ぼくの名前はポムロ。ポッチーって呼んでね！",
        "これからはペットボトル爆弾のことを「ボトロン」と呼ぶよ。",
        "ボトロンを作るには水とペットボトルがいるよ？わかった？",
        "コーラ、サイダー、水。どれにする？",
    };
    const std::u32string forbidden = U"。、」！？ー";
    for (const auto& text : texts) {
        for (int width = 2; width <= 12; ++width) {
            const auto lines = wrap(text, width);
            std::string joined;
            for (const auto& line : lines) {
                joined += line;
                ASSERT_FALSE(line.empty()) << text << " at " << width;
                EXPECT_EQ(forbidden.find(decodeUtf8(line).front()), std::u32string::npos)
                    << "line starts with a closing mark: " << line << " (width " << width << ")";
            }
            EXPECT_EQ(joined, text) << "nothing lost or added at width " << width;
        }
    }
}

TEST(TextLayout, KeepsSmallKanaAndProlongedMarksWithTheSyllableBefore) {
    // The strict rule: a line never starts with a small kana or ー (Unicode's
    // class CJ, which the generic algorithm would let start one). Where a
    // syllable does not fit, it moves to the next line whole.
    struct Case {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"ポッチー", 1, {"ポッ", "チー"}},
        {"さっそく", 1, {"さっ", "そ", "く"}},
        {"ポッチーって", 3, {"ポッ", "チーっ", "て"}},
        {"キャンディー", 2, {"キャ", "ン", "ディー"}},
        {"ぼくはポッチー", 4, {"ぼくは", "ポッチー"}},
        {"ｼｬｯﾀｰ", 1, {"ｼｬｯ", "ﾀｰ"}},
        {"ぁぃぅぇぉゎゕゖ", 1, {"ぁぃぅぇぉゎゕゖ"}},  // nothing may start a line: all on one
    };
    for (const auto& c : cases) EXPECT_EQ(wrap(c.text, c.width), c.lines) << c.text << " at " << c.width;

    const std::u32string smallKana = U"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇿｧｯｰー\U0001B132\U0001B155";
    for (char32_t c : smallKana) EXPECT_TRUE(isSmallKanaOrProlongedMark(c)) << static_cast<unsigned>(c);
    for (char32_t c : std::u32string(U"あつやアツヤンヽ々。、！～A")) {
        EXPECT_FALSE(isSmallKanaOrProlongedMark(c)) << static_cast<unsigned>(c);
    }
}

TEST(TextLayout, TellsWhenARunWiderThanTheBoxHadToBeCut) {
    struct Case {
        std::string text;
        int width;
        bool overflowed;
    };
    const std::vector<Case> cases = {
        {"ZORBLAND", 5, true},
        {"ZORBLAND", 8, false},
        {"GAME OVER", 6, false},          // two words, each fits
        {"ぼくはボムの達人", 4, false},   // Japanese breaks between characters
        {"ポッ", 1, true},                // a syllable wider than the box
        {"よし、", 1, true},              // the comma hangs past the edge
        {"", 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wrapLines(c.text, c.width, units).overflowed, c.overflowed) << c.text << " at " << c.width;
    }
}

TEST(TextLayout, FillsLinesAndKeepsLatinWordsWhole) {
    struct Case {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        // A break is allowed between any two kana or kanji: lines are full.
        {"ぼくはボムの達人", 4, {"ぼくはボ", "ムの達人"}},
        {"GAME OVER", 6, {"GAME", "OVER"}},
        {"GAME OVER", 9, {"GAME OVER"}},
        {"HP: 100", 4, {"HP:", "100"}},
        {"", 5, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(wrap(c.text, c.width), c.lines) << c.text << " at " << c.width;
}

TEST(TextLayout, CutsAWordTooLongForTheBoxAndHonoursLineFeeds) {
    EXPECT_EQ(wrap("ZORBLAND", 5), (std::vector<std::string>{"ZORBL", "AND"}));
    EXPECT_EQ(wrap("一行目\n二行目", 10), (std::vector<std::string>{"一行目", "二行目"}));
    EXPECT_EQ(wrap("上\r\n\r\n下", 10), (std::vector<std::string>{"上", "", "下"}));
    // Spaces at the end of a line take no room.
    EXPECT_EQ(wrap("AB    CD", 2), (std::vector<std::string>{"AB", "CD"}));
}

TEST(TextLayout, DecodesUtf8AndReplacesBrokenBytes) {
    EXPECT_EQ(decodeUtf8("aあ🍑"), U"aあ🍑");
    EXPECT_EQ(decodeUtf8(std::string("a\xff" "b")), U"a\uFFFDb");
    EXPECT_EQ(decodeUtf8(std::string("\xe3\x81")), U"\uFFFD");
}

}  // namespace
}  // namespace zorb::desktop
