#include "ui/main_window_description.hpp"

#include <array>

namespace {

constexpr ControlProperties displayBox(Colour colour) {
    ControlProperties p;
    p.multiLine = true;
    p.readOnly = true;
    p.verticalScrollBar = true;
    p.sunkenBorder = true;
    p.textColour = colour;
    p.backgroundColour = rgb(255, 255, 255);
    p.fontFace = "微软雅黑";
    p.fontPixels = 16;
    return p;
}

constexpr ControlProperties answerBox() {
    ControlProperties p = displayBox(rgb(255, 80, 128));
    p.readOnly = false;
    p.bold = true;
    p.hideSelectionWithoutFocus = true;
    return p;
}

constexpr ControlProperties questionLabel() {
    ControlProperties p;
    p.fontFace = "微软雅黑";
    p.fontPixels = 19;
    p.bold = true;
    return p;
}

// The word grid as it stands on the window, row by row.
constexpr int gridLeft[] = {37, 149, 261, 373, 485};
constexpr int gridTop[] = {296, 328, 360, 392, 424, 456};
constexpr std::array<std::array<std::string_view, 5>, 6> gridNames{{
    {"按钮7", "按钮32", "按钮31", "按钮30", "按钮29"},
    {"按钮28", "按钮27", "按钮26", "按钮25", "按钮24"},
    {"按钮23", "按钮22", "按钮21", "按钮20", "按钮19"},
    {"按钮18", "按钮17", "按钮16", "按钮15", "按钮14"},
    {"按钮13", "按钮12", "按钮11", "按钮10", "按钮9"},
    {"按钮8", "按钮33", "按钮35", "按钮36", "按钮34"},
}};

WindowDescription build() {
    WindowDescription d{
        "Venlorin",
        643,
        564,
        true,
        {
            {"标签3", ControlKind::label, "", 104, 1, 216, 24, ""},
            {"标签2", ControlKind::label, "", 292, 1, 340, 24, ""},
            {"标签1", ControlKind::label, "", 8, 32, 86, 48, "当前题目:", questionLabel()},
            {"编辑框1", ControlKind::editBox, "", 104, 32, 512, 64, "", displayBox(rgb(0, 128, 0))},
            {"编辑框3", ControlKind::editBox, "", 104, 98, 512, 74, "", answerBox()},
            {"按钮5", ControlKind::button, "", 9, 112, 80, 40, "提交"},
            {"编辑框2", ControlKind::editBox, "", 104, 176, 512, 76, "", displayBox(rgb(128, 0, 128))},
            {"按钮6", ControlKind::button, "", 9, 184, 81, 40, "显示答案"},
            {"按钮37", ControlKind::button, "", 38, 256, 93, 32, "初始化单词点阵"},
            {"按钮1", ControlKind::button, "", 130, 256, 54, 32, "上一题"},
            {"超级链接框1", ControlKind::linkButton, "", 185, 257, 56, 30, "朗 读"},
            {"按钮2", ControlKind::button, "", 242, 256, 62, 32, "下一题"},
            {"按钮3", ControlKind::button, "", 303, 256, 57, 32, "上一章"},
            {"按钮4", ControlKind::button, "", 359, 256, 59, 32, "下一章"},
            {"按钮38", ControlKind::button, "", 417, 256, 79, 32, "隐藏点阵图"},
            {"组合框1", ControlKind::comboBox, "", 497, 264, 79, 20, ""},
            {"超级链接框2", ControlKind::linkButton, "", 575, 264, 40, 20, "GO"},
        },
        {
            {"编辑框右键", false, {"语音朗读", "剪切", "复制", "删除", "粘贴", "全选"}},
            {"开始", true, {"关于语音合成", "个人设置", "热键注册", "关于", "退出"}},
        },
    };
    for (std::size_t row = 0; row < gridNames.size(); ++row) {
        for (std::size_t column = 0; column < gridNames[row].size(); ++column) {
            d.controls.push_back({gridNames[row][column], ControlKind::button, "", gridLeft[column],
                                  gridTop[row], 112, 32, ""});
        }
    }
    d.controls.push_back({"分组框1", ControlKind::groupBox, "", 0, 484, 640, 31, ""});
    d.controls.push_back({"状态条", ControlKind::label, "分组框1", 8, 11, 624, 16, ""});
    return d;
}

} // namespace

const WindowDescription& mainWindowDescription() {
    static const WindowDescription description = build();
    return description;
}
