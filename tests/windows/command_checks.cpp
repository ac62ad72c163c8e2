#include "command_checks.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "harness.h"
#include "plain_rule.h"
#include "real_clipboard.h"
#include "support/block_builders.h"
#include "support/random_panels.h"

namespace wine_test {
namespace {

using V = std::vector<int>;
using Bytes = std::vector<std::byte>;
using pickwell::testing::FakeItem;

void show(CommandSession& session, std::initializer_list<std::u16string> names) {
    session.items().clear();
    for (const auto& name : names) {
        session.items().push_back({name, std::nullopt, std::nullopt, false});
    }
}

// Lines "name-<n>.txt" filling `bytes` bytes of a clipboard text block, written in place so that
// the test itself holds no second copy while the command is measured.
bool put_generated_text(std::size_t bytes, const std::u16string& last_line) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    const std::size_t units = bytes / sizeof(char16_t);
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, units * sizeof(char16_t));
    bool put = false;
    if (block != nullptr) {
        if (auto* text = static_cast<char16_t*>(GlobalLock(block))) {
            std::size_t at = 0;
            const std::size_t room = units - last_line.size() - 1;
            for (std::size_t n = 0;; ++n) {
                const std::string line = "a-rather-long-name-" + std::to_string(n) + ".txt\r\n";
                if (at + line.size() > room) {
                    break;
                }
                for (const char c : line) {
                    text[at++] = static_cast<char16_t>(c);
                }
            }
            std::memcpy(text + at, last_line.c_str(), (last_line.size() + 1) * sizeof(char16_t));
            GlobalUnlock(block);
            put = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
        if (!put) {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return put;
}

std::size_t peak_working_set() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
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

}  // namespace

std::vector<int> run_to_the_end(CommandSession& session) {
    CHECK(session.count_open_handles());
    const std::vector<int> selections = session.run_command();
    CHECK(session.redrew_the_panel());
    CHECK(session.left_nothing_open());
    return selections;
}

void check_system_comparison(CommandSession& session) {
    session.items() = {{u"Straße.txt", std::nullopt, {}, false},
                       {u"\u00E9cole.txt", std::nullopt, {}, false},
                       {u"soft\u00ADhyphen", std::nullopt, {}, false},
                       {u"Long file name.txt", u"LONGFI~1.TXT", {}, false},
                       {u"ПРИВЕТ", std::nullopt, {}, false}};
    const std::u16string text =
        u"STRASSE.TXT\r\ne\u0301cole.txt\r\nsofthyphen\r\nlongfi~1.txt\r\nпривет";
    put_on_clipboard({text_block(text)});
    CHECK_EQ(session.run_command(), (V{1, 1, 1, 1, 1}));

    // With case: only the decomposed accent and the ignored hyphen still compare equal.
    session.store_case_sensitive(1);
    CHECK_EQ(session.run_command(), (V{0, 1, 1, 0, 0}));
}

void check_drop_list(CommandSession& session) {
    const std::u16string deep = u"C:\\" + std::u16string(280, u'd') + u"\\deep.txt";
    show(session, {u"x.txt", u"deep.txt", u"deep", u"C:\\dir\\x.txt"});
    put_on_clipboard({drop_list_block({u"C:\\dir\\x.txt", deep})});
    CHECK_EQ(session.run_command(), (V{1, 1, 0, 1}));

    // On a plug-in panel the whole path is compared.
    session.set_plugin_panel(true);
    CHECK_EQ(session.run_command(), (V{0, 0, 0, 1}));

    // Text wins over a drop list; even empty text.
    session.set_plugin_panel(false);
    put_on_clipboard({drop_list_block({u"C:\\dir\\x.txt"}), text_block(u"deep.txt")});
    CHECK_EQ(session.run_command(), (V{0, 1, 0, 0}));
    put_on_clipboard({drop_list_block({u"C:\\dir\\x.txt"}), text_block(u"")});
    CHECK_EQ(session.run_command(), (V{0, 0, 0, 0}));
}

void check_random_panels(CommandSession& session, Module module) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        pickwell::testing::RandomPanel panel = pickwell::testing::random_panel(seed, 40, 40);
        // A folder's panel starts with its parent entry; a pasted `ls -a` with its names.
        session.items() = {{u"..", u"..", std::nullopt, false}};
        if (seed % 4 == 0) {
            panel.names.insert(panel.names.begin(), {u".", u".."});
        }
        for (const auto& item : panel.items) {
            // An empty short name comes as a null pointer, as the host gives it.
            session.items().push_back(
                {item.name, item.short_name.empty() ? std::nullopt : std::optional(item.short_name),
                 std::nullopt, false});
        }
        std::u16string text;
        for (const auto& name : panel.names) {
            text += name + u"\r\n";
        }
        put_on_clipboard({text_block(text)});
        for (const bool case_sensitive : {false, true}) {
            session.store_case_sensitive(case_sensitive ? 1 : 0);
            const std::vector<int> expected =
                plain_counts(session.items(), panel.names, case_sensitive, module);
            if (!CHECK_EQ(session.run_command(), expected)) {
                fail(__FILE__, __LINE__,
                     "seed " + std::to_string(seed) + (case_sensitive ? " with" : " without") +
                         " case");
                return;
            }
        }
    }
}

void check_ansi_drop_list(CommandSession& session) {
    // An old program's list: one byte per character, in the ANSI code page.
    const char ansi[] = "caf\xE9 menu.txt";
    wchar_t decoded[32];
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, decoded, 32);
    CHECK(length > 1);
    const std::u16string name(reinterpret_cast<const char16_t*>(decoded),
                              static_cast<std::size_t>(length - 1));
    show(session, {name, u"cafe menu.txt", u"other.txt"});
    put_on_clipboard(
        {drop_list_block({u"C:\\old\\caf\u00E9 menu.txt", u"C:\\old\\other.txt"}, false)});
    CHECK_EQ(run_to_the_end(session), (V{1, 0, 1}));
}

void check_drop_list_offsets(CommandSession& session) {
    show(session, {u"x.txt"});
    const Bytes sound = pickwell::testing::drop_block({u"C:\\dir\\x.txt"});
    struct Case {
        const char* what;
        std::uint32_t files_at;
    };
    const Case cases[] = {
        {"well past its end", static_cast<std::uint32_t>(sound.size() + 64)},
        {"at the largest signed offset", 0x7FFFFFFF},
        {"at the largest offset", 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        Bytes block = sound;
        std::memcpy(block.data(), &c.files_at, sizeof c.files_at);
        put_on_clipboard({{CF_HDROP, block}});
        if (!CHECK_EQ(run_to_the_end(session), (V{0}))) {
            std::printf("    in case: offset %s\n", c.what);
        }
    }
    // Too short for its own header.
    put_on_clipboard({{CF_HDROP, Bytes(sound.begin(), sound.begin() + 12)}});
    CHECK_EQ(run_to_the_end(session), (V{0}));
    // The same list with its offset intact is read: only the offsets made the difference.
    put_on_clipboard({{CF_HDROP, sound}});
    CHECK_EQ(run_to_the_end(session), (V{1}));
}

void check_million_items(CommandSession& session) {
    constexpr int kItems = 1'000'000;
    std::vector<FakeItem>& items = session.items();
    items.clear();
    items.reserve(kItems);
    for (int i = 0; i < kItems; ++i) {
        const std::string name = "item-" + std::to_string(i) + ".txt";
        items.push_back(
            {std::u16string(name.begin(), name.end()), std::nullopt, std::nullopt, false});
    }
    put_on_clipboard(
        {text_block(u"item-0.txt\r\nITEM-500000.TXT\r\nitem-999999.txt\r\n"
                    u"item-1000000.txt\r\n")});
    CHECK_EQ(pickwell::testing::indices_selected(run_to_the_end(session)), (V{0, 500000, 999999}));
    CHECK_EQ(session.item_requests(), std::size_t{2 * kItems});
}

void check_huge_text(CommandSession& session) {
    show(session, {u"a-rather-long-name-7.txt", u"the-last.txt", u"absent.txt"});
    constexpr std::size_t kTextBytes = std::size_t{100} << 20;
    CHECK(put_generated_text(kTextBytes, u"the-last.txt"));

    const std::size_t peak_before = peak_working_set();
    CHECK_EQ(run_to_the_end(session), (V{1, 1, 0}));
    const std::size_t growth = peak_working_set() - peak_before;
    std::printf("    peak working set grew by %zu MB for %zu MB of text\n", growth >> 20,
                kTextBytes >> 20);
    // The text copied once, its names and their index: a few bytes per byte of text.
    CHECK(growth <= 6 * kTextBytes);
}

void check_version_record(const std::wstring& dll) {
    const DWORD size = GetFileVersionInfoSizeW(dll.c_str(), nullptr);
    CHECK(size != 0);
    std::vector<char> data(size);
    CHECK(GetFileVersionInfoW(dll.c_str(), 0, size, data.data()));

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

}  // namespace wine_test
