#pragma once

#include "runtime/Controls.h"
#include "runtime/Scene.h"

namespace zorb {

class Game;

// A scene of the game: it knows the catalogue, so its handlers can show,
// unload and reach into the other scenes (and the store, game().Form4).
class GameScene : public Scene {
public:
    GameScene(Game& game, std::string name, Size client, WindowStyle style);

protected:
    Game& game() const { return game_; }

private:
    Game& game_;
};

// Every map window carries this caption (three spaces).
inline constexpr const char* kMapCaption = "PLUMWORKS   ZORBLAND";

}  // namespace zorb
