#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The boss mash explanation.
class Form29 : public GameScene {
public:
    explicit Form29(Game& game);
};

}  // namespace zorb
