#pragma once

#include <string>
#include <vector>

#include "scenes/GameScene.h"

namespace zorb {

// ザルバ is beaten and cries out for his boss.
class Form28 : public GameScene {
public:
    explicit Form28(Game& game);

    static inline const std::vector<std::string> kTalk{
        "ザルバ：くそっ！このおれさまがポッチーなんかに負けるとは…！",
        "ザルバ：おぼえてろよ！おやびんに言いつけてやる！",
        "ポッチー：えっ！？おまえの上にまだだれかいるのか！？",
        "ザルバ：首領（ドン）ポッチーおやびん！助けてくださーい！",
    };

    Image Image1{this, 1, {0, 0, 7665, 4005}, "zaruba_punched"};
    Timer Timer1{this, 1, 2000, &Form28::Timer1_Timer};  // the conversation

private:
    void Timer1_Timer();
};

}  // namespace zorb
