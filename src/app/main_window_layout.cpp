#include "app/main_window_layout.h"

#include <array>

namespace main_window {
namespace {

using win::Align;
using win::ControlKind;
using win::ControlSpec;
using win::Look;
namespace flag = win::flag;

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF DarkGrey = RGB(96, 96, 96);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr int Bold = FW_BOLD;

constexpr Look Plain{};
constexpr Look GreyLeft{.textColor = Grey};
constexpr Look GreyCentred{.textColor = Grey, .align = Align::Center};
constexpr Look RedBoldCentred{.textColor = Red, .fontWeight = Bold, .align = Align::Center};
constexpr Look Handicap{.textColor = Blue, .fontWeight = Bold, .align = Align::Center,
                        .flags = flag::ReportsPress};
constexpr Look BlackLabel{.textColor = Black};
constexpr Look CalcEdit{.fontHeight = 12, .fontWeight = Bold};
constexpr Look CalcResult{.textColor = Red, .face = "微软雅黑", .fontHeight = 12, .fontWeight = Bold};

constexpr auto L = ControlKind::Label;
constexpr auto E = ControlKind::Edit;
constexpr auto B = ControlKind::Button;
constexpr auto R = ControlKind::Radio;
constexpr auto G = ControlKind::GroupBox;

constexpr ControlSpec Table[] = {
    // The detail panel.
    {G, Group1, NoControl, "分组框1", 8, 4, 89, 50, "利 润", Plain},
    {L, Label1, Group1, "标签1", 7, 12, 75, 34, "利润",
     {.textColor = Red, .face = "Arial Black", .fontHeight = 19, .fontWeight = 900,
      .charset = ANSI_CHARSET, .align = Align::Center}},
    {G, Group2, NoControl, "分组框2", 9, 57, 88, 45, "比赛时间", Plain},
    {L, Label2, Group2, "标签2", 2, 14, 78, 24, "xx号xx:xx",
     {.textColor = DarkGrey, .face = "新宋体", .fontHeight = 12, .fontWeight = Bold,
      .align = Align::Center}},
    {G, Group3, NoControl, "分组框3", 102, 5, 341, 96, "体育类别", Plain},
    {E, Edit2, Group3, "编辑框2", 11, 15, 240, 19, "A站比赛队伍", Plain},
    {L, Label3, Group3, "标签3", 12, 35, 232, 16, "A站联赛名称", GreyLeft},
    {B, Button2, Group3, "按钮2", 262, 12, 72, 37, "A站导航", Plain},
    {E, Edit3, NoControl, "编辑框3", 113, 59, 240, 19, "B站比赛队伍", Plain},
    {L, Label4, NoControl, "标签4", 115, 81, 232, 16, "B站联赛名称", GreyLeft},
    {B, Button3, NoControl, "按钮3", 364, 60, 72, 36, "B站导航", Plain},
    {G, Group4, NoControl, "分组框4", 444, 5, 72, 96, "双方赔率", Plain},
    {L, Label6, Group4, "标签6", 9, 22, 53, 24, "A站赔率", RedBoldCentred},
    {L, Label5, Group4, "标签5", 11, 48, 48, 9, "--------", GreyCentred},
    {L, Label7, NoControl, "标签7", 454, 69, 53, 24, "B站赔率", RedBoldCentred},
    {G, Group5, NoControl, "分组框5", 517, 5, 98, 96, "盘口", Plain},
    {L, Label9, NoControl, "标签9", 520, 26, 91, 24, "A站盘口", Handicap},
    {L, Label8, NoControl, "标签8", 539, 53, 48, 9, "--------", GreyCentred},
    {L, Label10, NoControl, "标签10", 520, 67, 91, 24, "B站盘口", Handicap},

    // The bookmaker filter (one radio group), the resize buttons and the list.
    {R, Radio1, NoControl, "单选框1", 14, 110, 72, 16, "显示全部",
     {.flags = flag::GroupStart | flag::Checked}},
    {R, Radio2, NoControl, "单选框2", 89, 111, 72, 16, "BET365", Plain},
    {R, Radio3, NoControl, "单选框3", 154, 111, 62, 16, "大发", Plain},
    {R, Radio4, NoControl, "单选框4", 209, 111, 88, 16, "188金宝博", Plain},
    {R, Radio5, NoControl, "单选框5", 296, 111, 62, 16, "NEWBB", Plain},
    {R, Radio6, NoControl, "单选框6", 360, 111, 62, 16, "利记", Plain},
    {R, Radio7, NoControl, "单选框7", 432, 111, 62, 16, "平博", Plain},
    {B, Button5, NoControl, "按钮5", 560, 109, 20, 20, "+", {.flags = flag::GroupStart}},
    {B, Button6, NoControl, "按钮6", 591, 109, 20, 20, "-", Plain},
    {ControlKind::List, List1, NoControl, "超级列表框1", 7, 133, 604, 150, "",
     {.face = "宋体", .fontHeight = 12, .fontWeight = FW_NORMAL}},

    // The calculator.
    {G, Group6, NoControl, "分组框6", 7, 285, 601, 96, "计算器", Plain},
    {L, Label20, Group6, "标签20", 8, 20, 40, 24, "A反水", BlackLabel},
    {E, Edit8, Group6, "编辑框8", 40, 21, 41, 24, "0", CalcEdit},
    {L, Label18, Group6, "标签18", 86, 21, 40, 24, "A赔率", BlackLabel},
    {E, Edit1, Group6, "编辑框1", 126, 21, 48, 24, "", CalcEdit},
    {L, Label16, Group6, "标签16", 182, 19, 40, 24, "A投注额", BlackLabel},
    {E, Edit5, Group6, "编辑框5", 232, 19, 72, 24, "2000", CalcEdit},
    {L, Label14, Group6, "标签14", 313, 19, 40, 24, "A胜出赢", BlackLabel},
    {L, Label12, Group6, "标签12", 359, 16, 50, 32, "等待计算", CalcResult},
    {B, Button4, Group6, "按钮4", 413, 20, 64, 29, "计算利润", Plain},
    {L, Label19, Group6, "标签19", 8, 60, 48, 24, "B反水", BlackLabel},
    {E, Edit7, Group6, "编辑框7", 40, 60, 41, 24, "0", CalcEdit},
    {L, Label17, Group6, "标签17", 87, 60, 40, 24, "B赔率", BlackLabel},
    {E, Edit4, Group6, "编辑框4", 126, 60, 48, 24, "", CalcEdit},
    {L, Label15, Group6, "标签15", 183, 58, 40, 24, "B投注额", BlackLabel},
    // Read-only edit boxes ask for static colours; this one stays black on white like the others.
    {E, Edit6, Group6, "编辑框6", 231, 59, 72, 24, "等待计算",
     {.textColor = Black, .backColor = White, .fontHeight = 12, .fontWeight = Bold,
      .flags = flag::ReadOnly}},
    {L, Label13, Group6, "标签13", 312, 58, 40, 24, "B胜出赢", BlackLabel},
    {L, Label11, Group6, "标签11", 358, 55, 50, 32, "等待计算", CalcResult},
    {B, Button1, Group6, "按钮1", 413, 56, 64, 29, "翻转赔率", Plain},
};

constexpr MenuItem HelpItems[] = {
    {MenuGuide, "支持网站"},
    {MenuHandicapNotes, "盘口说明"},
    {MenuVideo, "视频教程"},
    {MenuUpdate, "软件更新"},
};

}  // namespace

std::span<const win::ControlSpec> Controls() { return Table; }
std::span<const MenuItem> HelpMenuItems() { return HelpItems; }

}  // namespace main_window
