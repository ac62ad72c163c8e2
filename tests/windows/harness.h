// A small test runner for the Windows test host: cases register themselves, checks record
// failures and the run ends with "N passed, N failed".
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace wine_test {

using Body = void (*)();

struct Registration {
    Registration(const char* name, Body body);
};

// Runs the cases whose names start with any of `filters` (all when empty); the exit code.
int run(const std::vector<std::string>& filters);

void fail(const char* file, int line, const std::string& message);

std::string utf8(std::u16string_view text);

template <typename T>
std::string printable(const T& value) {
    if constexpr (std::is_convertible_v<const T&, std::u16string_view>) {
        return '"' + utf8(value) + '"';
    } else {
        std::ostringstream out;
        if constexpr (requires {
                          value.begin();
                          value.end();
                      }) {
            out << '{';
            const char* separator = "";
            for (const auto& element : value) {
                out << separator << printable(element);
                separator = ", ";
            }
            out << '}';
        } else {
            out << value;
        }
        return out.str();
    }
}

template <typename A, typename B>
bool check_eq(const A& a, const B& b, const char* a_text, const char* b_text, const char* file,
              int line) {
    if (a == b) {
        return true;
    }
    fail(file, line,
         std::string(a_text) + " == " + b_text + "\n    got " + printable(a) + "\n    want " +
             printable(b));
    return false;
}

}  // namespace wine_test

#define WINE_TEST(name)                                                      \
    static void name();                                                      \
    static const ::wine_test::Registration name##_registration(#name, name); \
    static void name()

#define CHECK(condition) \
    ((condition) ? true : (::wine_test::fail(__FILE__, __LINE__, #condition), false))
#define CHECK_EQ(a, b) ::wine_test::check_eq((a), (b), #a, #b, __FILE__, __LINE__)
