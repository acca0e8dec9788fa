// zorbland in the browser: the game on the page's canvas. The page passes
// the scene to start on (?start=FormN) as the one argument.
#include <exception>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/Runtime.h"
#include "runtime/Scene.h"
#include "scenes/Game.h"
#include "web/Bridge.h"
#include "web/WebDesktop.h"

// assets/pictures.list, built into the program: every picture's natural size.
extern const char* const kPictureList;

namespace {

std::map<std::string, zorb::Size> readPictureList(const std::string& text) {
    std::map<std::string, zorb::Size> sizes;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string name;
        zorb::Size size;
        if (fields >> name >> size.width >> size.height) sizes[name] = size;
    }
    return sizes;
}

}  // namespace

int main(int argc, char** argv) {
    const std::map<std::string, zorb::Size> sizes = readPictureList(kPictureList);
    zorb::web::WebDesktop desktop([&sizes](const std::string& name) {
        const auto it = sizes.find(name);
        return it == sizes.end() ? zorb::Size{} : it->second;
    });
    zorb::Runtime runtime(desktop);
    zorb::Game game(runtime);
    desktop.attach(runtime);
    std::vector<std::string> maps;
    for (const zorb::Scene* map : game.maps()) maps.push_back(map->name());
    desktop.setCheckpointScenes(std::move(maps));

    zorb::Scene* start = nullptr;
    if (argc > 1 && argv[1][0] != '\0') {
        start = game.findScene(argv[1]);
        if (!start) {
            zorb::web::page::failed(std::string("there is no scene ") + argv[1] + " to start on");
            return 1;
        }
    }
    try {
        desktop.run([&] {
            if (start) {
                game.startAt(*start);
            } else {
                game.start();
            }
        });
    } catch (const zorb::Exit& exit) {
        zorb::web::page::ended();
        return exit.status;
    } catch (const std::exception& error) {
        zorb::web::page::failed(error.what());
        return 1;
    }
    return 0;
}
