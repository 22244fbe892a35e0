#include "colour/fixed_colours.h"

namespace quilvane {

const std::array<FixedColour, 8> kFixedColours{{
    {"black", "黒(&Black)", {0, 0, 0}},
    {"red", "赤(&Red)", {255, 0, 0}},
    {"green", "緑(&Green)", {0, 255, 0}},
    {"yellow", "黄(&Yellow)", {255, 255, 0}},
    {"blue", "青(B&lue)", {0, 0, 255}},
    {"cyan", "ｼｱﾝ(&Cyan)", {0, 255, 255}},
    {"magenta", "ﾏｾﾞﾝﾀ(&Magenta)", {255, 0, 255}},
    {"white", "白(&White)", {255, 255, 255}},
}};

} // namespace quilvane
