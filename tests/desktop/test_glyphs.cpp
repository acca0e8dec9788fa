// Every character of every text the game can show has a glyph in the face
// the desktop chose. The texts are the string literals of the scenes and the
// store, read from their sources when the test runs, so new scenes are
// covered as they are written.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/Face.h"
#include "desktop/Look.h"
#include "desktop/TextLayout.h"

namespace zorb::desktop {
namespace {

struct Literal {
    std::string text;
    std::string where;  // file:line
};

// The string literals of a C++ source, escapes decoded; comments and
// character literals skipped.
std::vector<Literal> stringLiterals(const std::string& src, const std::string& file) {
    std::vector<Literal> out;
    int line = 1;
    std::size_t i = 0;
    const std::size_t n = src.size();
    auto count = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to && k < n; ++k) line += src[k] == '\n';
    };
    while (i < n) {
        const char c = src[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == '/' && i + 1 < n && src[i + 1] == '/') {
            while (i < n && src[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && src[i + 1] == '*') {
            const std::size_t end = src.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? n : end + 2;
            count(i, stop);
            i = stop;
        } else if (c == 'R' && i + 1 < n && src[i + 1] == '"') {
            const std::size_t open = src.find('(', i + 2);
            const std::string delim = ")" + src.substr(i + 2, open - i - 2) + "\"";
            const std::size_t end = src.find(delim, open);
            out.push_back({src.substr(open + 1, end - open - 1), file + ":" + std::to_string(line)});
            count(i, end + delim.size());
            i = end + delim.size();
        } else if (c == '\'') {
            // A character literal, or a digit separator (1'000).
            if (i > 0 && std::isalnum(static_cast<unsigned char>(src[i - 1]))) {
                ++i;
                continue;
            }
            ++i;
            while (i < n && src[i] != '\'') i += src[i] == '\\' ? 2 : 1;
            ++i;
        } else if (c == '"') {
            std::string text;
            ++i;
            while (i < n && src[i] != '"') {
                if (src[i] == '\\' && i + 1 < n) {
                    const char e = src[i + 1];
                    i += 2;
                    switch (e) {
                        case 'n': text += '\n'; break;
                        case 't': text += '\t'; break;
                        case 'r': text += '\r'; break;
                        case 'x': {
                            int v = 0;
                            while (i < n && std::isxdigit(static_cast<unsigned char>(src[i]))) {
                                v = v * 16 + std::stoi(std::string(1, src[i]), nullptr, 16);
                                ++i;
                            }
                            text += static_cast<char>(v);
                            break;
                        }
                        default: text += e; break;
                    }
                } else {
                    text += src[i++];
                }
            }
            ++i;
            out.push_back({text, file + ":" + std::to_string(line)});
        } else {
            ++i;
        }
    }
    return out;
}

std::vector<Literal> gameTexts() {
    std::vector<Literal> all;
    const std::filesystem::path root = ZORB_SOURCE_DIR;
    for (const char* dir : {"scenes", "state"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / dir)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            std::ifstream in(entry.path());
            std::stringstream buffer;
            buffer << in.rdbuf();
            const auto found = stringLiterals(buffer.str(), entry.path().lexically_relative(root).string());
            all.insert(all.end(), found.begin(), found.end());
        }
    }
    // The desktop's own words.
    all.push_back({kBoxTitle, "desktop/Look.h"});
    all.push_back({kOkCaption, "desktop/Look.h"});
    return all;
}

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
