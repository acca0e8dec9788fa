#pragma once

#include <map>
#include <string>
#include <vector>

#include "desktop/Layout.h"
#include "desktop/Look.h"
#include "runtime/Runtime.h"

namespace zorb::web {

using desktop::Box;
using desktop::Layout;
using desktop::PictureSize;

// A rectangle in canvas (device) pixels.
struct Pixels {
    int x = 0, y = 0, w = 0, h = 0;
};

// How the logical desktop maps onto the canvas: every logical pixel becomes
// `scale` canvas pixels, the desktop's top-left at (offsetX, offsetY).
struct View {
    float scale = 1;
    int offsetX = 0;
    int offsetY = 0;

    // The largest view of the desktop that fits the canvas, centred in it.
    static View fit(int outputWidth, int outputHeight);
    void toLogical(float px, float py, float& x, float& y) const {
        x = (px - offsetX) / scale;
        y = (py - offsetY) / scale;
    }
};

struct MessageBoxShape {
    Box frame, title, client, text, ok;
};

// What the player is doing right now that changes how things look.
struct Interaction {
    const Control* pressed = nullptr;  // a button held down with the pointer on it
    bool okPressed = false;            // the message box's OK held down
    const Control* focused = nullptr;  // the front window's button with the keyboard focus
};

// Draws the screen as the window does (desktop/Painter.cpp): the desktop,
// every scene window with its controls, the message box above them. The
// same layout, the same rounding to device pixels, the same way of setting
// labels and wrapping text; only the strokes go to the page's canvas, with
// the game's face served to it as a web font.
class WebPainter {
public:
    explicit WebPainter(const PictureSize& natural);

    void setView(const View& view);
    const View& view() const { return view_; }

    void paint(const Runtime& runtime, const Layout& layout, const Interaction& interaction);

    MessageBoxShape messageBoxShape(const std::string& text);
    PictureSize pictureSize() const { return natural_; }

private:
    enum class Align { Left, Centre };
    struct TextStyle {
        double points = desktop::kSystemPoints;
        bool bold = false;
        Color color = 0;
    };
    // Lines set one under the other, as the window renders them into one texture.
    struct TextBlock {
        std::vector<std::string> lines;
        std::vector<int> lineWidths;
        int pixels = 0;
        bool bold = false;
        float condense = 1;
        Align align = Align::Left;
        int width = 0;  // device pixels
        int height = 0;
        int inkTop = 0;  // the rows that hold ink, [inkTop, inkBottom)
        int inkBottom = 0;
    };

    int pixelsFor(double points) const;
    int boxWrapPixels() const;
    Pixels device(const Box& box) const;
    void fill(const Box& box, Color color);
    void fillDevice(const Pixels& rect, Color color);
    void bevel(const Box& box, Color tlOuter, Color tlInner, Color brOuter, Color brInner);
    void setClip(const Pixels* rect);
    void clip(const Box* box);

    void paintWindow(const Scene& scene, const Layout& layout, bool active, const Interaction& interaction);
    void paintFrame(const Box& frame, const std::string& caption, const std::string& icon, bool active,
                    bool minMax);
    void paintControl(const Control& control, const Box& client, const Interaction& interaction);
    void paintLabelText(const Label& label, const Box& box, const Box& textArea);
    Box labelBox(const Label& label, const Box& client) const;
    Box textArea(const std::vector<const Control*>& order, std::size_t index, const Box& client) const;
    void paintButton(const CommandButton& button, const Box& box, bool pressed);
    void paintFocus(const Box& box);
    void paintLine(const Line& line, const Box& client);
    void paintMessageBox(const std::string& text, const Interaction& interaction);
    void paintPicture(const std::string& name, float x, float y);

    const TextBlock& textBlock(const std::string& text, const TextStyle& style, int wrapWidth, Align align);
    TextBlock setLines(std::vector<std::string> lines, int pixels, bool bold, float condense, Align align);
    void drawBlock(const TextBlock& block, int x, int y, Color color);
    const TextBlock& labelBlock(const Label& label, const Pixels& area, bool oneLine);
    bool holdsOneLine(const LabelStyle& style, const Box& box) const;
    void drawText(const std::string& text, const Box& box, const TextStyle& style, bool wrap, Align align,
                  bool middle, float nudge = 0, int wrapPixels = 0);

    bool hiPictures() const { return view_.scale > 1.0f; }

    PictureSize natural_;
    View view_;
    Pixels clip_;
    bool clipped_ = false;
    std::map<std::string, TextBlock> textBlocks_;
    std::map<std::string, MessageBoxShape> boxShapes_;
};

// The face's own measures, as the window's text library takes them from
// IPAPGothic: a line is as many pixels high as the face's size, with the
// baseline this far down.
int faceAscent(int pixels);
inline int faceLineSkip(int pixels) { return pixels; }

}  // namespace zorb::web
