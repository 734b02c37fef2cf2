// GuideWindow's controls, sizes and link addresses, at 96 DPI.
#pragma once

#include <span>

#include "win/controls.h"

namespace guide_window {

// Named after the controls of the window's design, which reuse MainWindow's names: Label3 is
// this window's 标签3, Group1 its 分组框1.
enum ControlId : int {
    NoControl = 0,
    Group1 = 100, Label1, Label3,
    Group2, Label2, Label4,
    Group3, Label6, Label5, Label7,
    Group4, Label10, Label9,
    Group5, Label12, Label8,
};

std::span<const win::ControlSpec> Controls();

// The address a link label opens, or nullptr for a control that is not a link. It is a constant
// of its own, not the label's text: some labels show a shorter address than they open.
const char* LinkAddress(int id);

inline constexpr const wchar_t* Title = L"以下站点本金安全有保证";
inline constexpr int OuterWidth = 569;
inline constexpr int OuterHeight = 696;

}  // namespace guide_window
