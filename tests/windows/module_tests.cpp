// The module's face to the host: its menu entry and its version record.
#include <windows.h>

#include "host_session.h"

namespace wine_test {
namespace {

WINE_TEST(module_publishes_one_entry_in_both_menus) {
    HostSession session("menus");
    far2::PluginInfo info{};
    plugin().GetPluginInfoW(&info);
    CHECK_EQ(info.StructSize, 80);
    CHECK_EQ(info.PluginMenuStringsNumber, 1);
    CHECK_EQ(info.PluginConfigStringsNumber, 1);
    CHECK(info.PluginMenuStrings == info.PluginConfigStrings);
    CHECK(info.PluginMenuStrings != nullptr &&
          std::u16string_view(info.PluginMenuStrings[0]) == u"m4");
    CHECK_EQ(info.Flags, far2::Dword{0});
    CHECK(info.CommandPrefix == nullptr && info.DiskMenuStringsNumber == 0);
}

std::u16string version_string(const std::vector<char>& data, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), path.c_str(), &text, &length) || length == 0) {
        return u"(missing)";
    }
    return std::u16string(static_cast<const char16_t*>(text));
}

WINE_TEST(module_carries_its_version_record) {
    const std::wstring& path = plugin_path();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    CHECK(size != 0);
    std::vector<char> data(size);
    CHECK(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    CHECK(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    if (fixed != nullptr) {
        CHECK_EQ(fixed->dwFileVersionMS, DWORD{0x0002000A});
        CHECK_EQ(fixed->dwFileVersionLS, DWORD{0});
        CHECK_EQ(fixed->dwProductVersionMS, DWORD{0x0002000A});
        CHECK_EQ(fixed->dwFileType, DWORD{VFT_DLL});
    }
    CHECK_EQ(version_string(data, L"InternalName"), std::u16string(u"Pickwell"));
    CHECK_EQ(version_string(data, L"OriginalFilename"), std::u16string(u"Pickwell.dll"));
}

}  // namespace
}  // namespace wine_test
