// The settings file's reader and writer, any file and any values. Whatever the file holds:
// - reading never fails, whatever the bytes;
// - after writing, each value reads back exactly as written, and writing the same values
//   again changes nothing;
// - a key of another section reads the same before and after.
//
// Input: a count byte n (0-3 values), n values each as a length byte and that many bytes, then
// the file's bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/far2l/ini_text.h"
#include "require.h"

namespace {

using pickwell::fuzzing::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) {
        return 0;
    }
    const std::size_t count = static_cast<unsigned char>(input[0]) % 4;
    input.remove_prefix(1);
    static const std::array<const char*, 3> keys = {"AddSeparators", "CaseSensitive", "TrimSpaces"};
    std::vector<pickwell::IniValue> values;
    for (std::size_t i = 0; i < count && !input.empty(); ++i) {
        const std::size_t length =
            std::min<std::size_t>(static_cast<unsigned char>(input[0]), input.size() - 1);
        values.push_back({keys[i], std::string(input.substr(1, length))});
        input.remove_prefix(1 + length);
    }
    const std::string_view file = input;
    for (const char* key : keys) {
        (void)pickwell::ini_value(file, "Settings", key);
    }
    const auto other_before = pickwell::ini_value(file, "Other", "AddSeparators");

    const std::string written = pickwell::with_ini_values(file, "Settings", values);
    for (const pickwell::IniValue& value : values) {
        require(pickwell::ini_value(written, "Settings", value.key) == value.value,
                "a value that does not read back as written");
    }
    require(pickwell::with_ini_values(written, "Settings", values) == written,
            "writing the same values twice changes the file");
    require(pickwell::ini_value(written, "Other", "AddSeparators") == other_before,
            "a key of another section changed");
    return 0;
}
