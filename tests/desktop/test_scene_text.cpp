// The game's own scenes as a player reads them: every caption of every label
// drawn whole inside its box at every scale (in the design state, with
// numbers of every width in the value labels, and with every text a message
// label can be given), one-line labels on one line, the strict Japanese
// line breaking in every label and message box, and picture buttons drawn
// alike.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/Look.h"
#include "desktop/TextLayout.h"
#include "scenes/Game.h"
#include "tests/desktop/Fixtures.h"
#include "tests/desktop/SourceTexts.h"

namespace zorb::desktop {
namespace {

using test::Canvas;
using test::QuietHost;

// Whole, fractional and doubled: text is set at the final pixel size, so
// each scale lays every caption out afresh.
constexpr float kScales[] = {1, 1.5f, 2};

// What the value labels show while the game runs: HP below zero, three
// digits, and money running to five digits.
const std::vector<std::string> kNumbers = {"-20", "100", "12345"};

struct SceneOnCanvas {
    QuietHost host;
    Runtime rt{host};
    Game game{rt};
    Layout layout;
    Canvas canvas;
    explicit SceneOnCanvas(float scale) : canvas(scale, ZORB_ASSETS_DIR) {}

    // Starts the game on the scene; nullptr when it is not on the screen
    // after that (the store, a scene that ends the game or hands over at once).
    Scene* start(const std::string& name) {
        Scene& scene = *game.findScene(name);
        try {
            game.startAt(scene);
        } catch (const Exit&) {
            return nullptr;
        }
        const auto shown = layout.windows(rt);
        if (!scene.loaded() || shown.empty() || shown.front() != &scene) return nullptr;
        return &scene;
    }
    Box client(const Scene& scene) const { return layout.client(scene); }
};

std::vector<std::string> sceneNames() {
    QuietHost host;
    Runtime rt(host);
    Game game(rt);
    std::vector<std::string> names;
    for (Scene* s : rt.scenes()) names.push_back(s->name());
    return names;
}

std::vector<Label*> labelsOf(Scene& scene) {
    std::vector<Label*> labels;
    for (Control* c : scene.controls()) {
        if (c->kind() == ControlKind::Label) labels.push_back(static_cast<Label*>(c));
    }
    return labels;
}

Box onDesktop(const Control& control, const Box& client, const PictureSize& size) {
    Box box = controlBox(control, size);
    box.x += client.x;
    box.y += client.y;
    return box;
}

// The output pixels a desktop box covers, rounded as the screen rounds them.
SDL_Rect devicePixels(const View& v, const Box& b) {
    const int x0 = v.offsetX + static_cast<int>(std::lround(b.x * v.scale));
    const int y0 = v.offsetY + static_cast<int>(std::lround(b.y * v.scale));
    const int x1 = v.offsetX + static_cast<int>(std::lround((b.x + b.w) * v.scale));
    const int y1 = v.offsetY + static_cast<int>(std::lround((b.y + b.h) * v.scale));
    return {x0, y0, x1 - x0, y1 - y0};
}

bool inside(const SDL_Rect& r, int x, int y) { return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h; }

std::vector<Uint32> snapshot(const Canvas& canvas) {
    std::vector<Uint32> pixels;
    pixels.reserve(static_cast<std::size_t>(canvas.surface->w * canvas.surface->h));
    for (int y = 0; y < canvas.surface->h; ++y) {
        for (int x = 0; x < canvas.surface->w; ++x) pixels.push_back(canvas.at(x, y));
    }
    return pixels;
}

bool isNumber(const std::string& s) { return std::regex_match(s, std::regex("-?[0-9]+")); }

bool hasJapanese(const std::string& s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Whether the label's box holds only one line of its face, at the size the
// scene was laid out at (scale 1).
bool holdsOneLine(Canvas& canvas, const Label& label, const Box& box) {
    const int pixels = static_cast<int>(std::lround(label.style().size * kPixelsPerPoint));
    return box.h < 2 * TTF_FontLineSkip(canvas.fonts.get(pixels, label.style().bold));
}

// Checks one label in the scene's present state (`whole` is the picture of
// it): the lines its caption is set on, and where its ink lies. The ink, as
// the painter measured it on the caption's rendering, must lie inside the
// box (as far as the window shows it) and clear of every control drawn after
// the label, so that nothing covers any of it; and the pixels the caption
// really changes in the picture must lie within that ink.
void checkLabel(SceneOnCanvas& g, Scene& scene, Label& label, const std::vector<Uint32>& whole,
                const std::string& state) {
    if (!label.visible() || label.caption().empty()) return;
    SCOPED_TRACE(scene.name() + "." + label.name() + " \"" + label.caption() + "\" (" + state + ")");
    const View& view = g.canvas.painter->view();
    const PictureSize size = g.canvas.painter->pictureSize();
    const Box client = g.client(scene);
    const Box box = onDesktop(label, client, size);
    const Painter::LabelText set = g.canvas.painter->labelText(label, client);

    SDL_Rect shown;
    const SDL_Rect boxPixels = devicePixels(view, box), clientPixels = devicePixels(view, client);
    SDL_IntersectRect(&boxPixels, &clientPixels, &shown);
    SDL_Rect clear;
    EXPECT_TRUE(set.ink.w > 0 && SDL_IntersectRect(&set.ink, &shown, &clear) && SDL_RectEquals(&clear, &set.ink))
        << "ink at " << set.ink.x << "," << set.ink.y << " " << set.ink.w << "x" << set.ink.h
        << " outside the box at " << shown.x << "," << shown.y << " " << shown.w << "x" << shown.h;
    const auto order = paintOrder(scene);
    for (auto it = std::find(order.begin(), order.end(), &label) + 1; it != order.end(); ++it) {
        const ControlKind kind = (*it)->kind();
        if (!(*it)->visible() || kind == ControlKind::Line || kind == ControlKind::Image) continue;
        const SDL_Rect later = devicePixels(view, onDesktop(**it, client, size));
        EXPECT_FALSE(SDL_HasIntersection(&set.ink, &later)) << "ink under " << (*it)->name();
    }

    const std::string caption = label.caption();
    label.setCaption("");
    g.canvas.paint(g.rt, g.layout);
    const std::vector<Uint32> bare = snapshot(g.canvas);
    label.setCaption(caption);
    int changed = 0, astray = 0;
    const int w = g.canvas.surface->w;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] == bare[i]) continue;
        ++changed;
        if (!inside(set.ink, static_cast<int>(i) % w, static_cast<int>(i) / w)) ++astray;
    }
    EXPECT_GT(changed, 0) << "the caption left no ink";
    EXPECT_EQ(astray, 0) << "of " << changed << " pixels the caption changes, some lie outside its ink";

    EXPECT_EQ(set.oneLine, holdsOneLine(g.canvas, label, box));
    if (set.oneLine) {
        EXPECT_EQ(set.lines.size(), 1u) << "a one-line label keeps its text on its line";
    }
    std::string joined;
    for (std::size_t i = 0; i < set.lines.size(); ++i) {
        joined += set.lines[i];
        if (i == 0 || set.lines[i - 1].empty() || set.lines[i].empty()) continue;
        const char end = set.lines[i - 1].back(), start = set.lines[i].front();
        EXPECT_FALSE(std::isalnum(static_cast<unsigned char>(end)) &&
                     std::isalnum(static_cast<unsigned char>(start)))
            << "a word or number cut between lines: " << set.lines[i - 1] << " / " << set.lines[i];
    }
    std::string expected = caption;
    std::erase(expected, ' ');
    std::erase(joined, ' ');
    EXPECT_EQ(joined, expected) << "nothing lost or added";
}

TEST(SceneText, EveryCaptionOfEveryLabelIsDrawnWholeInsideItsBoxAtEveryScale) {
    int checked = 0;
    for (const float scale : kScales) {
        for (const std::string& name : sceneNames()) {
            SCOPED_TRACE(name + " at scale " + std::to_string(scale));
            SceneOnCanvas g(scale);
            Scene* scene = g.start(name);
            if (!scene) continue;
            const std::vector<Label*> labels = labelsOf(*scene);

            // As it opens. A label hidden at first (a line of the ending
            // shown in turn) is checked shown in place of those it overlaps.
            g.canvas.paint(g.rt, g.layout);
            const std::vector<Uint32> design = snapshot(g.canvas);
            for (Label* label : labels) {
                if (label->visible()) {
                    checkLabel(g, *scene, *label, design, "as it opens");
                    ++checked;
                    continue;
                }
                const Box box = controlBox(*label, g.canvas.painter->pictureSize());
                std::vector<Label*> overlapped;
                for (Label* other : labels) {
                    if (other->visible() && controlBox(*other, g.canvas.painter->pictureSize()).intersects(box)) {
                        other->hide();
                        overlapped.push_back(other);
                    }
                }
                label->show();
                g.canvas.paint(g.rt, g.layout);
                checkLabel(g, *scene, *label, snapshot(g.canvas), "shown in turn");
                ++checked;
                label->hide();
                for (Label* other : overlapped) other->show();
            }

            // The value labels holding numbers of every width.
            std::vector<Label*> values;
            for (Label* label : labels) {
                if (label->visible() && isNumber(label->caption())) values.push_back(label);
            }
            std::vector<std::string> designValues;
            for (Label* label : values) designValues.push_back(label->caption());
            for (const std::string& number : kNumbers) {
                for (Label* label : values) label->setCaption(number);
                g.canvas.paint(g.rt, g.layout);
                const std::vector<Uint32> whole = snapshot(g.canvas);
                for (Label* label : values) {
                    checkLabel(g, *scene, *label, whole, "showing " + number);
                    ++checked;
                }
            }
            for (std::size_t i = 0; i < values.size(); ++i) values[i]->setCaption(designValues[i]);

            // Every label of several lines given each text of its scene in
            // turn: its message lines are among them.
            const auto texts = test::sceneTexts(name);
            for (Label* label : labels) {
                if (!label->visible() || holdsOneLine(g.canvas, *label, onDesktop(*label, g.client(*scene), g.canvas.painter->pictureSize()))) {
                    continue;
                }
                const std::string designCaption = label->caption();
                for (const test::Literal& text : texts) {
                    if (!hasJapanese(text.text) || text.text == designCaption) continue;
                    label->setCaption(text.text);
                    g.canvas.paint(g.rt, g.layout);
                    checkLabel(g, *scene, *label, snapshot(g.canvas), "given " + text.where);
                    ++checked;
                }
                label->setCaption(designCaption);
            }
        }
    }
    // Well over a hundred labels a scale; far fewer means the scenes were
    // not drawn and the test would prove nothing.
    EXPECT_GT(checked, 3 * 150);
}

}  // namespace
}  // namespace zorb::desktop

namespace zorb::desktop {
namespace {

// Characters no line may start with by the strict rule: the small kana and
// the prolonged sound marks (class CJ), closing and middle punctuation,
// iteration marks and ellipses.
const std::u32string kNeverStartsALine =
    U"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿｧｨｩｪｫｬｭｮｯ"
    U"ーｰ"
    U"、。，．｡､：；・･？！‼⁇⁈⁉）］｝〕〉》」』】〙〗〟｣’”…‥ゝゞヽヾ々〻"
    U",.:;?!)]}";

// The first line may start with anything; every later one is checked.
void expectStrictLines(const std::vector<std::string>& lines, const std::string& where) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const char32_t first = decodeUtf8(lines[i]).front();
        EXPECT_EQ(kNeverStartsALine.find(first), std::u32string::npos)
            << where << ": line " << i + 1 << " starts with a character that may not: "
            << lines[i - 1] << " / " << lines[i];
    }
}

TEST(SceneText, NoLineOfAnyLabelOrMessageBoxStartsWithASmallKanaOrClosingMark) {
    // The texts a scene can show: its labels' captions and every literal of
    // its sources (message lines, message boxes). Each goes through each
    // label of several lines of its scene, and every text of the game
    // through the message box, at every scale.
    const auto allTexts = test::gameTexts();
    int lines = 0;
    for (const float scale : {1.0f, 1.25f, 1.5f, 2.0f}) {
        for (const std::string& name : sceneNames()) {
            SCOPED_TRACE(name + " at scale " + std::to_string(scale));
            SceneOnCanvas g(scale);
            Scene* scene = g.start(name);
            if (!scene) continue;
            const auto texts = test::sceneTexts(name);
            for (Label* label : labelsOf(*scene)) {
                std::vector<std::string> captions = {label->caption()};
                const Box box = onDesktop(*label, g.client(*scene), g.canvas.painter->pictureSize());
                if (!holdsOneLine(g.canvas, *label, box)) {
                    for (const test::Literal& text : texts) {
                        if (hasJapanese(text.text)) captions.push_back(text.text);
                    }
                }
                const std::string designCaption = label->caption();
                for (const std::string& caption : captions) {
                    label->setCaption(caption);
                    const auto set = g.canvas.painter->labelText(*label, g.client(*scene));
                    expectStrictLines(set.lines, label->name() + " \"" + caption + "\"");
                    lines += static_cast<int>(set.lines.size());
                }
                label->setCaption(designCaption);
            }
        }
        Canvas canvas(scale);
        for (const test::Literal& text : allTexts) {
            if (!hasJapanese(text.text)) continue;
            const auto boxLines = canvas.painter->messageBoxLines(text.text);
            expectStrictLines(boxLines, "message box at scale " + std::to_string(scale) + " \"" + text.text + "\"");
            lines += static_cast<int>(boxLines.size());
        }
    }
    EXPECT_GT(lines, 1000) << "the texts were not found";
}

TEST(SceneText, TheIntroductionKeepsItsSmallKanaWithTheirSyllables) {
    // The first page and the last: ポッチー and さっそく stay whole at every scale.
    for (const float scale : kScales) {
        SceneOnCanvas g(scale);
        Scene* intro = g.start("Form2");
        ASSERT_NE(intro, nullptr);
        auto& label = static_cast<Label&>(*intro->findControl("Label1"));
        for (const auto& [text, word] : {std::pair<std::string, std::string>{label.caption(), "ポッチー"},
                                         {"よし、決まり！さっそく出発だ！", "さっそく"}}) {
            label.setCaption(text);
            const auto set = g.canvas.painter->labelText(label, g.client(*intro));
            EXPECT_TRUE(std::any_of(set.lines.begin(), set.lines.end(), [&](const std::string& line) {
                return line.find(word) != std::string::npos;
            })) << word << " broken at scale " << scale;
        }
    }
}

TEST(SceneText, TheTitleReadsZorblandOnOneLine) {
    for (const float scale : kScales) {
        SceneOnCanvas g(scale);
        Scene* title = g.start("Form1");
        ASSERT_NE(title, nullptr);
        const auto set = g.canvas.painter->labelText(static_cast<Label&>(*title->findControl("Label1")),
                                                     g.client(*title));
        EXPECT_EQ(set.lines, std::vector<std::string>{"ZORBLAND"}) << "at scale " << scale;
        EXPECT_LT(set.condense, 1.0f) << "this face sets it wider than its bubble";
        EXPECT_GT(set.condense, 0.7f) << "condensed no more than it takes";
    }
}

// The trash-can search's four cans are the same picture on the same white
// button: drawn, they must be alike, each with its white face and its frame.
TEST(PictureButtons, TheFourTrashCansAreDrawnAlike) {
    for (const float scale : {1.0f, 2.0f}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        SceneOnCanvas g(scale);
        Scene* search = g.start("Form15");
        ASSERT_NE(search, nullptr);
        g.canvas.paint(g.rt, g.layout);
        const View& view = g.canvas.painter->view();
        std::vector<SDL_Rect> cans;
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            cans.push_back(devicePixels(view, onDesktop(*search->findControl(name), g.client(*search),
                                                        g.canvas.painter->pictureSize())));
        }
        const int t = static_cast<int>(scale);
        for (std::size_t k = 0; k < cans.size(); ++k) {
            const SDL_Rect& r = cans[k];
            SCOPED_TRACE("can " + std::to_string(k + 1));
            EXPECT_EQ(g.canvas.at(r.x, r.y), palette::Light) << "the frame's lit edge";
            EXPECT_EQ(g.canvas.at(r.x + r.w - 1, r.y + r.h - 1), palette::DarkShadow) << "the frame's dark edge";
            EXPECT_EQ(g.canvas.at(r.x + 3 * t, r.y + r.h / 2), colors::White) << "the white face";
            ASSERT_EQ(r.w, cans[0].w);
            ASSERT_EQ(r.h, cans[0].h);
            int differ = 0;
            for (int y = 0; y < r.h; ++y) {
                for (int x = 0; x < r.w; ++x) {
                    differ += g.canvas.at(r.x + x, r.y + y) != g.canvas.at(cans[0].x + x, cans[0].y + y);
                }
            }
            EXPECT_EQ(differ, 0) << "pixels unlike the first can";
        }
    }
}

}  // namespace
}  // namespace zorb::desktop
