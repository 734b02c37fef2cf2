// The resources linked into the program, read back from this test program, which links the
// same object library: icon group, manifest and version information.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "res_build.h"
#include "resource_ids.h"

namespace {

std::vector<std::uint8_t> resource_bytes(LPCWSTR name, LPCWSTR type) {
  HRSRC found = FindResourceW(nullptr, name, type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (data == nullptr) return {};
  return {data, data + SizeofResource(nullptr, found)};
}

unsigned u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b.at(at) | (b.at(at + 1) << 8);
}
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return u16(b, at) | (u16(b, at + 2) << 16);
}

// GRPICONDIR: reserved, type, count, then 14-byte entries ending in the RT_ICON id.
TEST(Resources, IconGroupHoldsTheFiveThirtyTwoBitSizes) {
  const auto group = resource_bytes(MAKEINTRESOURCEW(IDI_CORVANTA), RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6u) << "no icon group " << IDI_CORVANTA;
  EXPECT_EQ(u16(group, 2), 1u);
  ASSERT_EQ(u16(group, 4), 5u);
  ASSERT_EQ(group.size(), 6u + 14u * 5u);
  std::set<int> sizes;
  for (std::size_t e = 6; e < group.size(); e += 14) {
    const int size = group[e] == 0 ? 256 : group[e];
    SCOPED_TRACE(std::to_string(size) + " px");
    sizes.insert(size);
    EXPECT_EQ(group[e + 1], group[e]);
    EXPECT_EQ(u16(group, e + 6), 32u) << "bits per pixel";
    // The image itself: a DIB whose header agrees with the group entry.
    const auto image = resource_bytes(MAKEINTRESOURCEW(u16(group, e + 12)), RT_ICON);
    ASSERT_EQ(image.size(), u32(group, e + 8));
    EXPECT_EQ(u32(image, 0), 40u);
    EXPECT_EQ(static_cast<int>(u32(image, 4)), size);
    EXPECT_EQ(u16(image, 14), 32u);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 64, 128}));
}

TEST(Resources, IconLoadsAtSmallAndLargeSize) {
  for (int size : {16, 128}) {
    SCOPED_TRACE(std::to_string(size) + " px");
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                               MAKEINTRESOURCEW(IDI_CORVANTA), IMAGE_ICON, size,
                                               size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    ASSERT_NE(info.hbmColor, nullptr);
    ASSERT_TRUE(GetObjectW(info.hbmColor, sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

// Without the manifest's dependency the window classes come from Common Controls 5, whose
// buttons know nothing of command links and their notes. (Wine's version 6 library reports 5.81
// from DllGetVersion, so the version number proves nothing there.)
TEST(Resources, ManifestSelectsCommonControlsSix) {
  const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&init));
  HWND button = CreateWindowExW(0, L"BUTTON", L"link", WS_POPUP | BS_COMMANDLINK, 0, 0, 200, 50,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(SendMessageW(button, BCM_SETNOTE, 0, reinterpret_cast<LPARAM>(L"note")));
  EXPECT_EQ(SendMessageW(button, BCM_GETNOTELENGTH, 0, 0), 4);
  DestroyWindow(button);
}

TEST(Resources, ManifestDeclaresPerMonitorDpiAwareness) {
  wchar_t value[64] = {};
  SIZE_T written = 0;
  ASSERT_TRUE(QueryActCtxSettingsW(0, nullptr,
                                   L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                   L"dpiAwareness", value, ARRAYSIZE(value), &written));
  EXPECT_STREQ(value, L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);
}

std::wstring widen(const char* ascii) { return {ascii, ascii + std::strlen(ascii)}; }

TEST(Resources, VersionResourceNamesTheProductAndItsVersion) {
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  const DWORD size = GetFileVersionInfoSizeW(path, nullptr);
  ASSERT_GT(size, 0u);
  std::vector<std::uint8_t> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, info.data()));

  struct Translation {
    WORD language, code_page;
  };
  Translation* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, sizeof(Translation));
  wchar_t prefix[64];
  swprintf(prefix, ARRAYSIZE(prefix), L"\\StringFileInfo\\%04x%04x\\", translation->language,
           translation->code_page);

  const struct {
    const wchar_t* key;
    std::wstring expected;
  } cases[] = {{L"ProductName", L"Corvanta"},
               {L"ProductVersion", widen(CORVANTA_VERSION_TEXT)},
               {L"FileVersion", widen(CORVANTA_VERSION_TEXT)},
               {L"OriginalFilename", L"corvanta.exe"}};
  for (const auto& c : cases) {
    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), (std::wstring(prefix) + c.key).c_str(),
                               reinterpret_cast<void**>(&text), &length))
        << "no " << std::string(c.key, c.key + wcslen(c.key));
    EXPECT_EQ(std::wstring(text), c.expected);
  }

  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS,
            static_cast<DWORD>(MAKELONG(CORVANTA_VERSION_MINOR, CORVANTA_VERSION_MAJOR)));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, CORVANTA_VERSION_PATCH)));
}

}  // namespace
