// The Unicode line breaking rules (UAX #14) for the classes the game's texts
// meet, with Japanese tailoring: ambiguous characters (arrows, ◎, ▼) are
// ideographs, curly quotes open and close. Small kana and ー come out as
// ideographs here; the text layout then applies the strict rule to them.
#include "linebreak.h"

#include <vector>

namespace {

enum Class { BK, CR, LF, SP, ZW, WJ, GL, OP, CL, CP, QU, EX, SY, IS, NS, IN, HY, BA, BB, B2, PR, PO, NU, AL, ID, CM };

Class classify(char32_t c) {
    switch (c) {
        case 0x0B: case 0x0C: case 0x85: case 0x2028: case 0x2029: return BK;
        case U'\n': return LF;
        case U'\r': return CR;
        case U' ': return SP;
        case U'\t': return BA;
        case 0x200B: return ZW;
        case 0x2060: case 0xFEFF: return WJ;
        case 0xA0: case 0x202F: return GL;
        case U'(': case U'[': case U'{': return OP;
        case U')': case U']': return CP;
        case U'}': return CL;
        case U'"': case U'\'': return QU;
        case U'!': case U'?': return EX;
        case U'/': return SY;
        case U',': case U'.': case U':': case U';': return IS;
        case U'-': return HY;
        case U'|': return BA;
        case U'$': case U'+': case U'\\': return PR;
        case U'%': return PO;
        case U'‘': case U'“': return OP;  // Japanese: they open
        case U'’': case U'”': return CL;  // and close
        case U'…': case U'‥': return IN;
        case U'、': case U'。': case U'，': case U'．': case U'｡': case U'､': return CL;
        case U'」': case U'』': case U'）': case U'】': case U'〕': case U'〉': case U'》': case U'〙':
        case U'〗': case U'］': case U'｝': case U'｣': case U'〟': return CL;
        case U'「': case U'『': case U'（': case U'【': case U'〔': case U'〈': case U'《': case U'〘':
        case U'〖': case U'［': case U'｛': case U'｢': case U'〝': return OP;
        case U'！': case U'？': return EX;
        case U'：': case U'；': case U'・': case U'･': case U'々': case U'〻': case U'ゝ': case U'ゞ':
        case U'ヽ': case U'ヾ': case U'〜': case U'゠': case U'‼': case U'⁇': case U'⁈': case U'⁉':
            return NS;
        case U'¥': case U'￥': case U'＄': case U'＋': return PR;
        case U'％': case U'°': case U'℃': return PO;
        case U'—': return B2;
        case U'‐': case U'–': return BA;
        default: break;
    }
    if (c < 0x20 || c == 0x7F) return CM;
    if (c >= U'0' && c <= U'9') return NU;
    if (c < 0x80) return AL;
    if (c >= 0x0300 && c <= 0x036F) return CM;
    if (c >= 0x3099 && c <= 0x309A) return CM;  // combining kana voice marks
    // Kana, ideographs, full-width forms, and the symbols East Asian text
    // sets as ideographs (arrows, geometric shapes, stars).
    if ((c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF01 && c <= 0xFF60) ||
        (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD) || (c >= 0x2190 && c <= 0x21FF) ||
        (c >= 0x2460 && c <= 0x27BF) || (c >= 0x1F300 && c <= 0x1FAFF) || (c >= 0xAC00 && c <= 0xD7A3) ||
        (c >= 0x1B000 && c <= 0x1B16F)) {
        return ID;
    }
    if (c >= 0xFF61 && c <= 0xFF9F) return ID;  // half-width katakana
    return AL;
}

bool alphabetic(Class c) { return c == AL; }

// Whether a line may end between `before` and `after` (neither a space nor
// a mandatory break), `spaces` telling whether spaces stand between them.
bool mayBreak(Class before, Class after, bool spaces) {
    // LB11, LB12, LB12a
    if (before == WJ || after == WJ) return false;
    if (!spaces && before == GL) return false;
    if (!spaces && after == GL && before != BA && before != HY) return false;
    // LB13: nothing before closing punctuation, ! ? and infix separators.
    if (after == CL || after == CP || after == EX || after == IS || after == SY) return false;
    // LB14..LB17: through spaces.
    if (before == OP) return false;
    if (before == QU && after == OP) return false;
    if ((before == CL || before == CP) && after == NS) return false;
    if (before == B2 && after == B2) return false;
    // LB18: a break after spaces.
    if (spaces) return true;
    // LB19: quotation marks stay with both neighbours.
    if (before == QU || after == QU) return false;
    // LB21, LB22
    if (after == BA || after == HY || after == NS || after == IN || before == BB) return false;
    // LB23..LB25: numbers, with their prefixes, suffixes and letters.
    if ((alphabetic(before) && after == NU) || (before == NU && alphabetic(after))) return false;
    if (before == PR && after == ID) return false;
    if (before == ID && after == PO) return false;
    if ((before == PR || before == PO) && alphabetic(after)) return false;
    if (alphabetic(before) && (after == PR || after == PO)) return false;
    if ((before == CL || before == CP || before == NU) && (after == PO || after == PR)) return false;
    if ((before == PO || before == PR) && after == OP) return false;
    if ((before == PO || before == PR || before == HY || before == IS || before == NU || before == SY) &&
        after == NU) {
        return false;
    }
    // LB28..LB30: words.
    if (alphabetic(before) && alphabetic(after)) return false;
    if (before == IS && alphabetic(after)) return false;
    if ((alphabetic(before) || before == NU) && after == OP) return false;
    if (before == CP && (alphabetic(after) || after == NU)) return false;
    return true;  // LB31
}

}  // namespace

extern "C" void init_linebreak(void) {}

extern "C" void set_linebreaks_utf8(const utf8_t* s, size_t len, const char*, char* brks) {
    // Decode, remembering where each character ends.
    std::vector<char32_t> chars;
    std::vector<size_t> ends;
    for (size_t i = 0; i < len;) {
        const unsigned char lead = s[i];
        size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
        if (i + n > len) n = len - i;
        char32_t cp = n == 1 ? lead : n == 2 ? (lead & 0x1F) : n == 3 ? (lead & 0x0F) : (lead & 0x07);
        for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        if (n == 1 && lead >= 0x80) cp = 0xFFFD;
        for (size_t k = 0; k + 1 < n; ++k) brks[i + k] = LINEBREAK_INSIDEACHAR;
        chars.push_back(cp);
        ends.push_back(i + n - 1);
        i += n;
    }
    if (chars.empty()) return;

    Class last = classify(chars[0]);  // the last class that was not a space
    if (last == SP || last == CM) last = AL;
    bool spaces = false;
    for (size_t i = 0; i + 1 < chars.size(); ++i) {
        const Class here = classify(chars[i]);
        Class next = classify(chars[i + 1]);
        char& out = brks[ends[i]];
        if (here == BK || here == LF || (here == CR && next != LF)) {
            out = LINEBREAK_MUSTBREAK;
            last = next;
            spaces = false;
            continue;
        }
        if (here == SP) spaces = true;
        else if (here != CM) last = here;
        if (next == CM) next = last;  // a combining mark goes with its base
        if (next == SP || next == BK || next == CR || next == LF || next == ZW || classify(chars[i + 1]) == CM) {
            out = LINEBREAK_NOBREAK;
            continue;
        }
        if (here == ZW) {
            out = LINEBREAK_ALLOWBREAK;
            spaces = false;
            continue;
        }
        out = mayBreak(last, next, spaces) ? LINEBREAK_ALLOWBREAK : LINEBREAK_NOBREAK;
        spaces = false;
        last = next;
    }
    brks[ends.back()] = LINEBREAK_MUSTBREAK;
}
