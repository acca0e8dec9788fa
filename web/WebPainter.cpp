#include "web/WebPainter.h"

#include <algorithm>
#include <cmath>

#include "desktop/TextLayout.h"
#include "runtime/Controls.h"
#include "web/Bridge.h"

namespace zorb::web {

using namespace desktop;

namespace {

// Set captions kept until a change of scale or until there are more than this many.
constexpr std::size_t kMaxTextBlocks = 600;
// A caption is never set narrower than a quarter of its natural width.
constexpr int kMostCondensed = 4;

// IPAPGothic: 2048 units to the em, the ascender at 1802.
constexpr int kFaceUnits = 2048;
constexpr int kFaceAscender = 1802;

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

Pixels intersect(const Pixels& a, const Pixels& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

}  // namespace

int faceAscent(int pixels) { return (kFaceAscender * pixels + kFaceUnits - 1) / kFaceUnits; }

View View::fit(int outputWidth, int outputHeight) {
    View v;
    v.scale = std::max(0.1f, std::min(static_cast<float>(outputWidth) / kScreenWidth,
                                      static_cast<float>(outputHeight) / kScreenHeight));
    v.offsetX = static_cast<int>(std::lround((outputWidth - kScreenWidth * v.scale) / 2));
    v.offsetY = static_cast<int>(std::lround((outputHeight - kScreenHeight * v.scale) / 2));
    return v;
}

WebPainter::WebPainter(const PictureSize& natural) : natural_(natural) {}

void WebPainter::setView(const View& view) {
    if (view.scale != view_.scale) {
        textBlocks_.clear();
        boxShapes_.clear();
    }
    view_ = view;
}

int WebPainter::boxWrapPixels() const { return static_cast<int>(std::lround(kBoxTextMaxWidth * view_.scale)); }

int WebPainter::pixelsFor(double points) const {
    return std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint * view_.scale)));
}

// --- primitives -------------------------------------------------------------

// Every box becomes canvas pixels here. A position is whatever number a
// scene put in a control, so a box far off the screen is held a long way
// off instead, where the sums stay well inside an int.
Pixels WebPainter::device(const Box& b) const {
    constexpr float kFar = 1 << 24;  // no screen comes near
    auto pixel = [](float v) {
        if (!(v > -kFar)) v = -kFar;  // NaN too
        if (!(v < kFar)) v = kFar;
        return static_cast<int>(std::lround(v));
    };
    const float s = view_.scale;
    const int x0 = view_.offsetX + pixel(b.x * s);
    const int y0 = view_.offsetY + pixel(b.y * s);
    const int x1 = view_.offsetX + pixel((b.x + b.w) * s);
    const int y1 = view_.offsetY + pixel((b.y + b.h) * s);
    return {x0, y0, x1 - x0, y1 - y0};
}

void WebPainter::fillDevice(const Pixels& r, Color color) {
    if (r.w <= 0 || r.h <= 0) return;
    page::fill(r.x, r.y, r.w, r.h, color);
}

void WebPainter::fill(const Box& box, Color color) { fillDevice(device(box), color); }

void WebPainter::setClip(const Pixels* rect) {
    clipped_ = rect != nullptr;
    if (!rect) {
        page::unclip();
        return;
    }
    clip_ = *rect;
    page::clip(rect->x, rect->y, rect->w, rect->h);
}

void WebPainter::clip(const Box* box) {
    if (!box) {
        setClip(nullptr);
        return;
    }
    const Pixels r = device(*box);
    setClip(&r);
}

// Two-pixel 3D edges: the outer and inner ring, top-left and bottom-right.
void WebPainter::bevel(const Box& box, Color tlOuter, Color tlInner, Color brOuter, Color brInner) {
    const Pixels r = device(box);
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

WebPainter::TextBlock WebPainter::setLines(std::vector<std::string> lines, int pixels, bool bold,
                                           float condense, Align align) {
    TextBlock block;
    block.pixels = pixels;
    block.bold = bold;
    block.condense = condense;
    block.align = align;
    const int skip = faceLineSkip(pixels);
    block.inkTop = skip * static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int w = lines[i].empty() ? 0 : page::textWidth(lines[i], pixels, bold, condense);
        block.lineWidths.push_back(w);
        block.width = std::max(block.width, w);
        if (lines[i].empty()) continue;
        int top = 0, bottom = 0;
        page::textInk(lines[i], pixels, bold, condense, top, bottom);
        if (bottom > top) {
            block.inkTop = std::min(block.inkTop, static_cast<int>(i) * skip + top);
            block.inkBottom = std::max(block.inkBottom, static_cast<int>(i) * skip + bottom);
        }
    }
    if (block.inkBottom == 0) block.inkTop = 0;
    block.height = skip * static_cast<int>(lines.size());
    block.lines = std::move(lines);
    return block;
}

void WebPainter::drawBlock(const TextBlock& block, int x, int y, Color color) {
    const int skip = faceLineSkip(block.pixels);
    const int ascent = faceAscent(block.pixels);
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        if (block.lines[i].empty()) continue;
        const int dx = block.align == Align::Centre ? (block.width - block.lineWidths[i]) / 2 : 0;
        page::text(block.lines[i], x + dx, y + static_cast<int>(i) * skip + ascent, block.pixels, block.bold,
                   color, block.condense);
    }
}

const WebPainter::TextBlock& WebPainter::textBlock(const std::string& text, const TextStyle& style,
                                                   int wrapWidth, Align align) {
    const int pixels = pixelsFor(style.points);
    std::string key = text;
    key += '\x1f';
    key += std::to_string(pixels) + (style.bold ? "b" : "r") + "/" + std::to_string(wrapWidth) +
           (align == Align::Centre ? "c" : "l");
    if (auto it = textBlocks_.find(key); it != textBlocks_.end()) return it->second;
    if (textBlocks_.size() >= kMaxTextBlocks) textBlocks_.clear();

    std::vector<std::string> lines;
    if (wrapWidth > 0) {
        lines = wrapText(text, wrapWidth, [&](const std::string& s) {
            return page::textWidth(s, pixels, style.bold, 1);
        });
    } else {
        lines.push_back(text);
    }
    return textBlocks_.emplace(std::move(key), setLines(std::move(lines), pixels, style.bold, 1, align))
        .first->second;
}

void WebPainter::drawText(const std::string& text, const Box& box, const TextStyle& style, bool wrap,
                          Align align, bool middle, float nudge, int wrapPixels) {
    if (text.empty()) return;
    const Pixels area = device(box);
    if (area.w <= 0 || area.h <= 0) return;
    const TextBlock& block = textBlock(text, style, wrap ? (wrapPixels > 0 ? wrapPixels : area.w) : 0, align);
    if (block.width == 0) return;
    const int shift = static_cast<int>(std::lround(nudge * view_.scale));
    int x = area.x + shift, y = area.y + shift;
    if (align == Align::Centre) x = area.x + (area.w - block.width) / 2 + shift;
    if (middle) y = area.y + (area.h - block.height) / 2 + shift;
    const bool wasClipped = clipped_;
    const Pixels old = clip_;
    const Pixels inside = wasClipped ? intersect(area, old) : area;
    setClip(&inside);
    drawBlock(block, x, y, style.color);
    setClip(wasClipped ? &old : nullptr);
}

// --- labels -------------------------------------------------------------------

bool WebPainter::holdsOneLine(const LabelStyle& style, const Box& box) const {
    // Judged at the size the scene was laid out at, so that a label is set
    // the same way at every scale.
    const int pixels = std::max(1, static_cast<int>(std::lround(style.size * kPixelsPerPoint)));
    return box.h < 2 * faceLineSkip(pixels);
}

// The face may run wider than the one the scenes were laid out with: a
// caption that does not fit its box is set condensed, as narrow as it must
// be and no narrower; a one-line label keeps its text on its line, a label
// of several lines keeps every word whole and all its lines inside the box.
const WebPainter::TextBlock& WebPainter::labelBlock(const Label& label, const Pixels& area, bool oneLine) {
    const LabelStyle& st = label.style();
    const int pixels = pixelsFor(st.size);
    std::string key = "\x1elabel\x1f" + label.caption();
    key += '\x1f';
    key += std::to_string(pixels) + (st.bold ? "b" : "r") + "/" + std::to_string(area.w) + "x" +
           std::to_string(area.h) + (oneLine ? "1" : "n");
    if (auto it = textBlocks_.find(key); it != textBlocks_.end()) return it->second;
    if (textBlocks_.size() >= kMaxTextBlocks) textBlocks_.clear();

    const std::string& caption = label.caption();
    const int natural = 72 * pixels;
    const int maxLines = std::max(1, area.h / faceLineSkip(pixels));
    std::vector<std::string> lines;
    float condense = 1;
    auto fits = [&](int candidate) {
        condense = static_cast<float>(candidate) / static_cast<float>(natural);
        const auto measure = [&](const std::string& s) { return page::textWidth(s, pixels, st.bold, condense); };
        if (oneLine) {
            lines = {caption};
            return measure(caption) <= area.w;
        }
        WrappedText wrapped = wrapLines(caption, area.w, measure);
        lines = std::move(wrapped.lines);
        return !wrapped.overflowed && static_cast<int>(lines.size()) <= maxLines;
    };
    if (!fits(natural)) {
        // Text set narrower never takes more room: search for the widest face that fits.
        int lo = natural / kMostCondensed;
        if (fits(lo)) {
            int hi = natural;
            while (hi - lo > 1) {
                const int mid = lo + (hi - lo) / 2;
                (fits(mid) ? lo : hi) = mid;
            }
            fits(lo);
        }
    }
    return textBlocks_.emplace(std::move(key), setLines(std::move(lines), pixels, st.bold, condense, Align::Left))
        .first->second;
}

Box WebPainter::labelBox(const Label& label, const Box& client) const {
    Box box = controlBox(label, natural_);
    box.x += client.x;
    box.y += client.y;
    return box;
}

// The part of a label's box its text may use: what the controls drawn after
// it leave uncovered.
Box WebPainter::textArea(const std::vector<const Control*>& order, std::size_t index, const Box& client) const {
    Box area = labelBox(static_cast<const Label&>(*order[index]), client);
    for (std::size_t i = index + 1; i < order.size() && area.w > 0 && area.h > 0; ++i) {
        const Control& c = *order[i];
        const ControlKind kind = c.kind();
        if (!c.visible() ||
            (kind != ControlKind::Label && kind != ControlKind::CommandButton && kind != ControlKind::TextBox)) {
            continue;
        }
        Box cover = controlBox(c, natural_);
        cover.x += client.x;
        cover.y += client.y;
        area = uncovered(area, cover);
    }
    return area;
}

void WebPainter::paintLabelText(const Label& label, const Box& box, const Box& textArea) {
    const Pixels area = device(textArea);
    if (label.caption().empty() || area.w <= 0 || area.h <= 0) return;
    const TextBlock& block = labelBlock(label, area, holdsOneLine(label.style(), box));
    if (block.width == 0) return;
    int y = area.y;
    // A line taller than its box is lifted as far as it takes to keep its
    // ink inside, never above the box's top.
    if (block.inkBottom > area.h) y -= std::min(block.inkTop, block.inkBottom - area.h);
    drawBlock(block, area.x, y, label.style().fore);
}

// --- pictures ---------------------------------------------------------------

void WebPainter::paintPicture(const std::string& name, float x, float y) {
    if (!page::pictureReady(name, hiPictures())) return;
    const Size natural = natural_(name);
    const Pixels to = device({x, y, static_cast<float>(natural.width), static_cast<float>(natural.height)});
    page::picture(name, hiPictures(), to.x, to.y, to.w, to.h);
}

// --- the screen -------------------------------------------------------------

void WebPainter::paint(const Runtime& runtime, const Layout& layout, const Interaction& interaction) {
    page::beginFrame(palette::Letterbox);
    clipped_ = false;
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
    page::endFrame();
}

void WebPainter::paintFrame(const Box& frame, const std::string& caption, const std::string& icon, bool active,
                            bool minMax) {
    fill(frame, palette::Face);
    bevel(frame, palette::Face, palette::Light, palette::DarkShadow, palette::Shadow);

    const Box title{frame.x + kBorder, frame.y + kBorder, frame.w - 2 * kBorder, static_cast<float>(kTitleHeight)};
    const Pixels t = device(title);
    page::gradient(t.x, t.y, t.w, t.h, active ? palette::ActiveTitleLeft : palette::InactiveTitleLeft,
                   active ? palette::ActiveTitleRight : palette::InactiveTitleRight);

    float textLeft = title.x + 3;
    if (!icon.empty()) {
        const Pixels to = device({title.x + 2, title.y + 1.5f, 16, 16});
        if (page::pictureReady(icon, hiPictures())) page::picture(icon, hiPictures(), to.x, to.y, to.w, to.h);
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
             {kSystemPoints, true, active ? palette::TitleText : palette::InactiveTitleText}, false, Align::Left,
             true);
}

void WebPainter::paintWindow(const Scene& scene, const Layout& layout, bool active,
                             const Interaction& interaction) {
    const Box frame = layout.frame(scene);
    paintFrame(frame, scene.style().caption, scene.style().icon, active, scene.style().minMax);
    const Box client = layout.client(scene);
    fill(client, scene.style().background);
    clip(&client);
    // Every label's background before any label's text, so that no label
    // covers a neighbour's text that runs up to its edge.
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

void WebPainter::paintControl(const Control& control, const Box& client, const Interaction& interaction) {
    if (!control.visible()) return;
    Box box = controlBox(control, natural_);
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
            paintButton(static_cast<const CommandButton&>(control), box, interaction.pressed == &control);
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

void WebPainter::paintButton(const CommandButton& button, const Box& box, bool pressed) {
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
        const Size natural = natural_(st.picture);
        const float px = inside.x + (inside.w - natural.width) / 2 + nudge;
        const float py = button.caption().empty() ? inside.y + (inside.h - natural.height) / 2 + nudge
                                                  : inside.y + 1 + nudge;
        // The picture stays inside the button; the scene's clip comes back afterwards.
        const bool sceneClipped = clipped_;
        const Pixels sceneClip = clip_;
        const Pixels keep = sceneClipped ? intersect(device(inside), sceneClip) : device(inside);
        setClip(&keep);
        paintPicture(st.picture, px, py);
        if (!button.caption().empty()) {
            const TextStyle ts{st.size, st.bold, palette::FieldText};
            const float lineHeight = static_cast<float>(pixelsFor(st.size)) / view_.scale + 2;
            drawText(button.caption(), {inside.x, inside.y + inside.h - lineHeight, inside.w, lineHeight}, ts,
                     false, Align::Centre, true, nudge);
        }
        setClip(sceneClipped ? &sceneClip : nullptr);
        return;
    }
    drawText(button.caption(), inside, {st.size, st.bold, palette::FieldText}, true, Align::Centre, true, nudge);
}

// The keyboard focus: the classic dotted rectangle just inside the frame,
// one device pixel on, one off, at every scale.
void WebPainter::paintFocus(const Box& box) {
    const float inset = 4;
    if (box.w <= 2 * inset + 2 || box.h <= 2 * inset + 2) return;
    const Pixels r = device({box.x + inset, box.y + inset, box.w - 2 * inset, box.h - 2 * inset});
    page::dots(r.x, r.y, r.w, r.h, palette::FieldText);
}

void WebPainter::paintLine(const Line& line, const Box& client) {
    const float s = view_.scale;
    const int t = std::max(1, static_cast<int>(std::lround(s)));
    const Point a = line.from(), b = line.to();
    const float ax = client.x + twipsToPixels(a.x), ay = client.y + twipsToPixels(a.y);
    const float bx = client.x + twipsToPixels(b.x), by = client.y + twipsToPixels(b.y);
    if (a.x == b.x || a.y == b.y) {
        Pixels r = device({std::min(ax, bx), std::min(ay, by), std::abs(bx - ax), std::abs(by - ay)});
        r.w = std::max(r.w, t);
        r.h = std::max(r.h, t);
        if (a.x == b.x) r.w = t;
        if (a.y == b.y) r.h = t;
        page::fill(r.x, r.y, r.w, r.h, line.color());
        return;
    }
    const float ox = static_cast<float>(view_.offsetX), oy = static_cast<float>(view_.offsetY);
    page::line(ox + ax * s, oy + ay * s, ox + bx * s, oy + by * s, t, line.color());
}

// --- the message box ----------------------------------------------------------

MessageBoxShape WebPainter::messageBoxShape(const std::string& text) {
    if (auto it = boxShapes_.find(text); it != boxShapes_.end()) return it->second;
    const float s = view_.scale;
    const int pixels = pixelsFor(kSystemPoints);
    const auto lines = wrapText(text, boxWrapPixels(),
                                [&](const std::string& l) { return page::textWidth(l, pixels, false, 1); });
    int widest = 0;
    for (const auto& l : lines) widest = std::max(widest, page::textWidth(l, pixels, false, 1));
    const float textW = std::max(static_cast<float>(kBoxMinTextWidth), std::ceil(widest / s) + 1);
    const float textH = std::ceil(faceLineSkip(pixels) * std::max<std::size_t>(1, lines.size()) / s);
    const float titleW = std::ceil(page::textWidth(kBoxTitle, pixels, true, 1) / s) + 12;

    MessageBoxShape shape;
    const float clientW = std::max(textW, titleW) + 2 * kBoxMargin;
    const float clientH = kBoxMargin + textH + kBoxMargin + kOkHeight + kBoxMargin;
    const float frameW = clientW + 2 * kBorder;
    const float frameH = clientH + kFrameTop + kBorder;
    shape.frame = {std::floor((kScreenWidth - frameW) / 2), std::floor((kScreenHeight - frameH) / 2), frameW,
                   frameH};
    shape.title = {shape.frame.x + kBorder, shape.frame.y + kBorder, frameW - 2 * kBorder,
                   static_cast<float>(kTitleHeight)};
    shape.client = {shape.frame.x + kBorder, shape.frame.y + kFrameTop, clientW, clientH};
    shape.text = {shape.client.x + kBoxMargin, shape.client.y + kBoxMargin, clientW - 2 * kBoxMargin, textH};
    shape.ok = {shape.client.x + std::floor((clientW - kOkWidth) / 2),
                shape.client.y + clientH - kBoxMargin - kOkHeight, kOkWidth, kOkHeight};
    boxShapes_.emplace(text, shape);
    return shape;
}

void WebPainter::paintMessageBox(const std::string& text, const Interaction& interaction) {
    const MessageBoxShape shape = messageBoxShape(text);
    // A soft shadow lifts the box above the windows.
    const Pixels sr = device({shape.frame.x + 4, shape.frame.y + 4, shape.frame.w, shape.frame.h});
    page::shade(sr.x, sr.y, sr.w, sr.h, 70);

    paintFrame(shape.frame, kBoxTitle, "", true, false);
    fill(shape.client, palette::Face);
    drawText(text, shape.text, {kSystemPoints, false, palette::FieldText}, true, Align::Left, false, 0,
             boxWrapPixels());

    const bool pressed = interaction.okPressed;
    fill(shape.ok, palette::Face);
    // The default button carries an extra dark outline.
    const Pixels o = device(shape.ok);
    fillDevice({o.x, o.y, o.w, 1}, palette::FieldText);
    fillDevice({o.x, o.y + o.h - 1, o.w, 1}, palette::FieldText);
    fillDevice({o.x, o.y, 1, o.h}, palette::FieldText);
    fillDevice({o.x + o.w - 1, o.y, 1, o.h}, palette::FieldText);
    const Box inner{shape.ok.x + 1, shape.ok.y + 1, shape.ok.w - 2, shape.ok.h - 2};
    if (pressed) {
        bevel(inner, palette::Shadow, palette::Face, palette::Shadow, palette::Face);
    } else {
        bevel(inner, palette::Light, palette::Face, palette::DarkShadow, palette::Shadow);
    }
    drawText(kOkCaption, inner, {kSystemPoints, false, palette::FieldText}, false, Align::Centre, true,
             pressed ? 1.0f : 0.0f);
}

}  // namespace zorb::web
