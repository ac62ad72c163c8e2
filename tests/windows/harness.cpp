#include "harness.h"

#include <cstdio>

namespace wine_test {
namespace {

struct Case {
    const char* name;
    Body body;
};

std::vector<Case>& cases() {
    static std::vector<Case> all;
    return all;
}

int failures_in_case = 0;

}  // namespace

Registration::Registration(const char* name, Body body) {
    cases().push_back({name, body});
}

void fail(const char* file, int line, const std::string& message) {
    ++failures_in_case;
    std::printf("  %s:%d: %s\n", file, line, message.c_str());
}

std::string utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
            out += escaped;
        } else if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

int run(const std::vector<std::string>& filters) {
    int passed = 0;
    int failed = 0;
    for (const Case& test : cases()) {
        bool wanted = filters.empty();
        for (const auto& filter : filters) {
            wanted = wanted || std::string_view(test.name).starts_with(filter);
        }
        if (!wanted) {
            continue;
        }
        failures_in_case = 0;
        test.body();
        std::printf("[%s] %s\n", failures_in_case == 0 ? " OK " : "FAIL", test.name);
        std::fflush(stdout);
        ++(failures_in_case == 0 ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}

}  // namespace wine_test
