// MainWindow's controls, menu and sizes, at 96 DPI.
#pragma once

#include <span>

#include "win/controls.h"

namespace main_window {

// Named after the controls of the window's design: Edit5 is 编辑框5, Label6 is 标签6,
// Radio1 is 单选框1, Group6 is 分组框6, Button4 is 按钮4, List1 is 超级列表框1.
enum ControlId : int {
    NoControl = 0,
    Group1 = 100, Label1, Group2, Label2,
    Group3, Edit2, Label3, Button2, Edit3, Label4, Button3,
    Group4, Label6, Label5, Label7,
    Group5, Label9, Label8, Label10,
    Radio1, Radio2, Radio3, Radio4, Radio5, Radio6, Radio7,
    Button5, Button6, List1,
    Group6, Label20, Edit8, Label18, Edit1, Label16, Edit5, Label14, Label12, Button4,
    Label19, Edit7, Label17, Edit4, Label15, Edit6, Label13, Label11, Button1,
};

// The items of HelpMenu, in menu order.
enum MenuId : int {
    MenuGuide = 300,      // 支持网站
    MenuHandicapNotes,    // 盘口说明
    MenuVideo,            // 视频教程: does nothing
    MenuUpdate,           // 软件更新
};

struct MenuItem {
    MenuId id;
    const char* caption;  // GBK
};
inline constexpr const char* HelpMenuCaption = "说明帮助";
std::span<const MenuItem> HelpMenuItems();

std::span<const win::ControlSpec> Controls();

inline constexpr const wchar_t* Title = L"Corvanta";
inline constexpr int OuterWidth = 625;   // frame, caption and menu bar included
inline constexpr int OuterHeight = 438;
inline constexpr int ResizeStep = 60;    // the "+" and "-" buttons

}  // namespace main_window
