#include <gtest/gtest.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace marlix {
namespace {

std::vector<unsigned char> versionRecord() {
    wchar_t self[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (n == 0 || n == MAX_PATH)
        return {};
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(self, &ignored);
    std::vector<unsigned char> data(size);
    if (size == 0 || !::GetFileVersionInfoW(self, 0, size, data.data()))
        return {};
    return data;
}

std::wstring versionString(std::vector<unsigned char>& record, const wchar_t* name) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(record.data(), query.c_str(), &value, &length) || length == 0) {
        return L"<missing>";
    }
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(WindowsResources, VersionRecordIs1100InBothForms) {
    std::vector<unsigned char> record = versionRecord();
    ASSERT_FALSE(record.empty());

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(record.data(), L"\\", &value, &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(versionString(record, L"FileVersion"), L"1.1.0.0");
    EXPECT_EQ(versionString(record, L"ProductVersion"), L"1.1.0.0");
    EXPECT_EQ(versionString(record, L"OriginalFilename"), L"marlix.exe");

    // One string block: US English in UTF-16 (code page 1200).
    ASSERT_TRUE(::VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

TEST(WindowsResources, ManifestAsksForCommonControls6InvokerLevelAndDpiAwareness) {
    HMODULE self = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(self, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const char*>(::LockResource(::LoadResource(self, found)));
    ASSERT_NE(bytes, nullptr);
    const std::string manifest(bytes, ::SizeofResource(self, found));
    for (const char* needle :
         {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
          "uiAccess=\"false\"", ">true</dpiAware>", ">PerMonitorV2</dpiAwareness>"}) {
        EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
    }
}

TEST(WindowsResources, AboutEntryTextAndIcon) {
    HMODULE self = ::GetModuleHandleW(nullptr);
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(self, 101, reinterpret_cast<wchar_t*>(&text), 0);
    ASSERT_GT(length, 0);
    EXPECT_EQ(std::wstring(text, length), L"&About Marlix...");
    // The icon Explorer and the taskbar show, with the sizes they pick from.
    HRSRC group =
        ::FindResourceW(self, MAKEINTRESOURCEW(127), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* dir =
        static_cast<const unsigned char*>(::LockResource(::LoadResource(self, group)));
    ASSERT_NE(dir, nullptr);
    std::vector<int> sizes;
    const int count = dir[4] | (dir[5] << 8);
    for (int i = 0; i < count; ++i) sizes.push_back(dir[6 + 14 * i] ? dir[6 + 14 * i] : 256);
    for (int size : {16, 32, 48, 64, 128}) {
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end()) << size;
    }
}

}  // namespace
}  // namespace marlix
