#pragma once

#include <string>

#include "runtime/Geometry.h"

// The page's side of the game: the canvas the screen is drawn on, the
// queue of what the player does, the clock, the sound. Everything here is
// a call into the page's JavaScript (web/page/zorbland.js).
namespace zorb::web::page {

// What the page queues for the game, in the order it happened.
enum class EventType : int {
    None = 0,
    PointerDown = 1,  // x, y in canvas pixels
    PointerMove = 2,
    PointerUp = 3,
    KeyDown = 4,      // key: a Key, modifiers: a Modifier set
    KeyUp = 5,
    Resize = 6,       // the canvas changed size: set the view again
    Repaint = 7,      // a picture arrived, or the canvas was cleared
    FixDraw = 8,      // key: the outcome of the next random draw (a test's hook)
    Dump = 9,         // key: a question about a control (a test's hook): see question()
};

enum class Key : int { None = 0, Up, Right, Down, Left, Enter, Space, Escape, Tab, F5, F9 };

enum Modifier : int { Shift = 1, Alt = 2 };

struct Event {
    EventType type = EventType::None;
    int key = 0;
    int modifiers = 0;
    float x = 0;
    float y = 0;
};

// Waits until the page has queued something or `timeoutMs` passed (-1:
// until something comes). The game's stack is put aside meanwhile.
void wait(int timeoutMs);
// The oldest queued event, if any.
bool next(Event& event);
// The page's clock, in milliseconds.
double now();
// The canvas, in its own (device) pixels.
void outputSize(int& width, int& height);

// --- drawing: device pixels, into a back buffer shown by endFrame ----------
void beginFrame(Color background);
// Shows the frame, unless a picture it needed was still on its way.
void endFrame();
void fill(int x, int y, int w, int h, Color color);
void shade(int x, int y, int w, int h, int alpha);  // black at alpha/255
void gradient(int x, int y, int w, int h, Color left, Color right);
void clip(int x, int y, int w, int h);
void unclip();
// Whether a picture is loaded; when it is not it is fetched, the frame is
// not shown, and a Repaint follows its arrival.
bool pictureReady(const std::string& name, bool hi);
void picture(const std::string& name, bool hi, int x, int y, int w, int h);
void dots(int x, int y, int w, int h, Color color);
void line(float x0, float y0, float x1, float y1, int thickness, Color color);

// --- text in the game's face, `pixels` high, `condense` × its natural width -
int textWidth(const std::string& text, int pixels, bool bold, float condense);
// The rows of a line that hold ink, from its top (the line is `pixels`
// high with its baseline at ascent(pixels)).
void textInk(const std::string& text, int pixels, bool bold, float condense, int& top, int& bottom);
void text(const std::string& text, int x, int baseline, int pixels, bool bold, Color color,
          float condense);

// --- the rest ----------------------------------------------------------------
void log(long long time, const std::string& event);
void beep();
void ended();
void failed(const std::string& reason);
// Save states, kept by the page in the browser's local storage; empty
// when there is none.
void store(const std::string& slot, const std::string& text);
std::string stored(const std::string& slot);
// A short note under the screen ("saved"), gone after a moment.
void note(const std::string& text);

// A test's question ("Form3.Text1") and the game's answer to it.
std::string question(int id);
void answer(int id, const std::string& text);

}  // namespace zorb::web::page
