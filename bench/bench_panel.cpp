#include "bench_panel.h"

#include <cstdio>

namespace pickwell::bench {
namespace {

std::u16string widen(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string numbered(const char* format, std::size_t number) {
    char text[64];
    std::snprintf(text, sizeof text, format, number);
    return widen(text);
}

}  // namespace

void fill_panel(std::vector<testing::FakeItem>& items, std::size_t count) {
    items.clear();
    for (std::size_t i = 0; i < count; ++i) {
        items.push_back({numbered("Measurement %06zu of the day.csv", i),
                         numbered("MEASUR~%zu.CSV", i), std::nullopt, false});
    }
}

std::u16string names_text(std::size_t count) {
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += i % 2 == 0 ? numbered("MEASUREMENT %06zu OF THE DAY.CSV", i)
                           : numbered("Missing %06zu.csv", i);
        text += u"\r\n";
    }
    return text;
}

}  // namespace pickwell::bench
