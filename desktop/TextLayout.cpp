#include "desktop/TextLayout.h"

#include <linebreak.h>

#include <mutex>

namespace zorb::desktop {

namespace {

void initBreaker() {
    static std::once_flag once;
    std::call_once(once, [] { init_linebreak(); });
}

bool isSpace(char c) { return c == ' ' || c == '\t'; }

std::string trimEnd(std::string s) {
    while (!s.empty() && (isSpace(s.back()) || s.back() == '\n' || s.back() == '\r')) s.pop_back();
    return s;
}

// Byte length of the UTF-8 sequence starting with `lead`.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

// Decodes the code point starting at byte `i` and its length in bytes
// (U+FFFD and 1 for a malformed sequence).
char32_t codePointAt(const std::string& text, std::size_t i, std::size_t& length) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = sequenceLength(lead);
    length = 1;
    if (n == 1) return lead < 0x80 ? lead : 0xFFFD;
    if (i + n > text.size()) return 0xFFFD;
    char32_t cp = n == 2 ? (lead & 0x1F) : n == 3 ? (lead & 0x0F) : (lead & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char c = static_cast<unsigned char>(text[i + k]);
        if ((c >> 6) != 0x2) return 0xFFFD;
        cp = (cp << 6) | (c & 0x3F);
    }
    length = n;
    return cp;
}

// UAX #14 (LB1) leaves the class CJ (small kana, ー) to the tailoring, and
// the library resolves it to ID, which lets a line start with っ or ー.
// Strict Japanese line breaking treats CJ as NS: take back every break the
// library allows before one. Mandatory breaks (line feeds) stay.
void applyStrictRule(const std::string& text, std::vector<char>& breaks) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        const char32_t cp = codePointAt(text, i, n);
        if (i > 0 && isSmallKanaOrProlongedMark(cp) && breaks[i - 1] == LINEBREAK_ALLOWBREAK) {
            breaks[i - 1] = LINEBREAK_NOBREAK;
        }
        i += n;
    }
}

// The break opportunities of the text, by the strict rule. The value at the
// last byte of a character tells whether a line may end after it.
std::vector<char> breakOpportunities(const std::string& text) {
    initBreaker();
    std::vector<char> breaks(text.size());
    set_linebreaks_utf8(reinterpret_cast<const utf8_t*>(text.data()), text.size(), "ja",
                        breaks.data());
    applyStrictRule(text, breaks);
    return breaks;
}

// Whether a line may start with this character: the strict rule allows a
// break between a kana and it (not so for 。、」！？ー, small kana and their kin).
bool canStartLine(const std::string& ch) {
    const std::string pair = "\xE3\x81\x82" + ch;  // あ
    return breakOpportunities(pair)[2] == LINEBREAK_ALLOWBREAK;
}

// Cuts a piece that has no break opportunity into lines between characters.
// A closing mark stays at the end of its line even past the edge, as
// Japanese typesetting hangs punctuation, rather than start the next one.
void cutByCharacter(const std::string& piece, int width,
                    const std::function<int(const std::string&)>& measure,
                    std::vector<std::string>& lines, std::string& current) {
    for (std::size_t i = 0; i < piece.size();) {
        const std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(piece[i])),
                                       piece.size() - i);
        const std::string ch = piece.substr(i, n);
        if (!current.empty() && measure(current + ch) > width && canStartLine(ch)) {
            lines.push_back(trimEnd(current));
            current.clear();
        }
        current += ch;
        i += n;
    }
}

}  // namespace

std::u32string decodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = sequenceLength(lead);
        if (n == 1 && lead >= 0x80) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (i + n > text.size()) {
            out.push_back(0xFFFD);
            break;
        }
        char32_t cp = n == 1 ? lead : n == 2 ? (lead & 0x1F) : n == 3 ? (lead & 0x0F) : (lead & 0x07);
        bool ok = true;
        for (std::size_t k = 1; k < n; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c >> 6) != 0x2) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(ok ? cp : 0xFFFD);
        i += ok ? n : 1;
    }
    return out;
}

bool isSmallKanaOrProlongedMark(char32_t c) {
    switch (c) {
        case U'ぁ': case U'ぃ': case U'ぅ': case U'ぇ': case U'ぉ': case U'っ':
        case U'ゃ': case U'ゅ': case U'ょ': case U'ゎ': case U'ゕ': case U'ゖ':
        case U'ァ': case U'ィ': case U'ゥ': case U'ェ': case U'ォ': case U'ッ':
        case U'ャ': case U'ュ': case U'ョ': case U'ヮ': case U'ヵ': case U'ヶ':
        case U'ー':
        case 0x1B132: case 0x1B150: case 0x1B151: case 0x1B152: case 0x1B155:  // small kana supplement
        case 0x1B164: case 0x1B165: case 0x1B166: case 0x1B167:
            return true;
        default: break;
    }
    return (c >= 0x31F0 && c <= 0x31FF)    // small katakana for Ainu: ㇰ..ㇿ
           || (c >= 0xFF67 && c <= 0xFF70);  // half-width ｧ..ｯ and ｰ
}

std::vector<std::string> wrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure) {
    return wrapLines(text, width, measure).lines;
}

WrappedText wrapLines(const std::string& text, int width,
                      const std::function<int(const std::string&)>& measure) {
    WrappedText out;
    std::vector<std::string>& lines = out.lines;
    if (text.empty()) return out;

    const std::vector<char> breaks = breakOpportunities(text);

    // Pieces: the text between two break opportunities, each ending either
    // where a break is allowed or where one is mandatory.
    std::string current;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char b = breaks[i];
        const bool last = i + 1 == text.size();
        if (b != LINEBREAK_ALLOWBREAK && b != LINEBREAK_MUSTBREAK && !last) continue;
        std::string piece = text.substr(start, i + 1 - start);
        start = i + 1;
        const bool mandatory = b == LINEBREAK_MUSTBREAK && !last;

        std::string candidate = current + piece;
        if (measure(trimEnd(candidate)) <= width || trimEnd(candidate).empty()) {
            current = std::move(candidate);
        } else {
            if (!trimEnd(current).empty()) {
                lines.push_back(trimEnd(current));
                current.clear();
            }
            if (measure(trimEnd(piece)) <= width) {
                current = std::move(piece);
            } else {
                out.overflowed = true;
                cutByCharacter(piece, width, measure, lines, current);
            }
        }
        if (mandatory) {
            lines.push_back(trimEnd(current));
            current.clear();
        }
    }
    if (!trimEnd(current).empty()) lines.push_back(trimEnd(current));
    return out;
}

}  // namespace zorb::desktop
