#include "host/far2l/texts.h"

#include "platform/far2l/utf32_text.h"

namespace pickwell::far2l {

const WChar* builtin_text(Message id) {
    switch (id) {
        case Message::Ok:
            return U"&OK";
        case Message::Cancel:
            return U"&Cancel";
        case Message::MenuEntry:
            return U"Select files named on the clipboard";
        case Message::ConfigTitle:
            return U"Pickwell settings";
        case Message::SeparatorsLabel:
            return U"&Extra separators:";
        case Message::CaseSensitive:
            return U"Case-&sensitive matching";
        case Message::TrimSpaces:
            return U"&Trim spaces around names";
        case Message::None:
            break;
    }
    return U"Pickwell";
}

const WChar* host_text(const HostContext& host, Message id) {
    const WChar* text = host.get_msg(static_cast<int>(id));
    return text != nullptr ? text : builtin_text(id);
}

const char16_t* HostTexts::text(Message id) {
    std::u16string& slot = converted_.at(static_cast<std::size_t>(id));
    utf16_from_host(host_text(host_, id), slot);
    return slot.c_str();
}

}  // namespace pickwell::far2l
