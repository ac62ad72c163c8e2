// The clipboard this test host offers the module through the WINPORT_ functions it exports, as
// far2l's executable does. Blocks handed out belong to the clipboard: they are poisoned and
// freed when it closes, so a module that keeps one reads garbage.
#pragma once

#include <string>
#include <string_view>

namespace pickwell::far2l_host {

void clipboard_reset();
// A CF_UNICODETEXT block of exactly these UTF-32 units; the clipboard adds its own zero unit
// of slack after them, as the host's allocator does.
void clipboard_put_text(std::u32string_view units);
// A block of any bytes, as another program may leave it.
void clipboard_put_block(unsigned format, std::string_view bytes);
void clipboard_put_named(const std::u32string& format, std::string_view bytes);
// As far2l's FSF.CopyToClipboard: opens the clipboard, empties it, stores `text` with its
// terminator as CF_UNICODETEXT and closes it; false when it cannot be opened.
bool clipboard_copy_text(std::u32string_view text);
// Another user of the clipboard holds it: OpenClipboard fails.
void clipboard_hold_elsewhere(bool held);
// Like the host's text-only clipboards: no named format can be registered.
void clipboard_refuse_named_formats(bool refused);

int clipboard_open_sessions();
int clipboard_times_opened();
int clipboard_registrations_while_closed();

}  // namespace pickwell::far2l_host
