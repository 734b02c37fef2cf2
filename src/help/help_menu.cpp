#include "help/help_menu.h"

#include <string>

#include "app/main_window.h"
#include "help/guide_window.h"
#include "help/open_url.h"
#include "net/endpoints.h"
#include "net/fetch_text.h"

namespace {
constexpr const char* HandicapNotesTitle = "盘口说明";
}

void ShowSiteGuide(MainWindow& window) {
    window.SetAlwaysOnTop(false);
    ShowGuideWindow(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window.Handle(), GWLP_HINSTANCE)));
}

void ShowHandicapNotes(MainWindow& window) {
    // The fetch blocks; the window is already out of the always-on-top layer while it runs.
    window.ShowNoticeFrom(
        [] { return ReplaceSubtext(FetchText(ServerBase() + HandicapNotesPath), "|", "\r\n"); },
        HandicapNotesTitle);
}

void OpenUpdatePage() { OpenUrl(ServerBase() + HomePath); }
