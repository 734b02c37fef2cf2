#include "win/controls.h"

#include <commctrl.h>

#include <cwchar>
#include <string>

#include "win/dpi.h"
#include "win/gbk.h"
#include "win/messages.h"
#include "win/window_text.h"

namespace win {
namespace {

constexpr UINT_PTR ForwardSubclassId = 1;
constexpr UINT_PTR PressSubclassId = 2;

// A group box is the parent of the controls inside it, so their notifications and colour
// questions reach it first; the window's handlers live on the top-level window.
LRESULT CALLBACK ForwardToRoot(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (const HWND root = GetAncestor(hwnd, GA_ROOT); root && root != hwnd)
            return SendMessageW(root, message, wParam, lParam);
        break;
    case WM_ERASEBKGND: {
        // A group box leaves its inside unpainted; fill it as its parent would.
        const auto dc = reinterpret_cast<HDC>(wParam);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(hwnd)));
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &ForwardToRoot, ForwardSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// A static control reports clicks only on release and only as STN_CLICKED; the program acts on
// the press itself.
LRESULT CALLBACK ReportPress(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the second press of a quick double click
        if (const HWND root = GetAncestor(hwnd, GA_ROOT))
            SendMessageW(root, WM_LABEL_PRESSED, static_cast<WPARAM>(GetDlgCtrlID(hwnd)), 0);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &ReportPress, PressSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle StyleOf(const ControlSpec& row) {
    const unsigned f = row.look.flags;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    if (f & flag::GroupStart) style |= WS_GROUP;
    const bool centred = row.look.align == Align::Center;
    switch (row.kind) {
    case ControlKind::Label:
        style |= SS_NOPREFIX;
        if (f & flag::Wrap) style |= centred ? SS_CENTER : SS_LEFT;
        else style |= SS_CENTERIMAGE | (centred ? SS_CENTER : SS_LEFTNOWORDWRAP);
        // Without SS_NOTIFY a static is transparent to the mouse.
        if (f & flag::ReportsPress) style |= SS_NOTIFY;
        return {WC_STATICW, style, 0};
    case ControlKind::Edit:
        style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        if (f & flag::ReadOnly) style |= ES_READONLY;
        return {WC_EDITW, style, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {WC_BUTTONW, style | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Radio:
        // Checked by ControlSet, by table order: the automatic kind groups by stacking order.
        return {WC_BUTTONW, style | BS_RADIOBUTTON | ((f & flag::GroupStart) ? WS_TABSTOP : 0), 0};
    case ControlKind::GroupBox:
        return {WC_BUTTONW, style | BS_GROUPBOX | WS_CLIPCHILDREN, 0};
    case ControlKind::List:
        return {WC_LISTVIEWW, style | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDATA,
                WS_EX_CLIENTEDGE};
    }
    return {WC_STATICW, style, 0};
}

bool SameFont(const LOGFONTW& a, const LOGFONTW& b) {
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfCharSet == b.lfCharSet &&
           a.lfUnderline == b.lfUnderline && std::wcscmp(a.lfFaceName, b.lfFaceName) == 0;
}

}  // namespace

LOGFONTW FontFor(const Look& look, int dpi) {
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    // The stock font is made for the system DPI.
    const int systemDpi = static_cast<int>(GetDpiForSystem());
    lf.lfHeight = MulDiv(lf.lfHeight, dpi, systemDpi ? systemDpi : DesignDpi);
    const bool given = look.face || look.fontHeight || look.fontWeight;
    if (look.fontHeight) lf.lfHeight = -Scale(look.fontHeight, dpi);
    if (look.fontWeight) lf.lfWeight = look.fontWeight;
    else if (given) lf.lfWeight = FW_NORMAL;
    if (look.face) {
        const std::wstring face = WideFromGbk(look.face);
        std::wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    }
    if (look.charset >= 0) lf.lfCharSet = static_cast<BYTE>(look.charset);
    else if (given) lf.lfCharSet = GB2312_CHARSET;
    lf.lfUnderline = (look.flags & flag::Underline) ? TRUE : FALSE;
    return lf;
}

bool ControlSet::Create(HWND window, std::span<const ControlSpec> rows, int dpi) {
    specs_ = rows;
    dpi_ = dpi;
    entries_.assign(rows.size(), Entry{});
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    bool all = true;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ControlSpec& row = rows[i];
        Entry& entry = entries_[i];
        entry.design = {row.x, row.y, row.x + row.width, row.y + row.height};
        const int parentIndex = row.parent ? IndexOf(row.parent) : -1;
        const HWND parent = parentIndex >= 0 ? entries_[static_cast<size_t>(parentIndex)].hwnd : window;
        const auto [className, style, exStyle] = StyleOf(row);
        entry.hwnd = CreateWindowExW(exStyle, className, WideFromGbk(row.text ? row.text : "").c_str(),
                                     style, Scale(row.x, dpi), Scale(row.y, dpi),
                                     Scale(row.width, dpi), Scale(row.height, dpi), parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                     instance, nullptr);
        if (!entry.hwnd) {
            all = false;
            continue;
        }
        entry.font = FontOf(row.look);
        SendMessageW(entry.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(entry.font), FALSE);
        switch (row.kind) {
        case ControlKind::GroupBox:
            SetWindowSubclass(entry.hwnd, &ForwardToRoot, ForwardSubclassId, 0);
            break;
        case ControlKind::Edit:
            SendMessageW(entry.hwnd, EM_SETLIMITTEXT, 0, 0);  // 0: no limit
            break;
        case ControlKind::Radio:
            if (row.look.flags & flag::Checked) SendMessageW(entry.hwnd, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case ControlKind::Label:
            if (row.look.flags & flag::ReportsPress)
                SetWindowSubclass(entry.hwnd, &ReportPress, PressSubclassId, 0);
            break;
        default:
            break;
        }
    }
    Stack();
    return all;
}

// Where controls overlap, what the user types into or clicks lies on top, labels come next and
// group boxes lie beneath whatever is drawn over their area (an edit box over the end of its
// label, a label over a group box). Within a rank a later row lies on top of an earlier one, so
// a radio button's circle is not covered by the blank end of the one before it.
void ControlSet::Stack() {
    auto rank = [](ControlKind kind) {
        return kind == ControlKind::GroupBox ? 2 : kind == ControlKind::Label ? 1 : 0;
    };
    std::vector<int> parents{0};
    for (const ControlSpec& row : specs_)
        if (row.kind == ControlKind::GroupBox) parents.push_back(row.id);
    for (int parent : parents) {
        HWND above = HWND_TOP;
        for (int r = 0; r <= 2; ++r)
            for (size_t i = specs_.size(); i-- > 0;) {
                if (specs_[i].parent != parent || rank(specs_[i].kind) != r || !entries_[i].hwnd) continue;
                SetWindowPos(entries_[i].hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                above = entries_[i].hwnd;
            }
    }
}

int ControlSet::IndexOf(int id) const {
    for (size_t i = 0; i < specs_.size(); ++i)
        if (specs_[i].id == id) return static_cast<int>(i);
    return -1;
}

const ControlSpec* ControlSet::Row(int id) const {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &specs_[static_cast<size_t>(i)];
}

HWND ControlSet::Get(int id) const {
    const int i = IndexOf(id);
    return i < 0 || static_cast<size_t>(i) >= entries_.size() ? nullptr : entries_[static_cast<size_t>(i)].hwnd;
}

RECT ControlSet::DesignRect(int id) const {
    const int i = IndexOf(id);
    return i < 0 || static_cast<size_t>(i) >= entries_.size() ? RECT{} : entries_[static_cast<size_t>(i)].design;
}

void ControlSet::Move(int id, RECT designRect) {
    const int i = IndexOf(id);
    if (i < 0 || static_cast<size_t>(i) >= entries_.size()) return;
    entries_[static_cast<size_t>(i)].design = designRect;
    Place(static_cast<size_t>(i));
}

void ControlSet::Place(size_t index) {
    const Entry& e = entries_[index];
    if (!e.hwnd) return;
    SetWindowPos(e.hwnd, nullptr, Scale(e.design.left, dpi_), Scale(e.design.top, dpi_),
                 Scale(e.design.right - e.design.left, dpi_), Scale(e.design.bottom - e.design.top, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT ControlSet::FontOf(const Look& look) {
    const LOGFONTW lf = FontFor(look, dpi_);
    for (const auto& [known, font] : fonts_)
        if (SameFont(known, lf)) return font.get();
    fonts_.emplace_back(lf, UniqueFont(CreateFontIndirectW(&lf)));
    return fonts_.back().second.get();
}

void ControlSet::SetDpi(int dpi) {
    dpi_ = dpi;
    // The old fonts stay alive until every control has been given its new one.
    auto old = std::move(fonts_);
    fonts_.clear();
    for (size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        if (!e.hwnd) continue;
        e.font = FontOf(specs_[i].look);
        SendMessageW(e.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(e.font), TRUE);
        Place(i);
    }
}

bool ControlSet::OnCommand(int id, int code) {
    const int index = IndexOf(id);
    if (index < 0 || specs_[static_cast<size_t>(index)].kind != ControlKind::Radio || code != BN_CLICKED)
        return false;
    // The group: the run of radio buttons in the table from the one that starts it.
    auto inGroup = [&](int i) {
        return i >= 0 && static_cast<size_t>(i) < specs_.size() && specs_[static_cast<size_t>(i)].kind == ControlKind::Radio;
    };
    int first = index;
    while (!(specs_[static_cast<size_t>(first)].look.flags & flag::GroupStart) && inGroup(first - 1)) --first;
    for (int i = first; inGroup(i) && (i == first || !(specs_[static_cast<size_t>(i)].look.flags & flag::GroupStart)); ++i)
        if (const HWND h = entries_[static_cast<size_t>(i)].hwnd)
            SendMessageW(h, BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
}

HBRUSH ControlSet::ColorStatic(HDC dc, HWND control) {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].hwnd != control) continue;
        const Look& look = specs_[i].look;
        if (look.textColor == NoColor && look.backColor == NoColor) return nullptr;
        SetTextColor(dc, look.textColor != NoColor ? look.textColor : GetSysColor(COLOR_WINDOWTEXT));
        if (look.backColor == NoColor) {
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return GetSysColorBrush(COLOR_BTNFACE);
        }
        SetBkColor(dc, look.backColor);
        for (const auto& [color, brush] : brushes_)
            if (color == look.backColor) return brush.get();
        brushes_.emplace_back(look.backColor, UniqueBrush(CreateSolidBrush(look.backColor)));
        return brushes_.back().second.get();
    }
    return nullptr;
}

}  // namespace win
