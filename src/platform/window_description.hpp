#pragma once
// A window is described by a table of rows, one per control, that one builder turns
// into widgets. Names and texts in the tables are UTF-8 source literals.
#include <cstdint>
#include <string_view>
#include <vector>

enum class ControlKind { label, button, checkBox, radioButton, editBox, comboBox, linkButton, groupBox };

// 0xRRGGBB, or none.
using Colour = std::int32_t;
inline constexpr Colour noColour = -1;
constexpr Colour rgb(int red, int green, int blue) {
    return (red << 16) | (green << 8) | blue;
}

struct ControlProperties {
    bool multiLine = false;
    bool readOnly = false;
    bool verticalScrollBar = false;
    bool sunkenBorder = false;
    // The selection is not shown while the box has no focus.
    bool hideSelectionWithoutFocus = false;
    // Only "0" to "9" and "-" can be typed.
    bool digitsOnly = false;
    Colour textColour = noColour;
    Colour backgroundColour = noColour;
    std::string_view fontFace;
    int fontPixels = 0;
    bool bold = false;
};

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    // Empty for the window itself, else the name of the group box it sits in.
    std::string_view parent;
    int x, y, width, height;
    std::string_view text;
    ControlProperties properties{};
};

struct MenuDescription {
    std::string_view title;
    bool inMenuBar;
    std::vector<std::string_view> items;
};

struct WindowDescription {
    std::string_view title;
    // Outer size of the frame as it is on a Windows desktop; the builder derives the
    // client area from it.
    int outerWidth, outerHeight;
    bool minimiseBox;
    std::vector<ControlRow> controls;
    std::vector<MenuDescription> menus{};
};
