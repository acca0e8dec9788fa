#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "desktop/Face.h"
#include "desktop/Layout.h"
#include "desktop/Painter.h"
#include "desktop/Pictures.h"
#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/Scene.h"

namespace zorb::desktop::test {

// A host that answers boxes after running `duringBox`.
class QuietHost : public Host {
public:
    std::function<void()> duringBox;
    std::vector<std::string> events;
    void messageBox(const std::string&) override {
        if (duringBox) duringBox();
    }
    void beep() override {}
    void log(GameTime t, const std::string& e) override { events.push_back(std::to_string(t) + " " + e); }
};

// A picture directory made for the test: `block` is 20 × 10 pixels, red at
// 1× and blue at 2× (40 × 20), so a test can tell which raster was drawn;
// `slab` is green and has no 2× raster; `icon` is yellow. `ghost` exists
// nowhere.
inline std::string makePictureFixture() {
    static const std::string dir = [] {
        const auto root = std::filesystem::temp_directory_path() /
                          ("zorb_desktop_pictures_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "1x");
        std::filesystem::create_directories(root / "2x");
        auto write = [](const std::filesystem::path& path, int w, int h, Uint32 argb) {
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
            SDL_FillRect(s, nullptr, argb);
            IMG_SavePNG(s, path.c_str());
            SDL_FreeSurface(s);
        };
        write(root / "1x" / "block.png", 20, 10, 0xFFFF0000);
        write(root / "2x" / "block.png", 40, 20, 0xFF0000FF);
        write(root / "1x" / "slab.png", 20, 10, 0xFF00FF00);
        write(root / "1x" / "icon.png", 16, 16, 0xFFFFFF00);
        return root.string();
    }();
    return dir;
}

// Draws into a surface with the software renderer, as screenshots do.
struct Canvas {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    Pictures pictures;
    Fonts fonts;
    std::unique_ptr<Painter> painter;

    explicit Canvas(float scale = 1, std::string pictureDir = makePictureFixture())
        : pictures(std::move(pictureDir)), fonts(findFace()) {
        const int w = static_cast<int>(kScreenWidth * scale), h = static_cast<int>(kScreenHeight * scale);
        surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = SDL_CreateSoftwareRenderer(surface);
        painter = std::make_unique<Painter>(renderer, pictures, fonts);
    }
    ~Canvas() {
        painter.reset();
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
    void paint(const Runtime& runtime, const Layout& layout, const Interaction& i = {}) {
        painter->paint(runtime, layout, i);
        SDL_RenderFlush(renderer);
    }
    // 0xRRGGBB at an output pixel.
    Color at(int x, int y) const {
        const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        return reinterpret_cast<const Uint32*>(row)[x] & 0xFFFFFF;
    }
    // At a logical point of the desktop.
    Color atLogical(float x, float y) const {
        const View& v = painter->view();
        return at(static_cast<int>(v.offsetX + x * v.scale), static_cast<int>(v.offsetY + y * v.scale));
    }
};

// A scene to draw and click: overlapping pictures, a picture-less click
// area, a button over a label, text fields shown and hidden, a line.
// Positions in pixels at scale 1 are given beside each control.
class Board : public Scene {
public:
    explicit Board(Runtime& rt, std::string name = "Board")
        : Scene(rt, std::move(name), {9420, 7560}, {.caption = "Board", .background = colors::Red}) {}

    Image Image1{this, 1, {1500, 1500, 600, 300}, "block", &Board::Image1_Click};  // (100, 100) 20 × 10
    Image Image2{this, 2, {1650, 1575, 600, 300}, "slab", &Board::Image2_Click};   // (110, 105) 20 × 10
    Image Image3{this, 3, {3000, 3000, 900, 450}, "", &Board::Image3_Click};       // (200, 200) 60 × 30
    Image Image4{this, 4, {4500, 3000, 600, 300}, "block", &Board::Image4_Click, Hidden};  // (300, 200)
    Label Label1{this, 1, {1500, 2250, 1500, 300}, "ラベル",
                 {.fore = colors::Black, .back = colors::Yellow}, &Board::Label1_Click};  // (100, 150) 100 × 20
    CommandButton Command1{this, 1, {2250, 2250, 750, 300}, "押す", &Board::Command1_Click};  // (150, 150) 50 × 20
    CommandButton Command2{this, 2, {4500, 4500, 750, 450}, "↑", &Board::Command2_Click};    // (300, 300) 50 × 30
    TextBox Text1{this, 1, {4500, 1500, 1500, 300}, "12"};                 // (300, 100) 100 × 20
    TextBox Text2{this, 2, {4500, 2250, 1500, 300}, "34", Hidden};         // (300, 150)
    Line Line1{this, 1, {0, 6000}, {9420, 6000}, colors::White};           // y = 400

    std::vector<std::string> clicks;

private:
    void Image1_Click() { clicks.push_back("Image1"); }
    void Image2_Click() { clicks.push_back("Image2"); }
    void Image3_Click() { clicks.push_back("Image3"); }
    void Image4_Click() { clicks.push_back("Image4"); }
    void Label1_Click() { clicks.push_back("Label1"); }
    void Command1_Click() { clicks.push_back("Command1"); }
    void Command2_Click() { clicks.push_back("Command2"); }
};

// Stands off the screen, as the store does.
class OffScreen : public Scene {
public:
    explicit OffScreen(Runtime& rt)
        : Scene(rt, "OffScreen", {90, 90}, {.caption = "OffScreen", .placed = Point{-5715, -2205}}) {}
    CommandButton Command1{this, 1, {0, 0, 90, 90}, "↑", &OffScreen::Command1_Click};

private:
    void Command1_Click() {}
};

}  // namespace zorb::desktop::test
