#include "host/far3/macro_result.h"

#include <memory>

namespace pickwell::far3 {
namespace {

struct MacroResult {
    FarMacroCall call;
    FarMacroValue value;
};

void free_macro_result(void* callback_data, FarMacroValue* /*values*/,
                       std::size_t /*count*/) noexcept {
    delete static_cast<MacroResult*>(callback_data);
}

}  // namespace

FarMacroCall* macro_result(std::size_t marked) {
    auto result = std::make_unique<MacroResult>();
    result->value.Type = FMVT_INTEGER;
    result->value.Integer = static_cast<std::int64_t>(marked);
    result->call.StructSize = sizeof result->call;
    result->call.Count = 1;
    result->call.Values = &result->value;
    result->call.Callback = &free_macro_result;
    result->call.CallbackData = result.get();
    return &result.release()->call;
}

}  // namespace pickwell::far3
