#pragma once
// Test programs link this in place of the build-time server address.
#include <string>

void SetServerBaseForTest(std::string base);
