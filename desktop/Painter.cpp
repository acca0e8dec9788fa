#include "desktop/Painter.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>

#include "desktop/TextLayout.h"
#include "runtime/Controls.h"

namespace zorb::desktop {

namespace {

// Cached renderings of text, kept until a change of scale or until there
// are more than this many.
constexpr std::size_t kMaxTextBlocks = 600;
// Condensed faces kept open for setting labels.
constexpr std::size_t kMaxCondensedFaces = 48;
// A caption is never set narrower than a quarter of its natural width.
constexpr int kMostCondensed = 4;

SDL_Color sdlColor(Color c) {
    return {static_cast<Uint8>((c >> 16) & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
            static_cast<Uint8>(c & 0xFF), 255};
}

int textWidth(TTF_Font* font, const std::string& text) {
    int w = 0, h = 0;
    if (text.empty() || TTF_SizeUTF8(font, text.c_str(), &w, &h) != 0) return 0;
    return w;
}

// What is left of `box` beside `cover`: the largest of the four strips
// left of, right of, above and below it (all of `box` when they do not meet).
Box uncovered(const Box& box, const Box& cover) {
    if (!box.intersects(cover)) return box;
    const float right = box.x + box.w, bottom = box.y + box.h;
    const float coverRight = cover.x + cover.w, coverBottom = cover.y + cover.h;
    const Box strips[] = {
        {box.x, box.y, cover.x - box.x, box.h},
        {coverRight, box.y, right - coverRight, box.h},
        {box.x, box.y, box.w, cover.y - box.y},
        {box.x, coverBottom, box.w, bottom - coverBottom},
    };
    Box best{box.x, box.y, 0, 0};
    for (const Box& strip : strips) {
        if (strip.w > 0 && strip.h > 0 && strip.w * strip.h > best.w * best.h) best = strip;
    }
    return best;
}

}  // namespace

View View::fit(int outputWidth, int outputHeight) {
    View v;
    v.width = outputWidth;
    v.height = outputHeight;
    v.scale = std::max(0.1f, std::min(static_cast<float>(outputWidth) / kScreenWidth,
                                      static_cast<float>(outputHeight) / kScreenHeight));
    v.offsetX = static_cast<int>(std::lround((outputWidth - kScreenWidth * v.scale) / 2));
    v.offsetY = static_cast<int>(std::lround((outputHeight - kScreenHeight * v.scale) / 2));
    return v;
}

Painter::Painter(SDL_Renderer* renderer, Pictures& pictures, Fonts& fonts)
    : renderer_(renderer), pictures_(pictures), fonts_(fonts) {
    int w = kScreenWidth, h = kScreenHeight;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    view_ = View::fit(w, h);
}

Painter::~Painter() {
    for (auto& [name, texture] : pictureTextures_) SDL_DestroyTexture(texture);
    dropTextBlocks();
    for (auto& [key, font] : condensed_) TTF_CloseFont(font);
}

void Painter::dropTextBlocks() {
    for (auto& [key, block] : textBlocks_) SDL_DestroyTexture(block.texture);
    textBlocks_.clear();
}

void Painter::setView(const View& view) {
    const bool rescaled = view.scale != view_.scale;
    const bool hiChanged = (view.scale > 1.0f) != hiPictures();
    view_ = view;
    if (rescaled) {
        dropTextBlocks();
        boxShapes_.clear();
        fonts_.clear();
        for (auto& [key, font] : condensed_) TTF_CloseFont(font);
        condensed_.clear();
    }
    if (hiChanged) {
        for (auto& [name, texture] : pictureTextures_) SDL_DestroyTexture(texture);
        pictureTextures_.clear();
    }
}

int Painter::boxWrapPixels() const {
    return static_cast<int>(std::lround(kBoxTextMaxWidth * view_.scale));
}

int Painter::pixelsFor(double points) const {
    return std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint * view_.scale)));
}

PictureSize Painter::pictureSize() {
    return [this](const std::string& name) { return pictures_.get(name, hiPictures()).natural; };
}

// --- primitives -------------------------------------------------------------

// Every box becomes device pixels here. A position is whatever number a
// scene (or a script) put in a control, so a box far off the screen is held
// a long way off instead, where the sums below and SDL's own clipping stay
// well inside an int.
SDL_Rect Painter::device(const Box& b) const {
    constexpr float kFar = 1 << 24;  // device pixels: no screen comes near
    const float s = view_.scale;
    auto pixel = [](float v) {
        if (!(v > -kFar)) v = -kFar;  // NaN too
        if (!(v < kFar)) v = kFar;
        return static_cast<int>(std::lround(v));
    };
    const int x0 = view_.offsetX + pixel(b.x * s);
    const int y0 = view_.offsetY + pixel(b.y * s);
    const int x1 = view_.offsetX + pixel((b.x + b.w) * s);
    const int y1 = view_.offsetY + pixel((b.y + b.h) * s);
    return {x0, y0, x1 - x0, y1 - y0};
}

void Painter::setColor(Color c) {
    const SDL_Color sc = sdlColor(c);
    SDL_SetRenderDrawColor(renderer_, sc.r, sc.g, sc.b, 255);
}

void Painter::fillDevice(const SDL_Rect& rect, Color color) {
    if (rect.w <= 0 || rect.h <= 0) return;
    setColor(color);
    SDL_RenderFillRect(renderer_, &rect);
}

void Painter::fill(const Box& box, Color color) { fillDevice(device(box), color); }

void Painter::clip(const Box* box) {
    if (!box) {
        SDL_RenderSetClipRect(renderer_, nullptr);
        return;
    }
    const SDL_Rect r = device(*box);
    SDL_RenderSetClipRect(renderer_, &r);
}

// Two-pixel 3D edges: the outer and inner ring, top-left and bottom-right.
void Painter::bevel(const Box& box, Color tlOuter, Color tlInner, Color brOuter, Color brInner) {
    const SDL_Rect r = device(box);
    const int t = std::max(1, static_cast<int>(std::lround(view_.scale)));
    auto ring = [&](int inset, Color tl, Color br) {
        const int x = r.x + inset * t, y = r.y + inset * t;
        const int w = r.w - 2 * inset * t, h = r.h - 2 * inset * t;
        if (w <= 0 || h <= 0) return;
        fillDevice({x, y, w, t}, tl);
        fillDevice({x, y, t, h}, tl);
        fillDevice({x, y + h - t, w, t}, br);
        fillDevice({x + w - t, y, t, h}, br);
    };
    ring(0, tlOuter, brOuter);
    ring(1, tlInner, brInner);
}

// --- text -------------------------------------------------------------------

const Painter::TextBlock& Painter::textBlock(const std::string& text, const TextStyle& style,
                                             int wrapWidth, Align align) {
    const int pixels = pixelsFor(style.points);
    std::string key = text;
    key += '\x1f';
    key += std::to_string(pixels) + (style.bold ? "b" : "r") + std::to_string(style.color) + "/" +
           std::to_string(wrapWidth) + (align == Align::Centre ? "c" : "l");
    if (auto it = textBlocks_.find(key); it != textBlocks_.end()) return it->second;
    if (textBlocks_.size() >= kMaxTextBlocks) dropTextBlocks();

    TTF_Font* font = fonts_.get(pixels, style.bold);
    std::vector<std::string> lines;
    if (wrapWidth > 0) {
        lines = wrapText(text, wrapWidth, [font](const std::string& s) { return textWidth(font, s); });
    } else {
        lines.push_back(text);
    }
    return textBlocks_.emplace(std::move(key), renderLines(lines, font, style.color, align)).first->second;
}

Painter::TextBlock Painter::renderLines(const std::vector<std::string>& lines, TTF_Font* font,
                                        Color color, Align align) {
    const int skip = TTF_FontLineSkip(font);
    std::vector<SDL_Surface*> rendered;
    int width = 0;
    for (const std::string& line : lines) {
        SDL_Surface* s = line.empty() ? nullptr
                                      : TTF_RenderUTF8_Blended(font, line.c_str(), sdlColor(color));
        rendered.push_back(s);
        if (s) width = std::max(width, s->w);
    }
    TextBlock block;
    block.width = width;
    block.height = skip * static_cast<int>(lines.size());
    if (width > 0 && block.height > 0) {
        SDL_Surface* canvas =
            SDL_CreateRGBSurfaceWithFormat(0, width, block.height, 32, SDL_PIXELFORMAT_ARGB8888);
        if (canvas) {
            SDL_FillRect(canvas, nullptr, 0);
            for (std::size_t i = 0; i < rendered.size(); ++i) {
                if (!rendered[i]) continue;
                SDL_SetSurfaceBlendMode(rendered[i], SDL_BLENDMODE_NONE);
                SDL_Rect to{align == Align::Centre ? (width - rendered[i]->w) / 2 : 0,
                            static_cast<int>(i) * skip, rendered[i]->w, rendered[i]->h};
                SDL_BlitSurface(rendered[i], nullptr, canvas, &to);
            }
            // Where the ink is, so a line taller than its box can be placed
            // with its ink inside.
            int left = width, top = block.height, right = 0, bottom = 0;
            for (int y = 0; y < block.height; ++y) {
                const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(canvas->pixels) +
                                                                  y * canvas->pitch);
                for (int x = 0; x < width; ++x) {
                    if ((row[x] >> 24) == 0) continue;
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = y + 1;
                }
            }
            if (right > left) block.ink = {left, top, right - left, bottom - top};
            block.texture = SDL_CreateTextureFromSurface(renderer_, canvas);
            if (block.texture) SDL_SetTextureBlendMode(block.texture, SDL_BLENDMODE_BLEND);
            SDL_FreeSurface(canvas);
        }
    }
    for (SDL_Surface* s : rendered) SDL_FreeSurface(s);
    return block;
}

void Painter::drawText(const std::string& text, const Box& box, const TextStyle& style, bool wrap,
                       Align align, bool middle, float nudge, int wrapPixels) {
    if (text.empty()) return;
    const SDL_Rect area = device(box);
    if (area.w <= 0 || area.h <= 0) return;
    const TextBlock& block = textBlock(text, style, wrap ? (wrapPixels > 0 ? wrapPixels : area.w) : 0, align);
    if (!block.texture) return;
    const int shift = static_cast<int>(std::lround(nudge * view_.scale));
    SDL_Rect to{area.x + shift, area.y + shift, block.width, block.height};
    if (align == Align::Centre) to.x = area.x + (area.w - block.width) / 2 + shift;
    if (middle) to.y = area.y + (area.h - block.height) / 2 + shift;
    SDL_Rect old;
    const bool clipped = SDL_RenderIsClipEnabled(renderer_);
    SDL_RenderGetClipRect(renderer_, &old);
    SDL_Rect inside = area;
    if (clipped) SDL_IntersectRect(&area, &old, &inside);
    SDL_RenderSetClipRect(renderer_, &inside);
    SDL_RenderCopy(renderer_, block.texture, nullptr, &to);
    SDL_RenderSetClipRect(renderer_, clipped ? &old : nullptr);
}

// --- labels -------------------------------------------------------------------

TTF_Font* Painter::face(int pixels, bool bold, int width, int height) {
    const int natural = 72 * pixels;
    if (width <= 0 || width > natural) width = natural;
    if (height <= 0 || height > natural) height = natural;
    if (width == natural && height == natural) return fonts_.get(pixels, bold);
    const auto key = std::make_tuple(pixels, bold, width, height);
    if (auto it = condensed_.find(key); it != condensed_.end()) return it->second;
    if (condensed_.size() >= kMaxCondensedFaces) {
        for (auto& [k, font] : condensed_) TTF_CloseFont(font);
        condensed_.clear();
    }
    // A face one point high at 72 × pixels dots per inch is `pixels` high;
    // a lower resolution draws the same outlines narrower (or lower), hinted
    // and rendered at the final size like any other text.
    const FaceFile& file = fonts_.face();
    TTF_Font* font = TTF_OpenFontIndexDPI(file.path.c_str(), 1, file.index, static_cast<unsigned>(width),
                                          static_cast<unsigned>(height));
    if (!font) return fonts_.get(pixels, bold);
    TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    if (bold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    condensed_.emplace(key, font);
    return font;
}

bool Painter::holdsOneLine(const LabelStyle& style, const Box& box) {
    // Judged at the size the scene was laid out at, so that a label is set
    // the same way at every scale.
    const int pixels = std::max(1, static_cast<int>(std::lround(style.size * kPixelsPerPoint)));
    return box.h < 2 * TTF_FontLineSkip(fonts_.get(pixels, style.bold));
}

// The face the game runs on may be wider than the one the scenes were laid
// out with. A caption that does not fit its box as this face sets it is set
// in the same face condensed horizontally, as narrow as it must be and no
// narrower, the way a narrower face would set it: a one-line label keeps its
// text on its line, a label of several lines keeps every word whole and all
// its lines inside the box.
Painter::LabelText Painter::setLabel(const std::string& caption, const LabelStyle& style, int width,
                                     int height, bool oneLine, int& faceWidth) {
    const int pixels = pixelsFor(style.size);
    const int natural = 72 * pixels;
    const int maxLines = std::max(1, height / TTF_FontLineSkip(fonts_.get(pixels, style.bold)));
    LabelText set;
    set.oneLine = oneLine;
    auto fits = [&](int candidate) {
        faceWidth = candidate;
        TTF_Font* font = face(pixels, style.bold, candidate);
        const auto measure = [font](const std::string& s) { return textWidth(font, s); };
        set.condense = static_cast<float>(candidate) / static_cast<float>(natural);
        if (oneLine) {
            set.lines = {caption};
            return measure(caption) <= width;
        }
        WrappedText wrapped = wrapLines(caption, width, measure);
        set.lines = std::move(wrapped.lines);
        return !wrapped.overflowed && static_cast<int>(set.lines.size()) <= maxLines;
    };
    if (fits(natural)) return set;
    // Text set narrower never takes more room: search for the widest face that fits.
    int lo = natural / kMostCondensed;
    if (!fits(lo)) return set;  // nothing readable fits: the narrowest, past the edge
    int hi = natural;
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        (fits(mid) ? lo : hi) = mid;
    }
    fits(lo);
    return set;
}

const Painter::TextBlock& Painter::labelBlock(const Label& label, const SDL_Rect& area, bool oneLine) {
    const LabelStyle& st = label.style();
    const int pixels = pixelsFor(st.size);
    std::string key = "\x1elabel\x1f" + label.caption();
    key += '\x1f';
    key += std::to_string(pixels) + (st.bold ? "b" : "r") + std::to_string(st.fore) + "/" +
           std::to_string(area.w) + "x" + std::to_string(area.h) + (oneLine ? "1" : "n");
    if (auto it = textBlocks_.find(key); it != textBlocks_.end()) return it->second;
    if (textBlocks_.size() >= kMaxTextBlocks) dropTextBlocks();
    int faceWidth = 0;
    LabelText set = setLabel(label.caption(), st, area.w, area.h, oneLine, faceWidth);
    TextBlock block = renderLines(set.lines, face(pixels, st.bold, faceWidth), st.fore, Align::Left);
    // A box lower than the face's ink (a one-line box laid out for a face
    // whose letters stand lower) gets the letters as much lower as it takes.
    for (int faceHeight = 72 * pixels; block.ink.h > area.h && faceHeight > 72 * pixels / 2;) {
        faceHeight = std::min(faceHeight - 1, faceHeight * area.h / block.ink.h);
        SDL_DestroyTexture(block.texture);
        block = renderLines(set.lines, face(pixels, st.bold, faceWidth, faceHeight), st.fore, Align::Left);
    }
    block.setting = std::move(set);
    return textBlocks_.emplace(std::move(key), std::move(block)).first->second;
}

Box Painter::labelBox(const Label& label, const Box& client) {
    Box box = controlBox(label, pictureSize());
    box.x += client.x;
    box.y += client.y;
    return box;
}

// The part of a label's box its text may use: what its window shows of it
// and the controls drawn after it leave uncovered. Where the scene lays a
// later label (a value beside its caption, say) over the end of this one,
// the caption is set before it instead of running on under it.
Box Painter::textArea(const std::vector<const Control*>& order, std::size_t index, const Box& client) {
    const Box box = labelBox(static_cast<const Label&>(*order[index]), client);
    const float left = std::max(box.x, client.x), top = std::max(box.y, client.y);
    const float right = std::min(box.x + box.w, client.x + client.w);
    const float bottom = std::min(box.y + box.h, client.y + client.h);
    Box area{left, top, std::max(0.0f, right - left), std::max(0.0f, bottom - top)};
    for (std::size_t i = index + 1; i < order.size() && area.w > 0 && area.h > 0; ++i) {
        const Control& c = *order[i];
        const ControlKind kind = c.kind();
        if (!c.visible() || (kind != ControlKind::Label && kind != ControlKind::CommandButton &&
                             kind != ControlKind::TextBox)) {
            continue;
        }
        Box cover = controlBox(c, pictureSize());
        cover.x += client.x;
        cover.y += client.y;
        area = uncovered(area, cover);
    }
    return area;
}

Painter::LabelText Painter::labelText(const Label& label, const Box& client) {
    const std::vector<const Control*> order = paintOrder(label.scene());
    const auto at = std::find(order.begin(), order.end(), &label);
    if (at == order.end()) return {};
    const Box box = labelBox(label, client);
    const SDL_Rect area = device(textArea(order, static_cast<std::size_t>(at - order.begin()), client));
    if (label.caption().empty() || area.w <= 0 || area.h <= 0) return {};
    const TextBlock& block = labelBlock(label, area, holdsOneLine(label.style(), box));
    LabelText set = block.setting;
    const SDL_Rect to = placeLabelText(block, area);
    if (block.ink.w > 0) set.ink = {to.x + block.ink.x, to.y + block.ink.y, block.ink.w, block.ink.h};
    return set;
}

SDL_Rect Painter::placeLabelText(const TextBlock& block, const SDL_Rect& area) const {
    SDL_Rect to{area.x, area.y, block.width, block.height};
    // A line taller than its box is lifted as far as it takes to keep its
    // ink inside, never above the box's top.
    const int inkBottom = block.ink.y + block.ink.h;
    if (block.ink.h > 0 && inkBottom > area.h) to.y -= std::min(block.ink.y, inkBottom - area.h);
    return to;
}

void Painter::paintLabelText(const Label& label, const Box& box, const Box& textArea) {
    const SDL_Rect area = device(textArea);
    if (label.caption().empty() || area.w <= 0 || area.h <= 0) return;
    const TextBlock& block = labelBlock(label, area, holdsOneLine(label.style(), box));
    if (!block.texture) return;
    const SDL_Rect to = placeLabelText(block, area);
    SDL_RenderCopy(renderer_, block.texture, nullptr, &to);
}

// --- pictures ---------------------------------------------------------------

SDL_Texture* Painter::pictureTexture(const std::string& name) {
    if (auto it = pictureTextures_.find(name); it != pictureTextures_.end()) return it->second;
    const Pictures::Picture& picture = pictures_.get(name, hiPictures());
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer_, picture.surface);
    if (texture) {
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    }
    pictureTextures_.emplace(name, texture);
    return texture;
}

void Painter::paintPicture(const std::string& name, float x, float y) {
    SDL_Texture* texture = pictureTexture(name);
    if (!texture) return;
    const Size natural = pictures_.get(name, hiPictures()).natural;
    const SDL_Rect to = device({x, y, static_cast<float>(natural.width),
                                static_cast<float>(natural.height)});
    SDL_RenderCopy(renderer_, texture, nullptr, &to);
}

// --- the screen -------------------------------------------------------------

void Painter::paint(const Runtime& runtime, const Layout& layout, const Interaction& interaction) {
    clip(nullptr);
    setColor(palette::Letterbox);
    SDL_RenderClear(renderer_);
    fill({0, 0, kScreenWidth, kScreenHeight}, palette::Desktop);
    const Box screen{0, 0, kScreenWidth, kScreenHeight};

    const std::vector<Scene*> windows = layout.windows(runtime);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        clip(&screen);
        paintWindow(**it, layout, *it == windows.front() && !runtime.messageBoxOpen(), interaction);
    }
    clip(&screen);
    if (runtime.messageBoxOpen()) paintMessageBox(runtime.messageBoxText(), interaction);
    if (!interaction.hint.empty()) paintNote(interaction.hint, true);
    if (!interaction.note.empty()) paintNote(interaction.note);
    clip(nullptr);
}

void Painter::paintFrame(const Box& frame, const std::string& caption, const std::string& icon,
                         bool active, bool minMax) {
    fill(frame, palette::Face);
    bevel(frame, palette::Face, palette::Light, palette::DarkShadow, palette::Shadow);

    const Box title{frame.x + kBorder, frame.y + kBorder, frame.w - 2 * kBorder,
                    static_cast<float>(kTitleHeight)};
    const SDL_Rect t = device(title);
    const SDL_Color left = sdlColor(active ? palette::ActiveTitleLeft : palette::InactiveTitleLeft);
    const SDL_Color right = sdlColor(active ? palette::ActiveTitleRight : palette::InactiveTitleRight);
    const float x0 = static_cast<float>(t.x), y0 = static_cast<float>(t.y);
    const float x1 = static_cast<float>(t.x + t.w), y1 = static_cast<float>(t.y + t.h);
    const SDL_Vertex v[4] = {{{x0, y0}, left, {0, 0}},
                             {{x1, y0}, right, {0, 0}},
                             {{x1, y1}, right, {0, 0}},
                             {{x0, y1}, left, {0, 0}}};
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer_, nullptr, v, 4, indices, 6);

    float textLeft = title.x + 3;
    if (!icon.empty()) {
        SDL_Texture* texture = pictureTexture(icon);
        const SDL_Rect to = device({title.x + 2, title.y + 1.5f, 16, 16});
        if (texture) SDL_RenderCopy(renderer_, texture, nullptr, &to);
        textLeft += 18;
    }
    float textRight = title.x + title.w - 2;
    if (minMax) {
        // Minimise and maximise: drawn as the design gives them; a scene
        // window cannot be minimised or maximised on this desktop.
        for (int i = 0; i < 2; ++i) {
            const Box b{title.x + title.w - 2 - 16 * (2 - i), title.y + 2, 16, 14};
            fill(b, palette::Face);
            bevel(b, palette::Light, palette::Face, palette::DarkShadow, palette::Shadow);
            if (i == 0) {
                fill({b.x + 4, b.y + 9, 6, 2}, palette::FieldText);
            } else {
                fill({b.x + 3, b.y + 2, 9, 2}, palette::FieldText);
                fill({b.x + 3, b.y + 2, 1, 9}, palette::FieldText);
                fill({b.x + 11, b.y + 2, 1, 9}, palette::FieldText);
                fill({b.x + 3, b.y + 10, 9, 1}, palette::FieldText);
            }
        }
        textRight -= 34;
    }
    drawText(caption, {textLeft, title.y, std::max(0.0f, textRight - textLeft), title.h},
             {kSystemPoints, true, active ? palette::TitleText : palette::InactiveTitleText}, false,
             Align::Left, true);
}

void Painter::paintWindow(const Scene& scene, const Layout& layout, bool active,
                          const Interaction& interaction) {
    const Box frame = layout.frame(scene);
    paintFrame(frame, scene.style().caption, scene.style().icon, active, scene.style().minMax);
    const Box client = layout.client(scene);
    fill(client, scene.style().background);
    clip(&client);
    // Every label's background before any label's text, so that no label
    // covers a neighbour's text that runs up to (or, condensed to the last
    // pixel, onto) its edge.
    const std::vector<const Control*> order = paintOrder(scene);
    std::vector<std::size_t> labels;
    auto paintLabelTexts = [&] {
        for (std::size_t i : labels) {
            const auto& label = static_cast<const Label&>(*order[i]);
            paintLabelText(label, labelBox(label, client), textArea(order, i, client));
        }
        labels.clear();
    };
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Control* c = order[i];
        if (c->kind() == ControlKind::Label && c->visible()) {
            const auto& label = static_cast<const Label&>(*c);
            fill(labelBox(label, client), label.style().back);
            labels.push_back(i);
            continue;
        }
        paintLabelTexts();
        paintControl(*c, client, interaction);
    }
    paintLabelTexts();
    clip(nullptr);
}

void Painter::paintControl(const Control& control, const Box& client, const Interaction& interaction) {
    if (!control.visible()) return;
    Box box = controlBox(control, pictureSize());
    box.x += client.x;
    box.y += client.y;
    switch (control.kind()) {
        case ControlKind::Image: {
            const auto& image = static_cast<const Image&>(control);
            if (!image.picture().empty()) paintPicture(image.picture(), box.x, box.y);
            break;
        }
        case ControlKind::Label: {
            const auto& label = static_cast<const Label&>(control);
            fill(box, label.style().back);
            paintLabelText(label, box, box);
            break;
        }
        case ControlKind::CommandButton:
            paintButton(static_cast<const CommandButton&>(control), box,
                        interaction.pressed == &control);
            if (interaction.focused == &control) paintFocus(box);
            break;
        case ControlKind::TextBox: {
            const auto& field = static_cast<const TextBox&>(control);
            fill(box, palette::FieldBack);
            bevel(box, palette::Shadow, palette::DarkShadow, palette::Light, palette::Face);
            drawText(field.text(), {box.x + 3, box.y + 2, box.w - 5, box.h - 4},
                     {kSystemPoints, false, palette::FieldText}, false, Align::Left, true);
            break;
        }
        case ControlKind::Line: paintLine(static_cast<const Line&>(control), client); break;
        case ControlKind::Timer: break;
    }
}

void Painter::paintButton(const CommandButton& button, const Box& box, bool pressed) {
    const ButtonStyle& st = button.style();
    fill(box, st.back);
    if (pressed) {
        bevel(box, palette::DarkShadow, palette::Shadow, palette::Light, palette::Face);
    } else {
        bevel(box, palette::Light, st.back, palette::DarkShadow, palette::Shadow);
    }
    const float nudge = pressed ? 1.0f : 0.0f;
    const Box inside{box.x + 2, box.y + 2, box.w - 4, box.h - 4};
    if (!st.picture.empty()) {
        const Size natural = pictureSize()(st.picture);
        const float px = inside.x + (inside.w - natural.width) / 2 + nudge;
        const float py = button.caption().empty() ? inside.y + (inside.h - natural.height) / 2 + nudge
                                                  : inside.y + 1 + nudge;
        // The picture stays inside the button; the scene's clip comes back
        // afterwards, or every control drawn later would be cut to this button.
        SDL_Rect sceneClip;
        const bool sceneClipped = SDL_RenderIsClipEnabled(renderer_);
        SDL_RenderGetClipRect(renderer_, &sceneClip);
        SDL_Rect keep = device(inside);
        if (sceneClipped) SDL_IntersectRect(&keep, &sceneClip, &keep);
        SDL_RenderSetClipRect(renderer_, &keep);
        paintPicture(st.picture, px, py);
        if (!button.caption().empty()) {
            const TextStyle ts{st.size, st.bold, palette::FieldText};
            const float lineHeight = static_cast<float>(pixelsFor(st.size)) / view_.scale + 2;
            drawText(button.caption(), {inside.x, inside.y + inside.h - lineHeight, inside.w, lineHeight},
                     ts, false, Align::Centre, true, nudge);
        }
        SDL_RenderSetClipRect(renderer_, sceneClipped ? &sceneClip : nullptr);
        return;
    }
    drawText(button.caption(), inside, {st.size, st.bold, palette::FieldText}, true, Align::Centre,
             true, nudge);
}

// The keyboard focus: the classic dotted rectangle just inside the frame,
// one device pixel on, one off, at every scale.
void Painter::paintFocus(const Box& box) {
    const float inset = 4;
    if (box.w <= 2 * inset + 2 || box.h <= 2 * inset + 2) return;
    const SDL_Rect r = device({box.x + inset, box.y + inset, box.w - 2 * inset, box.h - 2 * inset});
    setColor(palette::FieldText);
    std::vector<SDL_Point> dots;
    for (int x = r.x; x < r.x + r.w; x += 2) {
        dots.push_back({x, r.y});
        dots.push_back({x, r.y + r.h - 1});
    }
    for (int y = r.y; y < r.y + r.h; y += 2) {
        dots.push_back({r.x, y});
        dots.push_back({r.x + r.w - 1, y});
    }
    SDL_RenderDrawPoints(renderer_, dots.data(), static_cast<int>(dots.size()));
}

// A note of the window ("screenshot saved: …") at the foot of the desktop
// (a standing hint at its top), outside every scene's frame as far as the
// desktop allows.
void Painter::paintNote(const std::string& text, bool top) {
    const TextStyle style{kSystemPoints, false, palette::TitleText};
    const TextBlock& block = textBlock(text, style, 0, Align::Left);
    const float w = std::min<float>(kScreenWidth - 16, static_cast<float>(block.width) / view_.scale + 16);
    const float h = static_cast<float>(block.height) / view_.scale + 8;
    const Box note{top ? (kScreenWidth - w) / 2 : kScreenWidth - 8 - w, top ? 8 : kScreenHeight - 8 - h, w, h};
    fill(note, palette::Letterbox);
    drawText(text, {note.x + 8, note.y + 4, note.w - 16, note.h - 8}, style, false, Align::Left, true);
}

void Painter::paintLine(const Line& line, const Box& client) {
    setColor(line.color());
    const float s = view_.scale;
    const int t = std::max(1, static_cast<int>(std::lround(s)));
    const Point a = line.from(), b = line.to();
    const float ax = client.x + twipsToPixels(a.x), ay = client.y + twipsToPixels(a.y);
    const float bx = client.x + twipsToPixels(b.x), by = client.y + twipsToPixels(b.y);
    if (a.x == b.x || a.y == b.y) {
        SDL_Rect r = device({std::min(ax, bx), std::min(ay, by), std::abs(bx - ax), std::abs(by - ay)});
        r.w = std::max(r.w, t);
        r.h = std::max(r.h, t);
        if (a.x == b.x) r.w = t;
        if (a.y == b.y) r.h = t;
        SDL_RenderFillRect(renderer_, &r);
        return;
    }
    const float ox = static_cast<float>(view_.offsetX), oy = static_cast<float>(view_.offsetY);
    for (int i = 0; i < t; ++i) {
        for (int j = 0; j < t; ++j) {
            SDL_RenderDrawLineF(renderer_, ox + ax * s + i, oy + ay * s + j, ox + bx * s + i,
                                oy + by * s + j);
        }
    }
}

// --- the message box ----------------------------------------------------------

std::vector<std::string> Painter::messageBoxLines(const std::string& text) {
    TTF_Font* font = fonts_.get(pixelsFor(kSystemPoints), false);
    return wrapText(text, boxWrapPixels(), [font](const std::string& l) { return textWidth(font, l); });
}

MessageBoxShape Painter::messageBoxShape(const std::string& text) {
    if (auto it = boxShapes_.find(text); it != boxShapes_.end()) return it->second;
    const float s = view_.scale;
    TTF_Font* font = fonts_.get(pixelsFor(kSystemPoints), false);
    const auto lines = messageBoxLines(text);
    int widest = 0;
    for (const auto& l : lines) widest = std::max(widest, textWidth(font, l));
    const float textW = std::max(static_cast<float>(kBoxMinTextWidth), std::ceil(widest / s) + 1);
    const float textH = std::ceil(TTF_FontLineSkip(font) * std::max<std::size_t>(1, lines.size()) / s);

    TTF_Font* titleFont = fonts_.get(pixelsFor(kSystemPoints), true);
    const float titleW = std::ceil(textWidth(titleFont, kBoxTitle) / s) + 12;

    MessageBoxShape shape;
    const float clientW = std::max(textW, titleW) + 2 * kBoxMargin;
    const float clientH = kBoxMargin + textH + kBoxMargin + kOkHeight + kBoxMargin;
    const float frameW = clientW + 2 * kBorder;
    const float frameH = clientH + kFrameTop + kBorder;
    shape.frame = {std::floor((kScreenWidth - frameW) / 2), std::floor((kScreenHeight - frameH) / 2),
                   frameW, frameH};
    shape.title = {shape.frame.x + kBorder, shape.frame.y + kBorder, frameW - 2 * kBorder,
                   static_cast<float>(kTitleHeight)};
    shape.client = {shape.frame.x + kBorder, shape.frame.y + kFrameTop, clientW, clientH};
    shape.text = {shape.client.x + kBoxMargin, shape.client.y + kBoxMargin, clientW - 2 * kBoxMargin,
                  textH};
    shape.ok = {shape.client.x + std::floor((clientW - kOkWidth) / 2),
                shape.client.y + clientH - kBoxMargin - kOkHeight, kOkWidth, kOkHeight};
    boxShapes_.emplace(text, shape);
    return shape;
}

void Painter::paintMessageBox(const std::string& text, const Interaction& interaction) {
    const MessageBoxShape shape = messageBoxShape(text);
    // A soft shadow lifts the box above the windows.
    const Box shadow{shape.frame.x + 4, shape.frame.y + 4, shape.frame.w, shape.frame.h};
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 70);
    const SDL_Rect sr = device(shadow);
    SDL_RenderFillRect(renderer_, &sr);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);

    paintFrame(shape.frame, kBoxTitle, "", true, false);
    fill(shape.client, palette::Face);
    drawText(text, shape.text, {kSystemPoints, false, palette::FieldText}, true, Align::Left, false, 0,
             boxWrapPixels());

    const bool pressed = interaction.okPressed;
    fill(shape.ok, palette::Face);
    // The default button carries an extra dark outline.
    const SDL_Rect outline = device(shape.ok);
    setColor(palette::FieldText);
    SDL_RenderDrawRect(renderer_, &outline);
    const Box inner{shape.ok.x + 1, shape.ok.y + 1, shape.ok.w - 2, shape.ok.h - 2};
    if (pressed) {
        bevel(inner, palette::Shadow, palette::Face, palette::Shadow, palette::Face);
    } else {
        bevel(inner, palette::Light, palette::Face, palette::DarkShadow, palette::Shadow);
    }
    drawText(kOkCaption, inner, {kSystemPoints, false, palette::FieldText}, false, Align::Centre, true,
             pressed ? 1.0f : 0.0f);
}

}  // namespace zorb::desktop
