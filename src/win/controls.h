// A window's controls described as a table at 96 DPI and created by one loop. The same table
// places the controls again when the DPI changes, answers the colour messages of labels, and
// lets tests walk every control.
#pragma once

#include <windows.h>

#include <span>
#include <utility>
#include <vector>

#include "text/text.h"
#include "win/handles.h"

namespace win {

enum class ControlKind { Label, Edit, Button, Radio, GroupBox, List };
enum class Align { Left, Center };

namespace flag {
inline constexpr unsigned ReadOnly = 1u << 0;      // edit box
inline constexpr unsigned Wrap = 1u << 1;          // label: several lines, from the top
inline constexpr unsigned ReportsPress = 1u << 2;  // label: left press -> WM_LABEL_PRESSED
inline constexpr unsigned GroupStart = 1u << 3;    // first control of a radio group
inline constexpr unsigned Checked = 1u << 4;       // radio button
inline constexpr unsigned Underline = 1u << 5;     // font
}  // namespace flag

inline constexpr COLORREF NoColor = CLR_INVALID;

struct Look {
    COLORREF textColor = NoColor;  // NoColor: the system's
    COLORREF backColor = NoColor;  // NoColor: the default dialog background
    const char* face = nullptr;    // GBK; null: the default GUI font's face
    int fontHeight = 0;            // character height in pixels at 96 DPI; 0: the default's
    int fontWeight = 0;            // 0: the default's
    int charset = -1;              // -1: GB2312 when any font attribute is given, else the default's
    Align align = Align::Left;
    unsigned flags = 0;
};

struct ControlSpec {
    ControlKind kind;
    int id;          // control ID, unique within the window
    int parent;      // ID of the group box that holds it; 0 for the window itself
    const char* name;
    int x, y, width, height;  // at 96 DPI, relative to the parent
    const char* text;         // GBK
    Look look;
};

// The font a control of this look gets, at 96 DPI (tests compare against it).
LOGFONTW FontFor(const Look& look, int dpi);

class ControlSet {
public:
    // Creates every control of the table, in order, as children of window (or of their group
    // box). Returns false when any control could not be created; the others still exist.
    bool Create(HWND window, std::span<const ControlSpec> rows, int dpi);

    std::span<const ControlSpec> Rows() const { return specs_; }
    const ControlSpec* Row(int id) const;
    HWND Get(int id) const;

    // The control's place at 96 DPI; moving keeps it across DPI changes.
    RECT DesignRect(int id) const;
    void Move(int id, RECT designRect);

    // Fonts rebuilt and every control placed again for the new DPI.
    void SetDpi(int dpi);
    int Dpi() const { return dpi_; }

    // For the window's WM_COMMAND: a click on a radio button checks it and unchecks the rest of
    // its group. Returns true when the command was such a click.
    bool OnCommand(int id, int code);

    // The answer to WM_CTLCOLORSTATIC for a control with a colour of its own; nullptr when the
    // control has none and the default answer applies.
    HBRUSH ColorStatic(HDC dc, HWND control);

private:
    struct Entry {
        HWND hwnd = nullptr;
        RECT design{};
        HFONT font = nullptr;  // owned by fonts_
    };
    int IndexOf(int id) const;
    void Stack();
    HFONT FontOf(const Look& look);
    void Place(size_t index);

    std::span<const ControlSpec> specs_;
    std::vector<Entry> entries_;
    std::vector<std::pair<LOGFONTW, UniqueFont>> fonts_;
    std::vector<std::pair<COLORREF, UniqueBrush>> brushes_;
    int dpi_ = 96;
};

}  // namespace win
