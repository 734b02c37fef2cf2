// Message pumping for GUI tests: dispatch until a condition holds, with a deadline.
#pragma once

#include <chrono>
#include <functional>

namespace gui {

using namespace std::chrono_literals;

// Dispatches this thread's messages (with the program's own Esc handling) until done() is true
// or the timeout passes. Returns done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 5s);
// Dispatches what is queued now.
void PumpPending();

}  // namespace gui
