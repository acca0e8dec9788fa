// The page sets text with the window's own line breaking (desktop/
// TextLayout.cpp) but without libunibreak, which emscripten cannot link:
// web/LineBreak.cpp answers in its place. It must give every text of the
// game, and the kinds of text a counter or a name can become, exactly the
// break opportunities libunibreak gives them in the window.
#include <gtest/gtest.h>
#include <linebreak.h>

#include <string>
#include <vector>

#include "tests/desktop/SourceTexts.h"

// web/LineBreak.cpp, built under these names beside the real library.
extern "C" void web_set_linebreaks_utf8(const utf8_t* s, size_t len, const char* lang, char* brks);

namespace {

std::vector<char> library(const std::string& text) {
    init_linebreak();
    std::vector<char> out(text.size());
    set_linebreaks_utf8(reinterpret_cast<const utf8_t*>(text.data()), text.size(), "ja", out.data());
    return out;
}

std::vector<char> page(const std::string& text) {
    std::vector<char> out(text.size());
    web_set_linebreaks_utf8(reinterpret_cast<const utf8_t*>(text.data()), text.size(), "ja", out.data());
    return out;
}

// The text with a mark after every character where a break is allowed (|)
// or must be (!), to read a difference at a glance.
std::string marked(const std::string& text, const std::vector<char>& breaks) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (breaks[i] == LINEBREAK_ALLOWBREAK) out += '|';
        if (breaks[i] == LINEBREAK_MUSTBREAK) out += '!';
    }
    return out;
}

TEST(WebLineBreaks, EveryTextOfTheGameBreaksAsInTheWindow) {
    const auto texts = zorb::desktop::test::gameTexts();
    ASSERT_GT(texts.size(), 500u);
    for (const auto& t : texts) {
        EXPECT_EQ(marked(t.text, page(t.text)), marked(t.text, library(t.text))) << t.where;
    }
}

TEST(WebLineBreaks, NumbersWordsSpacesAndPunctuation) {
    for (const std::string text : {
             "-720", "2880", "1.5", "HP:100", "HP: 50", "100円", "PLUMWORKS   ZORBLAND", "a b  c",
             "line one\nline two", "crlf\r\nnext", "「はい」と言った。", "（ほんと？）うん！", "ポッチー、っ",
             "まって……いく", "ABC漢字DEF", "漢字 ABC", "$100", "50%", "end.", "\"quoted\" word",
             "x (y) z", "ア・イ", "々と", "↑→↓←◎▼", "", " ", "  lead", "trail  "}) {
        EXPECT_EQ(marked(text, page(text)), marked(text, library(text))) << text;
    }
}

}  // namespace
