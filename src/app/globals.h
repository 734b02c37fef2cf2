// The program's global state. Each text owns its value; storing a new one releases the old.
// The refresh's four entries belong to the refresh worker alone.
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

extern Text FeedText;
extern std::vector<Text> RecordList;
extern int RecordIndex;  // 1-based
extern int CurrentRow;

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
