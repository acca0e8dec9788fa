#pragma once

#include "runtime/Controls.h"

namespace zorb {

class Runtime;

// The game-state store: every value that outlives a scene, as the text of
// one of 19 value fields. Loaded once by the title scene, never unloaded,
// never drawn (it sits off the screen).
class Form4 : public Scene {
public:
    explicit Form4(Runtime& runtime);

    // Caption labels, naming each field.
    Label Label1{this, 1, {0, 0, 615, 255}, "HP", {.visible = Hidden}};
    Label Label2{this, 2, {0, 360, 975, 255}, "ペットボトル", {.visible = Hidden}};
    Label Label3{this, 3, {0, 720, 975, 255}, "回復の薬", {.visible = Hidden}};
    Label Label4{this, 4, {0, 1080, 1095, 255}, "おいしいあめ", {.visible = Hidden}};
    Label Label5{this, 5, {0, 1440, 1095, 255}, "かね", {.visible = Hidden}};
    Label Label6{this, 6, {0, 1800, 1095, 255}, "レベル", {.visible = Hidden}};
    Label Label7{this, 7, {0, 2160, 1095, 255}, "水", {.visible = Hidden}};
    Label Label8{this, 8, {0, 2520, 1095, 255}, "ボトロン", {.visible = Hidden}};
    Label Label9{this, 9, {0, 2880, 1095, 255}, "博士", {.visible = Hidden}};
    Label Label10{this, 10, {0, 3240, 1095, 255}, "わざ", {.visible = Hidden}};
    Label Label11{this, 11, {0, 3600, 1095, 255}, "かぎ", {.visible = Hidden}};
    Label Label12{this, 12, {0, 3960, 1095, 255}, "LED", {.visible = Hidden}};
    Label Label13{this, 13, {0, 4320, 1095, 255}, "led2", {.visible = Hidden}};
    Label Label14{this, 14, {2160, 120, 855, 255}, "電柱1", {.visible = Hidden}};
    Label Label15{this, 15, {2160, 480, 855, 255}, "電柱2", {.visible = Hidden}};
    Label Label16{this, 16, {2160, 840, 855, 255}, "電柱3", {.visible = Hidden}};
    Label Label17{this, 17, {2160, 1200, 855, 255}, "ボトロン1", {.visible = Hidden}};
    Label Label18{this, 18, {2160, 1560, 855, 255}, "ボトロン2", {.visible = Hidden}};
    Label Label19{this, 19, {2160, 1920, 855, 255}, "ボトロン3", {.visible = Hidden}};

    TextBox Text1{this, 1, {600, 0, 375, 270}, "100"};                 // HP
    TextBox Text2{this, 2, {960, 360, 375, 270}, "0"};                 // empty pet bottles
    TextBox Text3{this, 3, {960, 720, 375, 270}, "0"};                 // medicine
    TextBox Text4{this, 4, {1080, 1080, 375, 270}, "0"};               // candy
    TextBox Text5{this, 5, {1080, 1440, 375, 270}, "0"};               // money (yen)
    TextBox Text6{this, 6, {1080, 1800, 375, 270}, "0"};               // level
    TextBox Text7{this, 7, {1080, 2160, 375, 270}, "0"};               // water
    TextBox Text8{this, 8, {1080, 2520, 375, 270}, "0"};               // bottle bombs
    TextBox Text9{this, 9, {1080, 2880, 375, 270}, "0"};               // flag: the doctor has called
    TextBox Text10{this, 10, {1080, 3240, 375, 270}, "0"};             // flag: technique learnt
    TextBox Text11{this, 11, {1080, 3600, 375, 270}, "0"};             // flag: key
    TextBox Text12{this, 12, {1080, 3960, 375, 270}, "0"};             // flag: LED
    TextBox Text13{this, 13, {1080, 4320, 375, 270}, "0"};             // flag: the wall is crossed
    TextBox Text14{this, 14, {3000, 120, 375, 270}, "0"};              // flag: radio tower 1 done
    TextBox Text15{this, 15, {3000, 480, 375, 270}, "0"};              // flag: radio tower 2 done
    TextBox Text16{this, 16, {3000, 840, 375, 270}, "0"};              // flag: radio tower 3 done
    TextBox Text17{this, 17, {3000, 1200, 375, 270}, "0"};             // flag: block B1 broken
    TextBox Text18{this, 18, {3000, 1560, 375, 270}, "0"};             // flag: block B2 broken
    TextBox Text19{this, 19, {3000, 1920, 375, 270}, "0"};             // flag: block B3 broken
};

}  // namespace zorb
