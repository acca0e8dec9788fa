#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The after the trash-can search.
class Form16 : public GameScene {
public:
    explicit Form16(Game& game);
};

}  // namespace zorb
