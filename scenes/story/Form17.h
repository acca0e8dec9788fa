#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The wall-crossing cutscene.
class Form17 : public GameScene {
public:
    explicit Form17(Game& game);
};

}  // namespace zorb
