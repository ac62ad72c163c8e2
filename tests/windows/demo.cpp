#include "demo.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "harness.h"
#include "loaded_module.h"
#include "real_clipboard.h"

namespace wine_test {
namespace {

std::u16string from_utf8(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(wide.data()), length);
    return wide;
}

std::string read_file(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);
    }
    return bytes;
}

// The texts of a language file, by message number: its quoted lines in order.
std::vector<std::u16string> language_texts(const std::wstring& path) {
    std::vector<std::u16string> texts;
    std::istringstream lines(read_file(path));
    for (std::string line; std::getline(lines, line);) {
        line.erase(0, line.find_first_not_of(' '));
        const auto end = line.find_last_of('"');
        if (line.rfind('"', 0) == 0 && end > 0) {
            texts.push_back(from_utf8(line.substr(1, end - 1)));
        }
    }
    return texts;
}

// What a file panel shows for `folder`: the parent entry, then the folder's entries by name.
std::vector<pickwell::testing::FakeItem> folder_items(const std::wstring& folder) {
    std::vector<pickwell::testing::FakeItem> items;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return items;
    }
    do {
        const std::u16string name(reinterpret_cast<const char16_t*>(found.cFileName));
        if (name != u".") {
            items.push_back(
                {name, std::u16string(reinterpret_cast<const char16_t*>(found.cAlternateFileName)),
                 std::nullopt, false});
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a.name != u".." && (b.name == u".." ? false : *a.name < *b.name);
    });
    return items;
}

}  // namespace

int run_demo(const std::wstring& folder, const std::wstring& clipboard_file, DemoCommand command) {
    const std::wstring dll_folder = plugin_path().substr(0, plugin_path().find_last_of(L'\\'));
    const std::vector<std::u16string> texts = language_texts(dll_folder + L"\\PickwellEng.lng");
    const std::vector<pickwell::testing::FakeItem> items = folder_items(windows_path(folder));

    const std::u16string text = from_utf8(read_file(windows_path(clipboard_file)));
    put_on_clipboard({text_block(text)});
    const DemoRun run = command(items, texts);

    std::printf("Menu entry: %s\n", utf8(run.menu_entry).c_str());
    std::printf("Clipboard:\n");
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        std::u16string_view line(text.data() + start, end - start);
        if (line.ends_with(u'\r')) {
            line.remove_suffix(1);
        }
        std::printf("  | %s\n", utf8(line).c_str());
        start = end + 1;
    }

    const auto selected = std::count_if(run.selections.begin(), run.selections.end(),
                                        [](int count) { return count != 0; });
    std::printf("Panel %s: %zu items, %d selected\n",
                utf8(reinterpret_cast<const char16_t*>(windows_path(folder).c_str())).c_str(),
                items.size(), static_cast<int>(selected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::printf("  [%c] %s\n", run.selections[i] != 0 ? 'x' : ' ',
                    utf8(*items[i].name).c_str());
    }
    return run.clean ? 0 : 1;
}

}  // namespace wine_test
