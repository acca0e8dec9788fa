#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "scenes/Game.h"
#include "state/Form4.h"

namespace zorb::test {

// Plays the game headless the way a script does, for behaviour tests: start
// it (or one scene over a fresh store), click, let game time pass, write
// values, fix draws. Message boxes are answered with OK at once unless
// `whileBoxOpen` does something first; everything the game does is kept in
// `events`, in the transcript's words ("show Form3", "msgbox …", "beep").
class Harness : public Host {
public:
    Harness();

    Runtime runtime;
    Game game;

    // Game time 0: the title scene, as the program starts.
    void start();
    // The store, then that scene ("Form13"); set store values before this
    // with setStore, which shows the store first if need be.
    void startAt(const std::string& scene);

    ClickResult click(const std::string& path);  // "Form3.Command2"
    void wait(GameTime ms);
    void draw(int outcome) { runtime.fixNextDraw(outcome); }

    // The store's value fields (1..19), as text.
    std::string store(int field) const;
    void setStore(int field, const std::string& value);

    Control& control(const std::string& path) const;
    std::string text(const std::string& path) const;  // Text, Caption or Picture
    void set(const std::string& path, const std::string& value);  // a Text or a Caption
    bool visible(const std::string& path) const;
    bool loaded(const std::string& scene) const;
    // The loaded, visible scenes, front first.
    std::vector<std::string> shownScenes() const;

    std::vector<std::string> events;    // "1200 msgbox ここは…"
    std::vector<std::string> boxes;     // message box texts only, in order
    std::vector<std::string> takeBoxes();  // and forget them
    bool ended = false;                 // End was reached
    std::function<void(const std::string&)> whileBoxOpen;

    void messageBox(const std::string& text) override;
    void beep() override {}
    void log(GameTime time, const std::string& event) override;

private:
    template <class F>
    void guarded(F&& f);
};

}  // namespace zorb::test
