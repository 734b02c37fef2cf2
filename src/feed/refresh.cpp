#include "feed/refresh.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "feed/feed_rows.h"
#include "net/endpoints.h"
#include "net/fetch_text.h"

static_assert(std::is_same_v<FeedRow, ListRow>, "the worker builds exactly the list's rows");

namespace {
std::int64_t Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}
// Freeing the old rows (hundreds of thousands of strings) would hold the window thread for
// milliseconds; a short thread of its own does it instead.
DWORD WINAPI ReleaseRowsThread(void* parameter) {
    delete static_cast<std::vector<ListRow>*>(parameter);
    return 0;
}

void ReleaseInBackground(std::vector<ListRow> rows) {
    if (rows.empty()) return;
    auto* parcel = new std::vector<ListRow>(std::move(rows));
    const HANDLE thread = CreateThread(nullptr, 0, &ReleaseRowsThread, parcel, 0, nullptr);
    if (thread) CloseHandle(thread);
    else delete parcel;  // no thread: freed here, later than the swap at least
}

}  // namespace

// Owned jointly by the window's FeedRefresh and the running worker: a worker still blocked in a
// fetch when the window (or the whole program) goes keeps it alive until it returns, so nothing
// it uses is released under it.
struct FeedRefresh::Shared {
    // Touched only by the one refresh that runs; the running flag hands it from one to the next.
    FeedState state;
    std::atomic<bool> running{false};
    std::atomic<int> filter{ShowAllFilter};

    // The window thread and the worker meet here only.
    std::mutex lock;
    HWND window = nullptr;  // nullptr once the window is going
    UINT readyMessage = 0;
    std::optional<std::vector<ListRow>> ready;  // the newest rows not yet shown
    RefreshTimes pendingTimes;
    RefreshTimes lastTimes;
};

FeedRefresh::FeedRefresh() : shared_(std::make_shared<Shared>()) {}

FeedRefresh::~FeedRefresh() { WindowGone(); }

void FeedRefresh::Attach(HWND window, UINT readyMessage) {
    std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->window = window;
    shared_->readyMessage = readyMessage;
}

void FeedRefresh::WindowGone() {
    std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->window = nullptr;
    shared_->ready.reset();
}

void FeedRefresh::SetFilter(int filter) { shared_->filter.store(filter); }
int FeedRefresh::Filter() const { return shared_->filter.load(); }
bool FeedRefresh::Running() const { return shared_->running.load(); }

RefreshTimes FeedRefresh::LastTimes() const {
    std::lock_guard<std::mutex> guard(shared_->lock);
    return shared_->lastTimes;
}

bool FeedRefresh::OnTick() {
    if (shared_->running.exchange(true)) return false;
    // The thread owns a reference of its own, released when it ends.
    auto* parameter = new std::shared_ptr<Shared>(shared_);
    const HANDLE thread = CreateThread(nullptr, 0, &ThreadMain, parameter, 0, nullptr);
    if (!thread) {
        // This tick's refresh is lost; the next tick tries again.
        delete parameter;
        shared_->running.store(false);
        return false;
    }
    CloseHandle(thread);
    return true;
}

DWORD WINAPI FeedRefresh::ThreadMain(void* parameter) {
    const std::unique_ptr<std::shared_ptr<Shared>> shared(static_cast<std::shared_ptr<Shared>*>(parameter));
    RefreshFeed(**shared);
    return 0;
}

void FeedRefresh::RefreshFeed(Shared& shared) {
    Text fetched = FetchText(ServerBase() + FeedPath);
    RefreshTimes times;
    times.fetchEnd = Now();
    std::optional<std::vector<ListRow>> rows = ApplyFeed(shared.state, std::move(fetched), shared.filter.load());
    times.rowsBuilt = Now();
    if (rows) {
        std::lock_guard<std::mutex> guard(shared.lock);
        if (shared.window) {
            // Rows still waiting from an earlier refresh are older than these: dropped.
            shared.ready = std::move(rows);
            shared.pendingTimes = times;
            // Should the post fail, the rows wait for the next refresh's message.
            PostMessageW(shared.window, shared.readyMessage, 0, 0);
        }
    }
    // Whatever is dropped here (rows for a window that has gone) is freed before the next
    // refresh may start.
    rows.reset();
    shared.running.store(false);
}

void FeedRefresh::ApplyReadyRows(OpportunityList& list) {
    const std::int64_t start = Now();
    std::optional<std::vector<ListRow>> rows;
    RefreshTimes times;
    {
        std::lock_guard<std::mutex> guard(shared_->lock);
        rows.swap(shared_->ready);
        times = shared_->pendingTimes;
    }
    if (!rows) return;
    std::vector<ListRow> old = list.ReplaceRows(std::move(*rows));
    times.applyStart = start;
    times.shown = Now();
    {
        std::lock_guard<std::mutex> guard(shared_->lock);
        shared_->lastTimes = times;
    }
    ReleaseInBackground(std::move(old));
}
