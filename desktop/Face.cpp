#include "desktop/Face.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <stdexcept>

namespace zorb::desktop {

namespace {

std::string text(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
    return reinterpret_cast<const char*>(value);
}

bool coversJapanese(FcPattern* font) {
    FcLangSet* langs = nullptr;
    if (FcPatternGetLangSet(font, FC_LANG, 0, &langs) != FcResultMatch) return false;
    return FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual;
}

FaceFile toFace(FcPattern* font) {
    FaceFile face;
    face.path = text(font, FC_FILE);
    face.family = text(font, FC_FAMILY);
    int index = 0;
    if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) face.index = index;
    return face;
}

// A face whose family names include `family` exactly (fontconfig ignores
// case and blanks), regular style preferred. No substitution: a fallback
// face posing under the name must not count.
bool findFamily(const char* family, FaceFile& out) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_WEIGHT, FC_LANG, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    bool found = false;
    int bestWeight = 1 << 30;
    if (fonts) {
        for (int i = 0; i < fonts->nfont; ++i) {
            FcPattern* font = fonts->fonts[i];
            if (!coversJapanese(font)) continue;
            int weight = FC_WEIGHT_REGULAR;
            FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
            const int distance = std::abs(weight - FC_WEIGHT_REGULAR);
            if (!found || distance < bestWeight) {
                out = toFace(font);
                bestWeight = distance;
                found = true;
            }
        }
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found && !out.path.empty();
}

// Any face for Japanese, sans-serif preferred, as fontconfig would choose it.
bool findJapanese(FaceFile& out) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
    bool found = false;
    if (fonts) {
        for (int i = 0; i < fonts->nfont && !found; ++i) {
            FcPattern* font = fonts->fonts[i];
            FcBool outline = FcFalse;
            FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
            if (!outline || !coversJapanese(font)) continue;
            out = toFace(font);
            found = !out.path.empty();
        }
        FcFontSetDestroy(fonts);
    }
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

FaceFile findFace() {
    if (!FcInit()) throw NoFace();
    FaceFile face;
    if (findFamily("MS PGothic", face) || findFamily("IPAPGothic", face) || findJapanese(face)) {
        return face;
    }
    throw NoFace();
}

Fonts::Fonts(FaceFile face) : face_(std::move(face)) {
    if (TTF_Init() != 0) throw std::runtime_error(std::string("cannot start SDL_ttf: ") + TTF_GetError());
}

Fonts::~Fonts() {
    clear();
    TTF_Quit();
}

void Fonts::clear() {
    for (auto& [key, font] : open_) TTF_CloseFont(font);
    open_.clear();
}

TTF_Font* Fonts::get(int pixels, bool bold) {
    if (pixels < 1) pixels = 1;
    const auto key = std::make_pair(pixels, bold);
    if (auto it = open_.find(key); it != open_.end()) return it->second;
    TTF_Font* font = TTF_OpenFontIndex(face_.path.c_str(), pixels, face_.index);
    if (!font) {
        throw std::runtime_error("cannot open the font " + face_.path + ": " + TTF_GetError());
    }
    TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    if (bold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    open_.emplace(key, font);
    return font;
}

}  // namespace zorb::desktop
