#include "scripted_host.h"

namespace pickwell::testing {

const char16_t* ScriptedTexts::message_text(int id) {
    static const char16_t* const texts[] = {u"m0", u"m1", u"m2", u"m3", u"m4",
                                            u"m5", u"m6", u"m7", u"m8"};
    return id >= 0 && id < 9 ? texts[id] : u"?";
}

const char16_t* ScriptedTexts::text_of(int id) const {
    if (id >= 0 && static_cast<std::size_t>(id) < messages.size()) {
        return messages[static_cast<std::size_t>(id)].c_str();
    }
    return message_text(id);
}

std::size_t text_bytes(const std::optional<std::u16string>& text) {
    return text ? (text->size() + 1) * sizeof(char16_t) : 0;
}

std::vector<int> indices_selected(const std::vector<int>& selections) {
    std::vector<int> indices;
    for (std::size_t i = 0; i < selections.size(); ++i) {
        if (selections[i] != 0) {
            indices.push_back(static_cast<int>(i));
        }
    }
    return indices;
}

}  // namespace pickwell::testing
