#include "clipboard.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace pickwell::far2l_host {
namespace {

constexpr unsigned kUnicodeText = 13;
constexpr unsigned kFirstNamedFormat = 0xC000;

struct Handed {
    void* data;
    std::size_t size;
};

struct ClipboardState {
    std::map<unsigned, std::string> blocks;
    std::map<std::u32string, unsigned> names;
    std::vector<Handed> handed;  // blocks given out during the open session
    bool held_elsewhere = false;
    bool named_refused = false;
    int open = 0;
    int times_opened = 0;
    int registrations_while_closed = 0;
};

ClipboardState& state() {
    static ClipboardState clipboard;
    return clipboard;
}

unsigned format_named(const std::u32string& name) {
    ClipboardState& s = state();
    const auto [at, added] =
        s.names.try_emplace(name, kFirstNamedFormat + static_cast<unsigned>(s.names.size()));
    return at->second;
}

}  // namespace

void clipboard_reset() {
    ClipboardState& s = state();
    s.blocks.clear();
    s.held_elsewhere = false;
    s.named_refused = false;
    s.times_opened = 0;
    s.registrations_while_closed = 0;
}

void clipboard_put_text(std::u32string_view units) {
    clipboard_put_block(kUnicodeText, {reinterpret_cast<const char*>(units.data()),
                                       units.size() * sizeof(char32_t)});
}

void clipboard_put_block(unsigned format, std::string_view bytes) {
    state().blocks[format] = std::string(bytes);
}

void clipboard_put_named(const std::u32string& format, std::string_view bytes) {
    state().blocks[format_named(format)] = std::string(bytes);
}

bool clipboard_copy_text(std::u32string_view text) {
    ClipboardState& s = state();
    if (s.held_elsewhere || s.open != 0) {
        return false;
    }
    s.blocks.clear();
    clipboard_put_text(std::u32string(text) + U'\0');
    return true;
}

void clipboard_hold_elsewhere(bool held) {
    state().held_elsewhere = held;
}

void clipboard_refuse_named_formats(bool refused) {
    state().named_refused = refused;
}

int clipboard_open_sessions() {
    return state().open;
}

int clipboard_times_opened() {
    return state().times_opened;
}

int clipboard_registrations_while_closed() {
    return state().registrations_while_closed;
}

}  // namespace pickwell::far2l_host

using pickwell::far2l_host::state;

#define WINPORT_EXPORT extern "C" __attribute__((visibility("default")))

WINPORT_EXPORT int WINPORT_OpenClipboard(void* /*reserved*/) {
    auto& s = state();
    if (s.held_elsewhere || s.open != 0) {
        return 0;
    }
    ++s.open;
    ++s.times_opened;
    return 1;
}

WINPORT_EXPORT int WINPORT_CloseClipboard() {
    auto& s = state();
    if (s.open == 0) {
        return 0;
    }
    for (const auto& handed : s.handed) {
        std::memset(handed.data, 0xA5, handed.size);
        std::free(handed.data);
    }
    s.handed.clear();
    --s.open;
    return 1;
}

WINPORT_EXPORT unsigned WINPORT_RegisterClipboardFormat(const wchar_t* name) {
    auto& s = state();
    if (s.open == 0) {
        ++s.registrations_while_closed;
        return 0;  // the host's file clipboard knows formats only while open
    }
    if (s.named_refused || name == nullptr) {
        return 0;
    }
    return pickwell::far2l_host::format_named(reinterpret_cast<const char32_t*>(name));
}

WINPORT_EXPORT void* WINPORT_GetClipboardData(unsigned format) {
    auto& s = state();
    const auto block = s.blocks.find(format);
    if (s.open == 0 || block == s.blocks.end()) {
        return nullptr;
    }
    // A copy of its own, with one zero unit of slack, valid until the clipboard closes.
    const std::size_t size = block->second.size();
    void* data = std::calloc(size + sizeof(char32_t), 1);
    std::memcpy(data, block->second.data(), size);
    s.handed.push_back({data, size});
    return data;
}

WINPORT_EXPORT std::size_t WINPORT_ClipboardSize(void* data) {
    for (const auto& handed : state().handed) {
        if (handed.data == data) {
            return handed.size;
        }
    }
    return 0;
}
