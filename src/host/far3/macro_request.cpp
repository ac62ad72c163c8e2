#include "host/far3/macro_request.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace pickwell::far3 {
namespace {

char16_t ascii_lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::optional<std::u16string_view> string_of(const FarMacroValue& value) {
    if (value.Type != FMVT_STRING || value.String == nullptr) {
        return std::nullopt;
    }
    return std::u16string_view(value.String);
}

// `lower_word` is in lower case.
bool is_word(const FarMacroValue& value, std::u16string_view lower_word) {
    const std::optional<std::u16string_view> given = string_of(value);
    return given && std::ranges::equal(*given, lower_word,
                                       [](char16_t a, char16_t b) { return ascii_lower(a) == b; });
}

}  // namespace

std::optional<MacroRequest> read_macro_request(const OpenMacroInfo* arguments) {
    if (arguments == nullptr) {
        return MacroRequest{};
    }
    if (arguments->StructSize < sizeof *arguments || arguments->Count > 2 ||
        (arguments->Count > 0 && arguments->Values == nullptr)) {
        return std::nullopt;
    }
    const std::span<const FarMacroValue> values(arguments->Values, arguments->Count);
    if (values.empty()) {
        return MacroRequest{};
    }
    MacroRequest request;
    if (values.size() == 2) {
        const std::optional<std::u16string_view> text = string_of(values[1]);
        if (!text) {
            return std::nullopt;
        }
        request.text.emplace(*text);
    }
    if (is_word(values[0], u"select") && request.text) {
        return request;
    }
    if (is_word(values[0], u"notfound")) {
        request.list_not_found = true;
        return request;
    }
    return std::nullopt;
}

}  // namespace pickwell::far3
