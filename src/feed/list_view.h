// The opportunity list: a report list view whose rows live in a store owned here (the control
// only asks for the cells it draws), so a refresh built elsewhere can replace every row at once.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "text/text.h"

inline constexpr int ListColumnCount = 8;
// Column 7 is hidden (width 0) and keeps the row's whole record.
inline constexpr int RecordColumn = 7;
using ListRow = std::array<Text, ListColumnCount>;

struct ListColumn {
    const char* title;  // GBK
    int width;          // pixels at 96 DPI
};
extern const std::array<ListColumn, ListColumnCount> ListColumns;

inline constexpr int ListRowHeight = 20;  // pixels at 96 DPI, whatever the font

class OpportunityList {
public:
    // Takes the list control created by the window: sets the extended styles.
    void Attach(HWND list, int dpi);
    HWND Handle() const { return list_; }

    // Gives every row the fixed height: the control asks its parent with WM_MEASUREITEM while
    // it briefly has the owner-drawn style; the parent answers with MeasuredRowHeight().
    void ApplyRowHeight();
    int MeasuredRowHeight() const;
    void AddColumns();
    // New DPI: column widths and row height follow (call after the font has been replaced).
    void SetDpi(int dpi);

    // A new row with every cell empty. Empty sorts first, so it goes to the top: index 0.
    int InsertRow();
    void SetCell(int row, int column, const Text& text);
    // The whole text; empty for a row or column that does not exist.
    Text GetCell(int row, int column) const;
    void DeleteAllRows();
    // -1 when no row is selected.
    int SelectedIndex() const;
    // Every row replaced in one step; no row is selected afterwards. Gives back the old rows, so
    // the caller can free them where it costs the window nothing.
    std::vector<ListRow> ReplaceRows(std::vector<ListRow> rows);
    int RowCount() const { return static_cast<int>(rows_.size()); }

    // For the parent's WM_NOTIFY from the list: serves the cells the control draws. Returns
    // true when the notification was a click in the list (the selection has already moved).
    bool OnNotify(const NMHDR& header);

private:
    void SyncItemCount();

    HWND list_ = nullptr;
    int dpi_ = 96;
    bool heightApplied_ = false;
    std::vector<ListRow> rows_;
};
