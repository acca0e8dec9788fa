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

SDL_Color sdlColor(Color c) {
    return {static_cast<Uint8>((c >> 16) & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
            static_cast<Uint8>(c & 0xFF), 255};
}

int textWidth(TTF_Font* font, const std::string& text) {
    int w = 0, h = 0;
    if (text.empty() || TTF_SizeUTF8(font, text.c_str(), &w, &h) != 0) return 0;
    return w;
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
    for (auto& [key, block] : textBlocks_) SDL_DestroyTexture(block.texture);
}

void Painter::setView(const View& view) {
    const bool rescaled = view.scale != view_.scale;
    const bool hiChanged = (view.scale > 1.0f) != hiPictures();
    view_ = view;
    if (rescaled) {
        for (auto& [key, block] : textBlocks_) SDL_DestroyTexture(block.texture);
        textBlocks_.clear();
        boxShapes_.clear();
        fonts_.clear();
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

SDL_Rect Painter::device(const Box& b) const {
    const float s = view_.scale;
    const int x0 = view_.offsetX + static_cast<int>(std::lround(b.x * s));
    const int y0 = view_.offsetY + static_cast<int>(std::lround(b.y * s));
    const int x1 = view_.offsetX + static_cast<int>(std::lround((b.x + b.w) * s));
    const int y1 = view_.offsetY + static_cast<int>(std::lround((b.y + b.h) * s));
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
    if (textBlocks_.size() >= kMaxTextBlocks) {
        for (auto& [k, block] : textBlocks_) SDL_DestroyTexture(block.texture);
        textBlocks_.clear();
    }

    TTF_Font* font = fonts_.get(pixels, style.bold);
    std::vector<std::string> lines;
    if (wrapWidth > 0) {
        lines = wrapText(text, wrapWidth, [font](const std::string& s) { return textWidth(font, s); });
    } else {
        lines.push_back(text);
    }
    const int skip = TTF_FontLineSkip(font);
    std::vector<SDL_Surface*> rendered;
    int width = 0;
    for (const std::string& line : lines) {
        SDL_Surface* s = line.empty() ? nullptr
                                      : TTF_RenderUTF8_Blended(font, line.c_str(), sdlColor(style.color));
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
            block.texture = SDL_CreateTextureFromSurface(renderer_, canvas);
            if (block.texture) SDL_SetTextureBlendMode(block.texture, SDL_BLENDMODE_BLEND);
            SDL_FreeSurface(canvas);
        }
    }
    for (SDL_Surface* s : rendered) SDL_FreeSurface(s);
    return textBlocks_.emplace(std::move(key), block).first->second;
}

void Painter::drawText(const std::string& text, const Box& box, const TextStyle& style, bool wrap,
                       Align align, bool middle, float nudge, int wrapPixels, bool clipToBox) {
    if (text.empty()) return;
    const SDL_Rect area = device(box);
    if (area.w <= 0 || area.h <= 0) return;
    const TextBlock& block = textBlock(text, style, wrap ? (wrapPixels > 0 ? wrapPixels : area.w) : 0, align);
    if (!block.texture) return;
    const int shift = static_cast<int>(std::lround(nudge * view_.scale));
    SDL_Rect to{area.x + shift, area.y + shift, block.width, block.height};
    if (align == Align::Centre) to.x = area.x + (area.w - block.width) / 2 + shift;
    if (middle) to.y = area.y + (area.h - block.height) / 2 + shift;
    if (!clipToBox) {
        SDL_RenderCopy(renderer_, block.texture, nullptr, &to);
        return;
    }
    SDL_Rect old;
    const bool clipped = SDL_RenderIsClipEnabled(renderer_);
    SDL_RenderGetClipRect(renderer_, &old);
    SDL_Rect inside = area;
    if (clipped) SDL_IntersectRect(&area, &old, &inside);
    SDL_RenderSetClipRect(renderer_, &inside);
    SDL_RenderCopy(renderer_, block.texture, nullptr, &to);
    SDL_RenderSetClipRect(renderer_, clipped ? &old : nullptr);
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
    for (const Control* c : paintOrder(scene)) paintControl(*c, client, interaction);
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
            const LabelStyle& st = label.style();
            fill(box, st.back);
            // A box of one line keeps its text on that line, even where this
            // face runs a little wider than the one the scene was laid out
            // with: better a word past the edge than one cut in half.
            const int skip = TTF_FontLineSkip(fonts_.get(pixelsFor(st.size), st.bold));
            const bool oneLine = device(box).h < 2 * skip;
            drawText(label.caption(), box, {st.size, st.bold, st.fore}, !oneLine, Align::Left, false, 0,
                     0, !oneLine);
            break;
        }
        case ControlKind::CommandButton:
            paintButton(static_cast<const CommandButton&>(control), box,
                        interaction.pressed == &control);
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
        const Box keep = inside;
        clip(&keep);
        paintPicture(st.picture, px, py);
        if (!button.caption().empty()) {
            const TextStyle ts{st.size, st.bold, palette::FieldText};
            const float lineHeight = static_cast<float>(pixelsFor(st.size)) / view_.scale + 2;
            drawText(button.caption(), {inside.x, inside.y + inside.h - lineHeight, inside.w, lineHeight},
                     ts, false, Align::Centre, true, nudge);
        }
        return;
    }
    drawText(button.caption(), inside, {st.size, st.bold, palette::FieldText}, true, Align::Centre,
             true, nudge);
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

MessageBoxShape Painter::messageBoxShape(const std::string& text) {
    if (auto it = boxShapes_.find(text); it != boxShapes_.end()) return it->second;
    const float s = view_.scale;
    TTF_Font* font = fonts_.get(pixelsFor(kSystemPoints), false);
    const int maxWidth = boxWrapPixels();
    const auto lines = wrapText(text, maxWidth, [font](const std::string& l) { return textWidth(font, l); });
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
