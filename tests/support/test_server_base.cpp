#include "test_server_base.h"

#include "net/endpoints.h"

namespace {
std::string& Base() {
    static std::string base = "http://127.0.0.1";
    return base;
}
}  // namespace

const std::string& ServerBase() { return Base(); }

// Set before the code under test reads it; not meant to change while fetches run.
void SetServerBaseForTest(std::string base) { Base() = std::move(base); }
