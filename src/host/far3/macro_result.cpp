#include "host/far3/macro_result.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace pickwell::far3 {
namespace {

struct MacroResult {
    FarMacroCall call{};
    FarMacroValue values[2]{};
    NameList names;  // the array's strings point into it
    std::vector<FarMacroValue> array;
};

void free_macro_result(void* callback_data, FarMacroValue* /*values*/,
                       std::size_t /*count*/) noexcept {
    delete static_cast<MacroResult*>(callback_data);
}

std::unique_ptr<MacroResult> result_with_count(std::size_t marked) {
    auto result = std::make_unique<MacroResult>();
    result->values[0].Type = FMVT_INTEGER;
    result->values[0].Integer = static_cast<std::int64_t>(marked);
    return result;
}

FarMacroCall* handed_over(std::unique_ptr<MacroResult> result, std::size_t count) {
    result->call.StructSize = sizeof result->call;
    result->call.Count = count;
    result->call.Values = result->values;
    result->call.Callback = &free_macro_result;
    result->call.CallbackData = result.get();
    return &result.release()->call;
}

}  // namespace

FarMacroCall* macro_result(std::size_t marked) {
    return handed_over(result_with_count(marked), 1);
}

FarMacroCall* macro_result(std::size_t marked, NameList names,
                           std::span<const std::size_t> not_found) {
    auto result = result_with_count(marked);
    // Moved in before any name is pointed at: a short list's text moves with the list.
    result->names = std::move(names);
    // Never a null array, even an empty one.
    result->array.reserve(std::max<std::size_t>(not_found.size(), 1));
    for (const std::size_t index : not_found) {
        FarMacroValue& name = result->array.emplace_back();
        name.Type = FMVT_STRING;
        name.String = result->names[index].data();
    }
    result->values[1].Type = FMVT_ARRAY;
    result->values[1].Array = {result->array.data(), result->array.size()};
    return handed_over(std::move(result), 2);
}

}  // namespace pickwell::far3
