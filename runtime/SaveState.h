#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Host.h"

namespace zorb {

class Runtime;
enum class ControlKind;

// Why a save could not be taken, written or loaded, in one line a player can
// read ("no such file", "line 12: unknown scene 'Form99'").
class SaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole game between two events: the clock, every scene's load state,
// caller and place in the window order, every control's values, the armed
// timers with their due times and arming order, and the draws still fixed.
// Restoring it into a game of the same scenes continues exactly as the game
// it was taken from would have: the same ticks at the same game times in the
// same order. The text it reads and writes is described in SaveState.cpp.
//
// A save is made and read whole before anything is applied, so a save that
// is refused leaves the running game exactly as it was.
class SaveState {
public:
    // Throws SaveError while a message box is open: a handler is waiting in
    // it, and a save cannot hold a handler half-run.
    static SaveState capture(const Runtime& runtime);
    // Reads and checks a save against the scenes of `runtime` without
    // touching them. Throws SaveError with the first thing wrong.
    static SaveState parse(std::string_view text, const Runtime& runtime);

    std::string text() const;

    // Puts the game where the save left it. Runs no handler and writes no
    // transcript line. Throws SaveError, changing nothing, while a message
    // box is open or when the save was made for other scenes.
    void restore(Runtime& runtime) const;

    // The file forms of text() and parse(). Writing is atomic: a failed or
    // interrupted write leaves whatever save was at `path` as it was.
    void writeFile(const std::string& path) const;
    static SaveState readFile(const std::string& path, const Runtime& runtime);

    // Lines of the window system's own, kept beside the game's (where the
    // player dragged each window, say). The game never reads them. A key is
    // letters, digits, '.', '_' or '-'; a value is any UTF-8 text.
    // setHostValue throws SaveError on a key or value it cannot keep.
    void setHostValue(const std::string& key, const std::string& value);
    const std::map<std::string, std::string>& hostValues() const { return host_; }

    GameTime clock() const { return clock_; }

private:
    enum class Load { Unloaded, Hidden, Visible };
    // One control's values; only those of its kind are used.
    struct ControlState {
        std::string name;
        ControlKind kind;
        bool visible = false;
        float left = 0;
        float top = 0;
        std::string text;  // a picture, caption or text
        int interval = 0;
        bool armed = false;
        GameTime due = 0;
        long long armOrder = 0;
    };
    struct SceneState {
        std::string name;
        Load load = Load::Unloaded;
        int caller = -1;  // index of the calling scene, -1 for none
        std::vector<ControlState> controls;
    };

    GameTime clock_ = 0;
    long long armCounter_ = 0;
    std::vector<int> draws_;
    std::vector<int> order_;  // scene indices, front first
    std::vector<SceneState> scenes_;  // as the runtime lists its scenes
    std::map<std::string, std::string> host_;

    friend class SaveReader;
};

// Where the player's saves live: $XDG_DATA_HOME/zorbland, else
// ~/.local/share/zorbland. Made if missing; throws SaveError if it cannot be.
std::string saveDirectory();

}  // namespace zorb
