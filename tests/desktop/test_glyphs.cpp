// Every character of every text the game can show has a glyph in the face
// the desktop chose. The texts are the string literals of the scenes and the
// store, read from their sources when the test runs (SourceTexts.h).
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "desktop/Face.h"
#include "desktop/TextLayout.h"
#include "tests/desktop/SourceTexts.h"

namespace zorb::desktop {
namespace {

using test::Literal;
using test::gameTexts;
using test::stringLiterals;

TEST(Glyphs, LiteralsAreReadFromTheSources) {
    const auto literals = stringLiterals(
        "// \"not this\"\nconst char* a = \"やあ\\n\"; /* \"nor this\" */ char c = '\"';\n"
        "int big = 1'000; auto r = R\"x(生の\"文字\")x\"; auto s = u8\"二\";",
        "f.cpp");
    ASSERT_EQ(literals.size(), 3u);
    EXPECT_EQ(literals[0].text, "やあ\n");
    EXPECT_EQ(literals[0].where, "f.cpp:2");
    EXPECT_EQ(literals[1].text, "生の\"文字\"");
    EXPECT_EQ(literals[2].text, "二");
}

TEST(Glyphs, EveryCharacterOfEveryTextHasAGlyphInTheFace) {
    const FaceFile face = findFace();
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = TTF_OpenFontIndex(face.path.c_str(), 12, face.index);
    ASSERT_NE(font, nullptr) << face.path;

    const auto texts = gameTexts();
    // The scenes hold well over a hundred texts; far fewer means the sources
    // were not found and the test would prove nothing.
    ASSERT_GT(texts.size(), 100u);
    std::map<char32_t, std::string> missing;  // a character and the first text that needs it
    std::set<char32_t> japanese;
    for (const Literal& literal : texts) {
        for (char32_t cp : decodeUtf8(literal.text)) {
            if (cp < 0x20 || cp == 0x7F) continue;  // line breaks and tabs are not drawn
            if (cp >= 0x3000) japanese.insert(cp);
            if (!TTF_GlyphIsProvided32(font, static_cast<Uint32>(cp)) && !missing.count(cp)) {
                missing[cp] = literal.where + " \"" + literal.text + "\"";
            }
        }
    }
    EXPECT_GT(japanese.size(), 100u) << "the game's Japanese texts were not among the literals";
    for (const auto& [cp, where] : missing) {
        ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(cp) << " has no glyph in "
                      << face.family << ", needed by " << where;
    }
    TTF_CloseFont(font);
    TTF_Quit();
}

TEST(Glyphs, TheChosenFaceIsTheGamesGothic) {
    const FaceFile face = findFace();
    // This machine has Debian's IPAPGothic (fonts-ipafont-gothic) unless it
    // has MS PGothic itself.
    EXPECT_TRUE(face.family.find("PGothic") != std::string::npos ||
                face.family.find("ゴシック") != std::string::npos)
        << face.family << " at " << face.path;
}

}  // namespace
}  // namespace zorb::desktop
