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
        case Message::ReportMenuEntry:
            return U"Select files named on the clipboard and list those not found";
        case Message::AllNamesFound:
            return U"All %1 names found";
        case Message::TheNameFound:
            return U"The name was found";
        case Message::ItemsSelected:
            return U"%1 items selected";
        case Message::OneItemSelected:
            return U"1 item selected";
        case Message::NamesNotFound:
            return U"%1 of %2 names not found";
        case Message::TheNameNotFound:
            return U"The name was not found";
        case Message::ListKeys:
            return U"Ctrl+C, Ctrl+Ins: copy the list";
        case Message::MoreNotShown:
            return U"... and %1 more, not shown: Ctrl+C copies them all";
        case Message::NotFilePanel:
            return U"The active panel is not a file panel.";
        case Message::ClipboardHeld:
            return U"Another program holds the clipboard. Try again.";
        case Message::NoNames:
            return U"The clipboard holds no text with names and no copied files.";
        case Message::ListNotCopied:
            return U"The list was not copied: another program holds the clipboard.";
        case Message::ListCopied:
            return U"The list is on the clipboard.";
        case Message::ListCopiedWithout:
            return U"The list is copied, but for %1 names no text can hold.";
        case Message::ListCopiedWithoutOne:
            return U"The list is copied, but for 1 name no text can hold.";
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
