#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The shop owner's phone call.
class Form22 : public GameScene {
public:
    explicit Form22(Game& game);
};

}  // namespace zorb
