// Drawing the screen with no display: window frames and places, controls in
// their order and colours, the 2× pictures at scale 2, the message box, a
// missing picture, and every scene of the game with the real pictures.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include "desktop/Look.h"
#include "scenes/Game.h"
#include "tests/desktop/Fixtures.h"

namespace zorb::desktop {
namespace {

using test::Board;
using test::Canvas;
using test::QuietHost;

// Board's client area: 628 × 504 pixels, centred on the 800 × 680 desktop.
constexpr float kClientX = 86, kClientY = 98;

TEST(Screen, WindowIsCentredWithItsFrameAroundTheClientArea) {
    QuietHost host;
    Runtime rt(host);
    Board board(rt);
    board.show();
    Layout layout;
    const Box frame = layout.frame(board);
    EXPECT_EQ(frame.w, 628 + 2 * kBorder);
    EXPECT_EQ(frame.h, 504 + kFrameTop + kBorder);
    EXPECT_EQ(frame.x, 83);
    EXPECT_EQ(frame.y, 75);
    const Box client = layout.client(board);
    EXPECT_EQ(client.x, kClientX);
    EXPECT_EQ(client.y, kClientY);
    EXPECT_EQ(client.w, 628);
    EXPECT_EQ(client.h, 504);

    // Dragged, it stays put; unloaded and shown again, it is centred again.
    layout.moveTo(board, 10, 20);
    EXPECT_EQ(layout.frame(board).x, 10);
    EXPECT_EQ(layout.frame(board).y, 20);
    layout.forget(board);
    EXPECT_EQ(layout.frame(board).x, 83);
}

TEST(Screen, DrawsControlsInOrderWithTheirColours) {
    QuietHost host;
    Runtime rt(host);
    Board board(rt);
    board.show();
    Layout layout;
    Canvas canvas;
    canvas.paint(rt, layout);
    auto at = [&](float x, float y) { return canvas.atLogical(kClientX + x, kClientY + y); };

    EXPECT_EQ(canvas.atLogical(5, 5), palette::Desktop);
    EXPECT_EQ(at(600, 50), colors::Red) << "the scene's background";
    EXPECT_EQ(at(102, 102), 0xFF0000u) << "Image1 (block, 1x red)";
    EXPECT_EQ(at(115, 108), 0x00FF00u) << "Image2 (slab) lies over Image1";
    EXPECT_EQ(at(230, 215), colors::Red) << "an image with no picture draws nothing";
    EXPECT_EQ(at(310, 205), colors::Red) << "a hidden image draws nothing";
    EXPECT_EQ(at(101, 168), colors::Yellow) << "Label1's background";
    EXPECT_EQ(at(153, 153), colors::ButtonFace) << "Command1 lies over Label1";
    EXPECT_EQ(at(395, 117), palette::FieldBack) << "a visible text field is a white box";
    EXPECT_EQ(at(300, 100), palette::Shadow) << "with a sunken edge";
    EXPECT_EQ(at(395, 165), colors::Red) << "a hidden text field draws nothing";
    EXPECT_EQ(at(10, 400), colors::White) << "Line1";
    EXPECT_EQ(at(10, 401), colors::Red);
    // The title bar of the front window is the active colour at its left end.
    EXPECT_EQ(canvas.atLogical(86, 80), palette::ActiveTitleLeft);

    // Held down, the button's edges swap: dark at its top-left corner.
    Interaction held;
    held.pressed = &board.Command1;
    canvas.paint(rt, layout, held);
    EXPECT_EQ(at(150, 150), palette::DarkShadow);
    canvas.paint(rt, layout);
    EXPECT_EQ(at(150, 150), palette::Light);
}

TEST(Screen, TextIsDrawnInsideItsLabel) {
    QuietHost host;
    Runtime rt(host);
    Board board(rt);
    board.show();
    Layout layout;
    Canvas canvas;
    canvas.paint(rt, layout);
    // Black strokes of ラベル lie inside Label1's box (100..150 before the
    // button), none below it.
    auto isDark = [](Color c) { return ((c >> 16) & 0xFF) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60; };
    int dark = 0;
    for (int y = 150; y < 170; ++y) {
        for (int x = 100; x < 150; ++x) dark += isDark(canvas.atLogical(kClientX + x, kClientY + y)) ? 1 : 0;
    }
    EXPECT_GT(dark, 10);
    for (int x = 100; x < 200; ++x) EXPECT_EQ(canvas.atLogical(kClientX + x, kClientY + 172), colors::Red);
}

TEST(Screen, ScaleTwoDrawsEverythingTwiceAsLargeFromTheTwoTimesPictures) {
    QuietHost host;
    Runtime rt(host);
    Board board(rt);
    board.show();
    Layout layout;
    Canvas canvas(2);
    EXPECT_EQ(canvas.painter->view().scale, 2);
    canvas.paint(rt, layout);
    EXPECT_EQ(canvas.at(2 * (86 + 102), 2 * (98 + 102)), 0x0000FFu) << "block's 2x raster";
    EXPECT_EQ(canvas.at(2 * (86 + 119) + 1, 2 * (98 + 109) + 1), 0x00FF00u)
        << "slab has no 2x raster: its 1x one, stretched to the same natural size";
    EXPECT_EQ(canvas.at(2 * 86 + 20, 2 * (98 + 400)), colors::White);
    EXPECT_EQ(canvas.at(2 * 86 + 20, 2 * (98 + 400) + 1), colors::White) << "lines are 2 pixels thick";
    EXPECT_EQ(canvas.at(2 * 86 + 20, 2 * (98 + 400) + 2), colors::Red);
    // Text is rendered at the final size: 9 points at scale 2 is a 24-pixel face.
    EXPECT_EQ(canvas.painter->pixelsFor(9), 24);
}

TEST(Screen, MessageBoxIsItsOwnWindowAboveEverything) {
    QuietHost host;
    Runtime rt(host);
    Board board(rt);
    board.show();
    Layout layout;
    Canvas canvas;
    bool painted = false;
    host.duringBox = [&] {
        canvas.paint(rt, layout);
        const MessageBoxShape shape = canvas.painter->messageBoxShape(rt.messageBoxText());
        // Centred on the desktop, the text wrapped to the box's width.
        EXPECT_NEAR(shape.frame.x + shape.frame.w / 2, kScreenWidth / 2, 1);
        EXPECT_NEAR(shape.frame.y + shape.frame.h / 2, kScreenHeight / 2, 1);
        EXPECT_LE(shape.text.w, kBoxTextMaxWidth + 1);
        EXPECT_GE(shape.text.h, 2 * 12) << "a long text takes several lines";
        EXPECT_EQ(canvas.atLogical(shape.title.x + 1, shape.title.y + 10), palette::ActiveTitleLeft);
        EXPECT_EQ(canvas.atLogical(shape.client.x + 2, shape.client.y + 2), palette::Face);
        EXPECT_EQ(canvas.atLogical(shape.ok.x + 4, shape.ok.y + 4), palette::Face);
        EXPECT_EQ(canvas.atLogical(shape.ok.x, shape.ok.y), 0u) << "OK, the default button, outlined";
        // The window under the box is no longer the active one.
        EXPECT_EQ(canvas.atLogical(86, 80), palette::InactiveTitleLeft);
        painted = true;
    };
    rt.msgbox("ポッチーはボトロンを投げた！幽霊に大ダメージ！幽霊はたおれた。ポッチーはレベルが上がった！"
              "回復の薬を手に入れた！");
    EXPECT_TRUE(painted);

    // A short text still gets a box wide enough for its title.
    Canvas small;
    const MessageBoxShape shape = small.painter->messageBoxShape("はい");
    EXPECT_GE(shape.text.w, kBoxMinTextWidth);
}

TEST(Screen, PictureMissingOnDiskIsNamed) {
    QuietHost host;
    Runtime rt(host);
    Board board(rt);
    board.show();
    board.Image1.setPicture("ghost");
    Layout layout;
    Canvas canvas;
    try {
        canvas.paint(rt, layout);
        FAIL() << "a missing picture was drawn";
    } catch (const MissingPicture& e) {
        EXPECT_EQ(e.name(), "ghost");
        EXPECT_NE(std::string(e.what()).find("1x/ghost.png"), std::string::npos) << e.what();
    }
}

TEST(Screen, OnlyLoadedVisibleWindowsOnTheDesktopAreDrawn) {
    QuietHost host;
    Runtime rt(host);
    Board a(rt, "A");
    test::OffScreen store(rt);
    Layout layout;
    EXPECT_TRUE(layout.windows(rt).empty());
    store.show();
    a.show();
    EXPECT_EQ(layout.windows(rt), (std::vector<Scene*>{&a})) << "the store stands off the screen";
    a.unload();
    EXPECT_TRUE(layout.windows(rt).empty());
}

// --- the game's own scenes -------------------------------------------------------

struct GameOnCanvas {
    QuietHost host;
    Runtime rt{host};
    Game game{rt};
    Layout layout;
    Canvas canvas{1, ZORB_ASSETS_DIR};
};

TEST(GameScreen, EveryScenesWindowDrawsAtItsSizeWithItsPictures) {
    std::vector<std::string> names;
    {
        GameOnCanvas g;
        for (Scene* s : g.rt.scenes()) names.push_back(s->name());
    }
    ASSERT_EQ(names.size(), 34u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        GameOnCanvas g;
        Scene& scene = *g.game.findScene(name);
        try {
            g.game.startAt(scene);
            g.canvas.paint(g.rt, g.layout);
            // A second look once its first timers have run.
            g.rt.advance(1500);
            g.canvas.paint(g.rt, g.layout);
        } catch (const Exit&) {
            continue;  // the scene ended the game
        } catch (const MissingPicture& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        if (name == "Form4") {
            EXPECT_TRUE(g.layout.windows(g.rt).empty()) << "the store is never drawn";
            continue;
        }
        if (!scene.loaded()) continue;  // it handed over at once
        const Box client = g.layout.client(scene);
        EXPECT_EQ(client.w, scene.client().width / 15.0f);
        EXPECT_EQ(client.h, scene.client().height / 15.0f);
    }
}

TEST(GameScreen, KnownColoursOfTheGhostBattleAndTheFirstTown) {
    {
        GameOnCanvas g;
        g.game.startAt(*g.game.findScene("Form10"));
        g.canvas.paint(g.rt, g.layout);
        const Box c = g.layout.client(*g.game.findScene("Form10"));
        EXPECT_EQ(g.canvas.atLogical(c.x + c.w - 3, c.y + 3), colors::Red);
    }
    {
        GameOnCanvas g;
        g.game.startAt(*g.game.findScene("Form3"));
        g.canvas.paint(g.rt, g.layout);
        const Box c = g.layout.client(*g.game.findScene("Form3"));
        // The status panel's corner, right of the arrow pad, is the map's black.
        EXPECT_EQ(g.canvas.atLogical(c.x + c.w - 8, c.y + c.h - 20), colors::Black);
    }
}

}  // namespace
}  // namespace zorb::desktop

namespace zorb::desktop {
namespace {

TEST(View, TheDesktopFillsTheWindowAtTheLargestScaleThatFitsAndStaysCentred) {
    struct Case {
        int w, h;
        float scale;
        int offsetX, offsetY;
    };
    const Case cases[] = {
        {800, 680, 1, 0, 0},
        {1600, 1360, 2, 0, 0},
        {1000, 680, 1, 100, 0},      // wider: bars left and right
        {1920, 1080, 1080.0f / 680, 325, 0},  // fullscreen on a wide display
        {400, 340, 0.5f, 0, 0},
    };
    for (const Case& c : cases) {
        const View v = View::fit(c.w, c.h);
        EXPECT_FLOAT_EQ(v.scale, c.scale) << c.w << "x" << c.h;
        EXPECT_EQ(v.offsetX, c.offsetX) << c.w << "x" << c.h;
        EXPECT_EQ(v.offsetY, c.offsetY) << c.w << "x" << c.h;
        float x = 0, y = 0;
        v.toLogical(static_cast<float>(c.offsetX) + 400 * v.scale, static_cast<float>(c.offsetY) + 340 * v.scale, x, y);
        EXPECT_NEAR(x, 400, 0.01);
        EXPECT_NEAR(y, 340, 0.01);
    }
}

}  // namespace
}  // namespace zorb::desktop
