#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The safe-house escape.
class Form27 : public GameScene {
public:
    explicit Form27(Game& game);
};

}  // namespace zorb
