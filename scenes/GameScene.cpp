#include "scenes/GameScene.h"

#include "scenes/Game.h"

namespace zorb {

GameScene::GameScene(Game& game, std::string name, Size client, WindowStyle style)
    : Scene(game.runtime(), std::move(name), client, std::move(style)), game_(game) {}

}  // namespace zorb
