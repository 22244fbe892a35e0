#pragma once

#include <cstdint>
#include <string>

namespace quilvane {

// The program's module-level state: the settings variables loaded at start and written at
// shutdown, the marquee attribute texts and the two texts of the markup commands. One object
// is owned by the application and handed to every window by reference.
struct Module1 {
    std::int32_t reg_top = 0;
    std::int32_t reg_left = 0;
    bool reg_Check1 = false; // komoji: markup in lower case
    bool reg_Check2 = false; // ime: input method on at start
    bool reg_Check3 = false; // dialog: confirmation messages
    bool reg_Check4 = false; // fore: main window always on top
    bool reg_Check5 = false; // code: colour code with "#"
    float reg_ver = 0.0f;
    std::string reg_font;
    std::string reg_Last_Color;

    // Each empty or one attribute with a leading blank, e.g. ` direction = "left"`.
    std::string MarqueeDirection;
    std::string MarqueeScrollAmount;
    std::string MarqueeScrollDelay;
    std::string MarqueeBehavior;
    std::string MarqueeWidth;

    std::string MarkupText;     // the markup last composed (after AddSave: the whole clipboard)
    std::string PriorClipboard; // the clipboard text AddSave found
};

} // namespace quilvane
