#pragma once

#include <string>
#include <vector>

#include "scenes/GameScene.h"

namespace zorb {

// The shop owner finds out who blew up the tower and goes for his phone.
class Form22 : public GameScene {
public:
    explicit Form22(Game& game);

    static inline const std::vector<std::string> kTalk{
        "ちゃぶろのおやじ：こらーっ！今の爆発はだれのしわざだ！",
        "ポッチー：おれだよ！通報できるもんならしてみな！",
        "ちゃぶろのおやじ：くそっ、ケータイが圏外だ…。しかたない、家の電話から通報してやる！",
        "ポッチー：しまった！家の電話があったか！",
    };

    Image Image1{this, 1, {120, 120, 5355, 5595}, "shop_owner_angry"};
    Timer Timer1{this, 1, 1000, &Form22::Timer1_Timer};  // the conversation

private:
    void Timer1_Timer();
};

}  // namespace zorb
