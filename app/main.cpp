// zorbland: starts the game in a window, or headless under a script.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Runtime.h"
#include "runtime/Scene.h"
#include "scenes/Game.h"
#include "script/ScriptDriver.h"

namespace {

constexpr const char* kUsage =
    "usage: zorbland [--start SCENE]\n"
    "       zorbland --headless --script FILE|- [--start SCENE]\n"
    "\n"
    "  --headless        run with no window, on a clock that jumps, driven by a script\n"
    "  --script FILE     the script to run ('-' reads standard input)\n"
    "  --start SCENE     start on SCENE (Form1..Form34) instead of the title\n"
    "  --help            show this help\n"
    "  --version         show the version\n";

struct Options {
    bool headless = false;
    std::optional<std::string> script;
    std::optional<std::string> start;
};

int usageError(const std::string& message) {
    std::cerr << "zorbland: " << message << " (see zorbland --help)\n";
    return 2;
}

int runHeadless(const Options& options) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (*options.script != "-") {
        file.open(*options.script);
        if (!file) {
            std::cerr << "zorbland: cannot read script " << *options.script << "\n";
            return 2;
        }
        in = &file;
    }
    zorb::ScriptDriver driver(*in, *options.script, std::cout);
    zorb::Runtime runtime(driver);
    zorb::Game game(runtime);
    driver.attach(game, runtime);

    zorb::Scene* start = nullptr;
    if (options.start) {
        start = game.findScene(*options.start);
        if (!start) return usageError("unknown scene '" + *options.start + "'");
    }
    try {
        if (start) {
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
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    Options options;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            (void)what;
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
            options.script = value("FILE");
            if (!options.script) return usageError("--script needs a file name or -");
        } else if (a == "--start") {
            options.start = value("SCENE");
            if (!options.start) return usageError("--start needs a scene name");
        } else {
            return usageError("unknown option '" + a + "'");
        }
    }
    if (options.headless) {
        if (!options.script) return usageError("--headless needs --script FILE");
        return runHeadless(options);
    }
    if (options.script) return usageError("--script needs --headless");
    std::cerr << "zorbland: this build has no window system yet; use --headless --script FILE\n";
    return 2;
}
