// zorbland: starts the game in a window, or headless under a script.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "desktop/Desktop.h"
#include "desktop/Pictures.h"
#include "desktop/Screenshots.h"
#include "runtime/Runtime.h"
#include "runtime/SaveState.h"
#include "runtime/Scene.h"
#include "scenes/Game.h"
#include "script/ScriptDriver.h"

namespace {

constexpr const char* kUsage =
    "usage: zorbland [--start SCENE] [--scale X] [--fullscreen] [--record FILE] [--replay FILE]\n"
    "       zorbland --headless --script FILE|- [--start SCENE] [--scale X]\n"
    "\n"
    "  --start SCENE     start on SCENE (Form1..Form34) instead of the title\n"
    "  --load FILE       start where the save FILE left the game\n"
    "  --scale X         draw everything X times as large, 0.5 to 8, fractions allowed\n"
    "                    (default: the largest that fits the screen)\n"
    "  --fullscreen      start in fullscreen (F11 or Alt+Enter toggles it)\n"
    "  --record FILE     write the session to FILE as a script\n"
    "  --replay FILE     play a recording back in the window, then play on\n"
    "  --headless        run with no window, on a clock that jumps, driven by a script\n"
    "  --script FILE     the script to run ('-' reads standard input)\n"
    "  --help            show this help\n"
    "  --version         show the version\n"
    "\n"
    "In the window, besides the mouse:\n"
    "  arrow keys        press the front window's arrow buttons; held down, walk\n"
    "  Tab, Shift+Tab    move the focus between the front window's buttons\n"
    "  Space, Enter      press the focused button, or a message box's OK (so does Escape)\n"
    "  F11, Alt+Enter    fullscreen on and off\n"
    "  F12               a screenshot into your pictures directory\n"
    "  gamepad           D-pad or left stick: arrows; A: press; B: OK; shoulders: focus;\n"
    "                    Start: fullscreen\n";

struct Options {
    bool headless = false;
    std::optional<std::string> script;
    std::optional<std::string> start;
    std::optional<float> scale;
    bool fullscreen = false;
    std::optional<std::string> record;
    std::optional<std::string> replay;
    std::optional<std::string> load;
};

// "1.5", "2", "0.75": plain decimals only, so "1e1" or "nan" never pass.
std::optional<float> parseScale(const std::string& text) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789.") != std::string::npos ||
        text.front() == '.' || std::count(text.begin(), text.end(), '.') > 1) {
        return std::nullopt;
    }
    const float scale = std::stof(text);
    if (scale < 0.5f || scale > 8.0f) return std::nullopt;
    return scale;
}

int usageError(const std::string& message) {
    std::cerr << "zorbland: " << message << " (see zorbland --help)\n";
    return 2;
}

// Puts the game where a save left it, before it is played; false, with one
// line on standard error, when the save is refused.
bool loadSave(zorb::Runtime& runtime, const std::string& file) {
    try {
        zorb::SaveState::readFile(file, runtime).restore(runtime);
    } catch (const zorb::SaveError& error) {
        std::cerr << "zorbland: cannot load " << file << ": " << error.what() << "\n";
        return false;
    }
    runtime.host().log(runtime.now(), "loaded " + file);
    return true;
}

// The scene --start names, or nullptr with one line on standard error.
zorb::Scene* startScene(const zorb::Game& game, const std::string& name) {
    zorb::Scene* scene = game.findScene(name);
    if (!scene) {
        usageError("unknown scene '" + name + "'");
    } else if (scene == game.findScene("Form4")) {
        // The store holds the game's state in controls nobody ever sees.
        usageError("Form4 is the game's store and is never shown; start on another scene");
        return nullptr;
    }
    return scene;
}

int transcriptLost(const std::string& reason) {
    std::cerr << "zorbland: cannot write the transcript to standard output: " << reason << "\n";
    return 1;
}

int runHeadless(const Options& options) {
    // Checked before any file is opened: a file opened now would take the
    // closed descriptor, and the transcript would be written into it.
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) return transcriptLost(std::strerror(errno));
    std::ifstream file;
    std::istream* in = &std::cin;
    if (*options.script != "-") {
        std::error_code ec;
        if (std::filesystem::is_directory(*options.script, ec)) {
            std::cerr << "zorbland: cannot read script " << *options.script << ": it is a directory\n";
            return 2;
        }
        file.open(*options.script);
        if (!file) {
            std::cerr << "zorbland: cannot read script " << *options.script << ": " << std::strerror(errno)
                      << "\n";
            return 2;
        }
        in = &file;
    }
    zorb::ScriptDriver driver(*in, *options.script, std::cout);
    zorb::Runtime runtime(driver);
    zorb::Game game(runtime);
    driver.attach(runtime);
    zorb::desktop::Screenshots shots(runtime, options.scale.value_or(1));
    driver.setShotWriter([&shots](const std::string& file) { return shots.write(file); });
    driver.allowSaveFiles();

    zorb::Scene* start = nullptr;
    if (options.start && !(start = startScene(game, *options.start))) return 2;
    try {
        if (options.load) {
            if (!loadSave(runtime, *options.load)) return 2;
        } else if (start) {
            game.startAt(*start);
        } else {
            game.start();
        }
        driver.run();
    } catch (const zorb::Exit& exit) {
        return exit.status;
    } catch (const zorb::ScriptError& error) {
        std::cout.flush();
        std::cerr << "zorbland: " << error.what() << "\n";
        return 2;
    } catch (const zorb::TranscriptError& error) {
        return transcriptLost(error.what());
    }
    return 0;
}

int runWindowed(const Options& options) {
    zorb::desktop::DesktopOptions desktopOptions;
    desktopOptions.scale = options.scale.value_or(0);
    desktopOptions.fullscreen = options.fullscreen;
    desktopOptions.record = options.record.value_or("");
    desktopOptions.replay = options.replay.value_or("");
    desktopOptions.loadedFrom = options.load.value_or("");
    zorb::desktop::Desktop desktop(desktopOptions);
    zorb::Runtime runtime(desktop);
    zorb::Game game(runtime);
    for (const zorb::Scene* map : game.maps()) desktop.options().checkpointScenes.push_back(map->name());
    desktop.options().gameOverScene = game.gameOver().name();
    zorb::Scene* start = nullptr;
    if (options.start && !(start = startScene(game, *options.start))) return 2;
    if (options.load && !loadSave(runtime, *options.load)) return 2;
    try {
        desktop.attach(runtime);  // first, so that a recording is checked against the game
        desktop.open();
        desktop.run([&] {
            if (options.load) return;  // the game goes on from the save
            if (start) {
                game.startAt(*start);
            } else {
                game.start();
            }
        });
    } catch (const zorb::Exit& exit) {
        return exit.status;
    } catch (const zorb::desktop::DesktopError& error) {
        std::cerr << "zorbland: " << error.what() << "\n";
        return 1;
    } catch (const zorb::desktop::MissingPicture& error) {
        std::cerr << "zorbland: " << error.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "zorbland: " << error.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    Options options;
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // Which of two would count is anyone's guess: refuse to guess.
        if (a.rfind("--", 0) == 0 && !given.insert(a).second) return usageError(a + " is given twice");
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--version") {
            std::cout << "zorbland " << ZORB_VERSION << "\n";
            return 0;
        } else if (a == "--headless") {
            options.headless = true;
        } else if (a == "--script") {
            options.script = value();
            if (!options.script) return usageError("--script needs a file name or -");
        } else if (a == "--start") {
            options.start = value();
            if (!options.start) return usageError("--start needs a scene name");
        } else if (a == "--scale") {
            const auto n = value();
            const std::optional<float> scale = n ? parseScale(*n) : std::nullopt;
            if (!scale) return usageError("--scale needs a number from 0.5 to 8, such as 1.5");
            options.scale = *scale;
        } else if (a == "--fullscreen") {
            options.fullscreen = true;
        } else if (a == "--record") {
            options.record = value();
            if (!options.record) return usageError("--record needs a file name");
        } else if (a == "--load") {
            options.load = value();
            if (!options.load) return usageError("--load needs a save file");
        } else if (a == "--replay") {
            options.replay = value();
            if (!options.replay) return usageError("--replay needs a file name");
        } else {
            return usageError("unknown option '" + a + "'");
        }
    }
    if (options.load && options.start) return usageError("--load and --start cannot be used together");
    if (options.headless) {
        if (!options.script) return usageError("--headless needs --script FILE");
        if (options.fullscreen || options.record || options.replay) {
            return usageError("--fullscreen, --record and --replay need the window (drop --headless)");
        }
        return runHeadless(options);
    }
    if (options.script) return usageError("--script needs --headless");
    return runWindowed(options);
}
