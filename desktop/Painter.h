#pragma once

#include <SDL.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "desktop/Face.h"
#include "desktop/Layout.h"
#include "desktop/Look.h"
#include "desktop/Pictures.h"
#include "runtime/Runtime.h"

namespace zorb::desktop {

// How the logical desktop maps onto the output: every logical pixel becomes
// `scale` output pixels, the desktop's top-left at (offsetX, offsetY).
struct View {
    float scale = 1;
    int offsetX = 0;
    int offsetY = 0;
    int width = 0;   // the output, in its own pixels
    int height = 0;

    // The largest view of the desktop that fits an output, centred in it.
    static View fit(int outputWidth, int outputHeight);
    // The desktop point under an output pixel.
    void toLogical(float px, float py, float& x, float& y) const {
        x = (px - offsetX) / scale;
        y = (py - offsetY) / scale;
    }
};

// Where the parts of the message box stand, in logical pixels.
struct MessageBoxShape {
    Box frame, title, client, text, ok;
};

// What the player is doing right now that changes how things look.
struct Interaction {
    const Control* pressed = nullptr;  // a button held down with the pointer on it
    bool okPressed = false;            // the message box's OK held down
    const Control* focused = nullptr;  // the front window's button with the keyboard focus
    std::string note;                  // a note of the window over the desktop
    std::string hint;                  // a standing hint of the window, at the top
};

// Draws the screen: the desktop, every scene window on it with its
// controls, and the message box above them, through any SDL renderer (the
// window's, or the software one drawing into a surface for a screenshot).
// Text is rendered at the final pixel size; pictures come from the 2×
// rasters when the scale is above 1.
class Painter {
public:
    Painter(SDL_Renderer* renderer, Pictures& pictures, Fonts& fonts);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void setView(const View& view);
    const View& view() const { return view_; }

    void paint(const Runtime& runtime, const Layout& layout, const Interaction& interaction = {});

    MessageBoxShape messageBoxShape(const std::string& text);
    // The lines the message box shows the text on.
    std::vector<std::string> messageBoxLines(const std::string& text);

    // How a label's caption is set at the current scale, its scene's client
    // area standing at `client` on the desktop.
    struct LabelText {
        std::vector<std::string> lines;
        float condense = 1;    // the face's width against its natural width
        bool oneLine = false;  // the box holds one line of the label's face
        SDL_Rect ink{0, 0, 0, 0};  // where its ink lies on the output
    };
    LabelText labelText(const Label& label, const Box& client);
    // The natural size of a picture (loading it if need be).
    PictureSize pictureSize();

    // The device pixel size a text of `points` gets at the current scale.
    int pixelsFor(double points) const;

private:
    struct TextBlock {
        SDL_Texture* texture = nullptr;
        int width = 0;  // device pixels
        int height = 0;
        SDL_Rect ink{0, 0, 0, 0};  // the pixels that hold ink
        LabelText setting;  // for a label's text: how it was set
    };
    enum class Align { Left, Centre };
    struct TextStyle {
        double points = kSystemPoints;
        bool bold = false;
        Color color = 0;
    };

    SDL_Rect device(const Box& box) const;
    int boxWrapPixels() const;
    void setColor(Color color);
    void fill(const Box& box, Color color);
    void fillDevice(const SDL_Rect& rect, Color color);
    void bevel(const Box& box, Color topLeftOuter, Color topLeftInner, Color bottomRightOuter,
               Color bottomRightInner);
    void clip(const Box* box);

    void paintWindow(const Scene& scene, const Layout& layout, bool active,
                     const Interaction& interaction);
    void paintFrame(const Box& frame, const std::string& caption, const std::string& icon,
                    bool active, bool minMax);
    void paintControl(const Control& control, const Box& client, const Interaction& interaction);
    void paintLabelText(const Label& label, const Box& box, const Box& textArea);
    SDL_Rect placeLabelText(const TextBlock& block, const SDL_Rect& area) const;
    Box labelBox(const Label& label, const Box& client);
    Box textArea(const std::vector<const Control*>& order, std::size_t index, const Box& client);
    void paintButton(const CommandButton& button, const Box& box, bool pressed);
    void paintFocus(const Box& box);
    void paintNote(const std::string& text, bool top = false);
    void paintLine(const Line& line, const Box& client);
    void paintMessageBox(const std::string& text, const Interaction& interaction);
    void paintPicture(const std::string& name, float x, float y);

    const TextBlock& textBlock(const std::string& text, const TextStyle& style, int wrapWidth,
                               Align align);
    // Renders lines, one under the other, into a texture.
    TextBlock renderLines(const std::vector<std::string>& lines, TTF_Font* font, Color color,
                          Align align);
    // A label's caption set in a box of `area`'s device size.
    const TextBlock& labelBlock(const Label& label, const SDL_Rect& area, bool oneLine);
    LabelText setLabel(const std::string& caption, const LabelStyle& style, int width, int height,
                       bool oneLine, int& faceWidth);
    bool holdsOneLine(const LabelStyle& style, const Box& box);
    // The face at `pixels` em, `width` and `height` its horizontal and
    // vertical size in 72ths of a pixel (72 × pixels is its natural size,
    // less is condensed).
    TTF_Font* face(int pixels, bool bold, int width, int height = 0);
    void dropTextBlocks();
    // Draws text inside `box`: wrapped to its width when `wrap`, aligned left
    // or centred, from the top or centred vertically, clipped to the box.
    // `wrapPixels` wraps at that many device pixels instead of the box's width.
    void drawText(const std::string& text, const Box& box, const TextStyle& style, bool wrap,
                  Align align, bool middle, float nudge = 0, int wrapPixels = 0);

    SDL_Texture* pictureTexture(const std::string& name);
    bool hiPictures() const { return view_.scale > 1.0f; }

    SDL_Renderer* renderer_;
    Pictures& pictures_;
    Fonts& fonts_;
    View view_;
    std::map<std::string, SDL_Texture*> pictureTextures_;
    std::map<std::string, TextBlock> textBlocks_;
    std::map<std::string, MessageBoxShape> boxShapes_;
    std::map<std::tuple<int, bool, int, int>, TTF_Font*> condensed_;
};

}  // namespace zorb::desktop
