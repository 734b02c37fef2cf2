#include "app/globals.h"

#include <utility>

namespace globals {

Text SelectedRecord;
Text FirstLinkName;
Text LinkMapText;
Text FirstLinkUrl;
Text SecondLinkName;
Text SecondLinkUrl;
Text HandicapNote1;
Text HandicapNote2;
Text BrowserPath;

}  // namespace globals

namespace {
bool released = false;

template <class T>
void Release(T& value) {
    T().swap(value);  // gives the memory back, not only the length
}
}  // namespace

void ReleaseGlobals() {
    if (released) return;
    released = true;
    using namespace globals;
    Release(SelectedRecord);
    Release(FirstLinkName);
    Release(LinkMapText);
    Release(FirstLinkUrl);
    Release(SecondLinkName);
    Release(SecondLinkUrl);
    Release(HandicapNote1);
    Release(HandicapNote2);
    Release(BrowserPath);
}
