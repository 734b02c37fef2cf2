// The program's global state. Each text owns its value; storing a new one releases the old.
// The refresh's FeedText, RecordList, RecordIndex and CurrentRow are not here: they live in the
// refresh's own state (FeedState, feed/feed_rows.h), owned jointly with its worker and released
// when the last of the two lets go, so a worker still fetching at exit never loses them.
#pragma once

#include <vector>

#include "text/text.h"

namespace globals {

extern Text SelectedRecord;
extern Text FirstLinkName;
extern Text LinkMapText;
extern Text FirstLinkUrl;
extern Text SecondLinkName;
extern Text SecondLinkUrl;
extern Text HandicapNote1;
extern Text HandicapNote2;
extern Text BrowserPath;

}  // namespace globals

// Releases every global once, after the message loop has ended; later calls do nothing.
void ReleaseGlobals();

// Runs ReleaseGlobals when it goes out of scope, unless dismissed (the start-up failure path).
class ReleaseGlobalsAtExit {
public:
    ReleaseGlobalsAtExit() = default;
    ReleaseGlobalsAtExit(const ReleaseGlobalsAtExit&) = delete;
    ReleaseGlobalsAtExit& operator=(const ReleaseGlobalsAtExit&) = delete;
    ~ReleaseGlobalsAtExit() {
        if (armed_) ReleaseGlobals();
    }
    void Dismiss() { armed_ = false; }

private:
    bool armed_ = true;
};
