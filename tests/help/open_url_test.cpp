#include "help/open_url.h"

#include <gtest/gtest.h>

#include <string>

#include "win/handles.h"

namespace {

struct ShellCall {
    int count = 0;
    HWND owner = nullptr;
    std::wstring verb;
    std::wstring file;
    bool hasParameters = false;
    bool hasDirectory = false;
    int show = -1;
};
ShellCall g_call;

void RecordShellOpen(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                     const wchar_t* directory, int show) {
    ++g_call.count;
    g_call.owner = owner;
    g_call.verb = verb ? verb : L"(none)";
    g_call.file = file ? file : L"(none)";
    g_call.hasParameters = parameters != nullptr;
    g_call.hasDirectory = directory != nullptr;
    g_call.show = show;
}

class OpenUrlTest : public testing::Test {
protected:
    void SetUp() override {
        g_call = {};
        SetShellOpenForTest(RecordShellOpen);
    }
    void TearDown() override { SetShellOpenForTest(nullptr); }
};

TEST_F(OpenUrlTest, OpensTheExactAddressInANormalWindow) {
    ASSERT_EQ(FindWindowW(nullptr, L"Microsoft Internet Explorer"), nullptr);
    OpenUrl("http://127.0.0.1/足球/?q=让球&x=%20|^");
    EXPECT_EQ(g_call.count, 1);
    EXPECT_EQ(g_call.verb, L"open");
    EXPECT_EQ(g_call.file, L"http://127.0.0.1/\u8db3\u7403/?q=\u8ba9\u7403&x=%20|^");
    EXPECT_FALSE(g_call.hasParameters);
    EXPECT_FALSE(g_call.hasDirectory);
    EXPECT_EQ(g_call.show, SW_SHOWNORMAL);
    EXPECT_EQ(g_call.owner, nullptr);
}

TEST_F(OpenUrlTest, InternetExplorerWindowIsTheOwnerWhileItExists) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvantaOpenUrlTestFrame";
    ASSERT_NE(RegisterClassW(&wc), 0);
    win::UniqueWindow frame(CreateWindowExW(0, wc.lpszClassName, L"Microsoft Internet Explorer",
                                            WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                            wc.hInstance, nullptr));
    ASSERT_NE(frame, nullptr);

    OpenUrl("http://127.0.0.1/");
    EXPECT_EQ(g_call.owner, frame.get());
    EXPECT_EQ(g_call.file, L"http://127.0.0.1/");

    frame.reset();
    OpenUrl("http://127.0.0.1/");
    EXPECT_EQ(g_call.count, 2);
    EXPECT_EQ(g_call.owner, nullptr);
}

}  // namespace
