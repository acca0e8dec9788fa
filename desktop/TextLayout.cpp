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

// UAX #14 (LB1) leaves the class CJ to the tailoring: strict Japanese line
// breaking treats it as NS, so no line starts with it. The library resolves
// CJ to ID, which would let a line start with the prolonged sound mark ー;
// take back the break before it (and before its half-width form ｰ).
void keepProlongedSoundMarks(const std::string& text, std::vector<char>& breaks) {
    static const char* const marks[] = {"\xE3\x83\xBC", "\xEF\xBD\xB0"};  // U+30FC, U+FF70
    for (const char* mark : marks) {
        for (std::size_t at = text.find(mark, 1); at != std::string::npos; at = text.find(mark, at + 1)) {
            if (breaks[at - 1] == LINEBREAK_ALLOWBREAK) breaks[at - 1] = LINEBREAK_NOBREAK;
        }
    }
}

// Whether a line may start with this character: the library allows a break
// between an ideograph and it (not so for 。、」！？ー and their kin).
bool canStartLine(const std::string& ch) {
    const std::string pair = "\xE3\x81\x82" + ch;  // あ
    std::vector<char> breaks(pair.size());
    set_linebreaks_utf8(reinterpret_cast<const utf8_t*>(pair.data()), pair.size(), "ja", breaks.data());
    keepProlongedSoundMarks(pair, breaks);
    return breaks[2] == LINEBREAK_ALLOWBREAK;
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

std::vector<std::string> wrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure) {
    initBreaker();
    std::vector<std::string> lines;
    if (text.empty()) return lines;

    std::vector<char> breaks(text.size());
    set_linebreaks_utf8(reinterpret_cast<const utf8_t*>(text.data()), text.size(), "ja",
                        breaks.data());
    keepProlongedSoundMarks(text, breaks);

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
                cutByCharacter(piece, width, measure, lines, current);
            }
        }
        if (mandatory) {
            lines.push_back(trimEnd(current));
            current.clear();
        }
    }
    if (!trimEnd(current).empty()) lines.push_back(trimEnd(current));
    return lines;
}

}  // namespace zorb::desktop
