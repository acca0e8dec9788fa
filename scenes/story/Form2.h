#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The introduction: ポッチー introduces himself and the bottle bomb on seven
// pages turned with ▼; the last press opens the first town.
class Form2 : public GameScene {
public:
    explicit Form2(Game& game);

    Image Image1{this, 1, {0, 0, 7710, 5010}, "intro"};
    Label Label1{this, 1, {4080, 360, 3375, 4095}, kPages[0], {.back = colors::White, .size = 26.25}};
    TextBox Text1{this, 1, {120, 4680, 150, 270}, "1", Hidden};  // the page shown
    CommandButton Command1{this, 1, {7200, 4560, 255, 255}, "▼", &Form2::Command1_Click};

    static constexpr const char* kPages[7] = {
        "やあ、はじめまして！ぼくの名前はポムロ。ポッチーって呼んでね！",
        "ぼくはボムの達人なんだ。ボムといっても、大量破壊兵器のことじゃないよ。",
        "ボムっていうのは、ペットボトルで作る爆弾のことさ。",
        "ペットボトルに水とドライアイスを入れて、破裂させて作るんだ。危ないからまねしないでね！",
        "これからはペットボトル爆弾のことを「ボトロン」と呼ぶよ。",
        "さあ、いっしょにボトロンで悪者ザルバをたおす旅に出よう！",
        "よし、決まり！さっそく出発だ！",
    };

private:
    void Command1_Click();
};

}  // namespace zorb
