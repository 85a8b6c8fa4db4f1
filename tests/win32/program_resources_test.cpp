// The resources of the built program, read back through Windows' own functions: the version
// information, the manifest and the file icon.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "win32_ui/text_conversion.h"

namespace {

// The program's path, given on the command line as a Linux path under Wine (drive Z: is /).
std::wstring programPath() {
    std::wstring path = win32_ui::toUtf16(PROPORCIA_PROGRAM);
    if (path.starts_with(L"/")) {
        path.insert(0, L"Z:");
    }
    for (wchar_t& character : path) {
        if (character == L'/') {
            character = L'\\';
        }
    }
    return path;
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(programPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cannot open " << PROPORCIA_PROGRAM;
    }
    void TearDown() override {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }

    std::string resource(const wchar_t* type, int id) {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) {
            return {};
        }
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(bytes, SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

std::string versionString(const std::vector<char>& info, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040204B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(info.data(), path.c_str(), &value, &length) == FALSE || length == 0) {
        return "(missing)";
    }
    return win32_ui::toUtf8(std::wstring_view(static_cast<const wchar_t*>(value), length - 1));
}

TEST_F(ProgramResources, VersionInformationIsOneHundredths) {
    const std::wstring path = programPath();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    // "1.00" is the four numbers 1, 0, 0, 0.
    EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed.dwProductVersionLS, 0u);

    EXPECT_EQ(versionString(info, L"FileVersion"), PROPORCIA_VERSION);
    EXPECT_EQ(versionString(info, L"ProductVersion"), PROPORCIA_VERSION);
    EXPECT_EQ(versionString(info, L"ProductName"), PROPORCIA_PRODUCT_NAME);
    EXPECT_EQ(versionString(info, L"OriginalFilename"), "proporcia.exe");
}

TEST_F(ProgramResources, ManifestAsksForPerMonitorDpiAndCommonControls6) {
    const std::string manifest = resource(MAKEINTRESOURCEW(24), 1);  // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find(">PerMonitorV2<"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm<"), std::string::npos);
    EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"),
              std::string::npos);
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width;  // 0 for 256
    BYTE height;
    BYTE colours;  // 0 for 256 colours or more
    BYTE reserved;
    WORD planes;
    WORD bitsPerPixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The file icon: the drawing's 32 x 32 original in 256 colours, and larger sizes for Explorer.
TEST_F(ProgramResources, FileIconHasTheOriginalAndLargerSizes) {
    const std::string group = resource(MAKEINTRESOURCEW(14), 1);  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    const auto count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6 + count * sizeof(IconDirectoryEntry));
    std::vector<std::string> sizes;
    for (WORD i = 0; i < count; ++i) {
        IconDirectoryEntry entry{};
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        const int width = entry.width == 0 ? 256 : entry.width;
        sizes.push_back(std::to_string(width) + " x " + std::to_string(entry.bitsPerPixel));
    }
    EXPECT_EQ(sizes, (std::vector<std::string>{"16 x 4", "32 x 8", "48 x 8", "256 x 32"}));
}

}  // namespace
