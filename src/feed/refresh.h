// The feed refresh. Each tick starts a worker thread that fetches the feed, splits, filters and
// builds the complete new rows; the window thread then swaps them into the list in one step, so
// a click sees the old rows or the new ones and never a mixture. The worker never touches a
// control and the window thread never waits for the server.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "feed/list_view.h"

// When the steps of one refresh ended, in QueryPerformanceCounter ticks (0: not reached).
struct RefreshTimes {
    std::int64_t fetchEnd = 0;    // worker: the answer is in
    std::int64_t rowsBuilt = 0;   // worker: split, filtered, rows built
    std::int64_t applyStart = 0;  // window thread: the ready message is being handled
    std::int64_t shown = 0;       // window thread: rows swapped in (painted at the next WM_PAINT)
};

class FeedRefresh {
public:
    FeedRefresh();
    ~FeedRefresh();
    FeedRefresh(const FeedRefresh&) = delete;
    FeedRefresh& operator=(const FeedRefresh&) = delete;

    // Ready rows are announced to window by posting readyMessage (no payload).
    void Attach(HWND window, UINT readyMessage);
    // The window is going: from now on no worker posts to it. Safe to call more than once.
    void WindowGone();

    // Window thread, each tick: starts RefreshFeed on a new thread. A tick that comes while the
    // previous refresh still runs (a slow server) is skipped, so two never overlap. Returns
    // whether a refresh was started.
    bool OnTick();
    // Window thread, on readyMessage: the newest complete rows replace the list's, then the list
    // is painted. Does nothing when no rows wait.
    void ApplyReadyRows(OpportunityList& list);

    // The checked radio button's index (0: show all); a worker reads it once, when its record
    // loop begins.
    void SetFilter(int filter);
    int Filter() const;

    bool Running() const;
    RefreshTimes LastTimes() const;

private:
    struct Shared;
    static DWORD WINAPI ThreadMain(void* parameter);
    static void RefreshFeed(Shared& shared);

    std::shared_ptr<Shared> shared_;
};
