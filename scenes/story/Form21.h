#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The tower-explosion cutscene.
class Form21 : public GameScene {
public:
    explicit Form21(Game& game);
};

}  // namespace zorb
