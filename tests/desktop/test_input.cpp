// What the pointer and the keys reach: the front-most window under the
// pointer, the front-most visible control in it; the arrow keys press the
// arrow button of the front-most window that has one.
#include <gtest/gtest.h>

#include "desktop/Keys.h"
#include "desktop/Look.h"
#include "tests/desktop/Fixtures.h"

namespace zorb::desktop {
namespace {

using test::Board;
using test::QuietHost;

constexpr float kClientX = 86, kClientY = 98;

Size naturalSize(const std::string&) { return {20, 10}; }  // block and slab

std::string hitName(const Runtime& rt, const Layout& layout, float x, float y) {
    const Hit hit = hitTest(rt, layout, naturalSize, kClientX + x, kClientY + y);
    std::string s = hit.scene ? hit.scene->name() : "-";
    switch (hit.where) {
        case Hit::Where::Desktop: return "desktop";
        case Hit::Where::Frame: return s + " frame";
        case Hit::Where::Title: return s + " title";
        case Hit::Where::Client: return s + " client";
        case Hit::Where::Control: return s + "." + hit.control->name();
    }
    return "?";
}

TEST(HitTest, FrontMostControlUnderThePointer) {
    QuietHost host;
    Runtime rt(host);
    Board board(rt);
    board.show();
    Layout layout;
    struct Case {
        float x, y;
        const char* hit;
    };
    const Case cases[] = {
        {102, 102, "Board.Image1"},
        {115, 107, "Board.Image2"},   // Image2 lies over Image1
        {125, 107, "Board.Image2"},
        {125, 117, "Board client"},   // below both pictures: their natural size, not the design rect
        {230, 215, "Board.Image3"},   // no picture: a click area of its design size
        {310, 205, "Board client"},   // hidden
        {120, 160, "Board.Label1"},
        {160, 160, "Board.Command1"}, // the button lies over the label
        {320, 310, "Board.Command2"},
        {320, 110, "Board.Text1"},
        {320, 160, "Board client"},   // hidden text field
        {10, 400, "Board client"},    // lines take no clicks
        {10, -10, "Board title"},
        {-2, 10, "Board frame"},
        {-20, 10, "desktop"},
    };
    for (const Case& c : cases) EXPECT_EQ(hitName(rt, layout, c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST(HitTest, FrontMostWindowFirstAndDraggedWindowsMoveTheirControls) {
    QuietHost host;
    Runtime rt(host);
    Board a(rt, "A");
    Board b(rt, "B");
    test::OffScreen store(rt);
    store.show();
    a.show();
    b.show();  // both centred: B covers A
    Layout layout;
    EXPECT_EQ(hitName(rt, layout, 102, 102), "B.Image1");
    rt.bringToFront(a);
    EXPECT_EQ(hitName(rt, layout, 102, 102), "A.Image1");

    // A dragged 200 pixels right: B's picture is uncovered there.
    layout.moveTo(a, 83 + 200, 75);
    EXPECT_EQ(hitName(rt, layout, 102, 102), "B.Image1");
    EXPECT_EQ(hitName(rt, layout, 302, 102), "A.Image1");

    // A window shown after being unloaded opens centred again.
    a.unload();
    layout.forget(a);
    a.show();
    EXPECT_EQ(hitName(rt, layout, 102, 102), "A.Image1");

    // The store, off the screen, is never under the pointer.
    const Hit off = hitTest(rt, layout, naturalSize, -380, -140);
    EXPECT_EQ(off.scene, nullptr);
}

TEST(Keys, TheArrowsTheFocusKeysOkAndTheDesktopKeys) {
    struct Case {
        SDL_Keycode key;
        Uint16 mod;
        bool box;
        KeyAction action;
    };
    const Case cases[] = {
        {SDLK_UP, 0, false, KeyAction::Up},
        {SDLK_RIGHT, 0, false, KeyAction::Right},
        {SDLK_DOWN, 0, false, KeyAction::Down},
        {SDLK_LEFT, 0, false, KeyAction::Left},
        {SDLK_UP, 0, true, KeyAction::None},  // nothing but the box reacts while it is open
        {SDLK_RETURN, 0, true, KeyAction::Ok},
        {SDLK_KP_ENTER, 0, true, KeyAction::Ok},
        {SDLK_SPACE, 0, true, KeyAction::Ok},
        {SDLK_ESCAPE, 0, true, KeyAction::Ok},
        {SDLK_RETURN, 0, false, KeyAction::Press},  // the focused button
        {SDLK_SPACE, 0, false, KeyAction::Press},
        {SDLK_ESCAPE, 0, false, KeyAction::None},
        {SDLK_TAB, 0, false, KeyAction::NextFocus},
        {SDLK_TAB, KMOD_LSHIFT, false, KeyAction::PreviousFocus},
        {SDLK_RETURN, KMOD_LALT, true, KeyAction::Fullscreen},  // Alt+Enter is not OK
        {SDLK_RETURN, KMOD_RALT, false, KeyAction::Fullscreen},
        {SDLK_F11, 0, false, KeyAction::Fullscreen},
        {SDLK_F11, 0, true, KeyAction::Fullscreen},
        {SDLK_F12, 0, false, KeyAction::Screenshot},
        {SDLK_F12, 0, true, KeyAction::Screenshot},
        {SDLK_F5, 0, false, KeyAction::QuickSave},
        {SDLK_F5, 0, true, KeyAction::QuickSave},  // refused with a note while the box is open
        {SDLK_F9, 0, false, KeyAction::QuickLoad},
        {SDLK_F9, KMOD_LSHIFT, false, KeyAction::CheckpointLoad},
        {SDLK_a, 0, false, KeyAction::None},
        {SDLK_TAB, 0, true, KeyAction::None},
        {SDLK_F4, KMOD_LALT, false, KeyAction::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keyAction(c.key, c.mod, c.box), c.action) << SDL_GetKeyName(c.key) << " box " << c.box;
    }
}

TEST(Keys, ArrowPressesOnlyTheFrontWindowsVisibleArrowButton) {
    QuietHost host;
    Runtime rt(host);
    Board a(rt, "A");
    Board b(rt, "B");
    test::OffScreen store(rt);
    Layout layout;
    EXPECT_EQ(arrowButton(rt, layout, KeyAction::Up), nullptr);
    store.show();
    EXPECT_EQ(arrowButton(rt, layout, KeyAction::Up), nullptr) << "not the off-screen store's";
    a.show();
    b.show();
    EXPECT_EQ(arrowButton(rt, layout, KeyAction::Up), &b.Command2);
    EXPECT_EQ(arrowButton(rt, layout, KeyAction::Down), nullptr) << "nobody has ↓";
    b.Command2.hide();  // the arrows are hidden during a step
    EXPECT_EQ(arrowButton(rt, layout, KeyAction::Up), nullptr) << "the window beneath never walks";
    rt.bringToFront(a);
    b.Command2.show();
    EXPECT_EQ(arrowButton(rt, layout, KeyAction::Up), &a.Command2);
    EXPECT_EQ(arrowButton(rt, layout, KeyAction::Ok), nullptr);
}

}  // namespace
}  // namespace zorb::desktop
