#include "feed/list_view.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "win/dpi.h"
#include "win/gbk.h"

const std::array<ListColumn, ListColumnCount> ListColumns = {{
    {"利润", 50},
    {"A赔率", 50},
    {"B赔率", 50},
    {"A盘口", 80},
    {"B盘口", 80},
    {"比赛球队", 200},
    {"停留时间", 80},
    {" ", 0},
}};

namespace {

// The longest prefix of a GBK text that makes at most maxChars UTF-16 units, cut between
// characters: the control shows only what fits, and a record can be kilobytes long.
std::string_view GbkPrefix(std::string_view gbk, size_t maxChars) {
    size_t bytes = 0;
    for (size_t chars = 0; bytes < gbk.size() && chars < maxChars; ++chars)
        bytes += (static_cast<unsigned char>(gbk[bytes]) >= 0x81 && bytes + 1 < gbk.size()) ? 2 : 1;
    return gbk.substr(0, bytes);
}

}  // namespace

void OpportunityList::Attach(HWND list, int dpi) {
    list_ = list;
    dpi_ = dpi;
    constexpr DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
}

int OpportunityList::MeasuredRowHeight() const { return win::Scale(ListRowHeight, dpi_); }

void OpportunityList::ApplyRowHeight() {
    if (!list_) return;
    // The control measures its rows only while it has the owner-drawn fixed style; the height it
    // was given stays when its own style comes back.
    const LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
    SetWindowLongPtrW(list_, GWL_STYLE, style | LVS_OWNERDRAWFIXED);
    WINDOWPOS pos{};
    pos.hwnd = list_;
    SendMessageW(list_, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    SetWindowLongPtrW(list_, GWL_STYLE, style);
    SendMessageW(list_, LVM_UPDATE, 0, 0);
    heightApplied_ = true;
}

void OpportunityList::AddColumns() {
    for (const ListColumn& column : ListColumns) {
        std::wstring title = WideFromGbk(column.title);
        LVCOLUMNW c{};
        c.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
        c.fmt = LVCFMT_LEFT;
        c.cx = win::Scale(column.width, dpi_);
        c.pszText = title.data();
        const auto count = SendMessageW(reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0)),
                                        HDM_GETITEMCOUNT, 0, 0);
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(std::max<LRESULT>(count, 0)),
                     reinterpret_cast<LPARAM>(&c));
    }
}

void OpportunityList::SetDpi(int dpi) {
    dpi_ = dpi;
    for (int i = 0; i < ListColumnCount; ++i)
        SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                     win::Scale(ListColumns[static_cast<size_t>(i)].width, dpi_));
    // A new font makes the control measure its rows again from the font.
    if (heightApplied_) ApplyRowHeight();
}

void OpportunityList::SyncItemCount() {
    SendMessageW(list_, LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
    InvalidateRect(list_, nullptr, TRUE);
}

int OpportunityList::InsertRow() {
    const int selected = SelectedIndex();
    rows_.insert(rows_.begin(), ListRow{});
    SyncItemCount();
    // The control keeps selection by index; the selected row itself moved down by one.
    if (selected >= 0) {
        LVITEMW off{};
        off.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&off));
        LVITEMW on{};
        on.state = on.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(selected + 1), reinterpret_cast<LPARAM>(&on));
    }
    return 0;
}

void OpportunityList::SetCell(int row, int column, const Text& text) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ListColumnCount) return;
    rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
    SendMessageW(list_, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
}

Text OpportunityList::GetCell(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ListColumnCount) return {};
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void OpportunityList::DeleteAllRows() {
    rows_.clear();
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    SyncItemCount();
}

int OpportunityList::SelectedIndex() const {
    if (!list_) return -1;
    const auto i = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    return i >= 0 && i < RowCount() ? static_cast<int>(i) : -1;
}

std::vector<ListRow> OpportunityList::ReplaceRows(std::vector<ListRow> rows) {
    // As if every row had been deleted and the new ones inserted: nothing selected, scrolled to
    // the top. Only the vectors change hands and the control learns the new count, with redraw
    // off so that it paints once, when redraw comes back on; no row is copied or freed here.
    // (Clearing the selection item by item instead costs time in proportion to the rows.)
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    std::vector<ListRow> old;
    old.swap(rows_);
    rows_.swap(rows);
    SendMessageW(list_, LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, FALSE);
    return old;
}

bool OpportunityList::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != list_) return false;
    if (header.code == LVN_GETDISPINFOW) {
        auto& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            item.pszText[0] = L'\0';
            const Text& cell = GetCell(item.iItem, item.iSubItem);
            const size_t room = static_cast<size_t>(item.cchTextMax) - 1;
            const std::wstring wide = WideFromGbk(GbkPrefix(cell, room));
            const size_t n = std::min(wide.size(), room);
            std::copy_n(wide.data(), n, item.pszText);
            item.pszText[n] = L'\0';
        }
        return false;
    }
    return header.code == NM_CLICK;
}
