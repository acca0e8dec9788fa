#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The maze room.
class Form14 : public GameScene {
public:
    explicit Form14(Game& game);
};

}  // namespace zorb
