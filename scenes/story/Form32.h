#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The boss surrender cutscene.
class Form32 : public GameScene {
public:
    explicit Form32(Game& game);
};

}  // namespace zorb
