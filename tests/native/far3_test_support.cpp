#include "far3_test_support.h"

namespace pickwell::testing {

std::optional<std::int64_t> macro_integer(far3::Handle result) {
    if (result == nullptr) {
        return std::nullopt;
    }
    auto* call = static_cast<far3::FarMacroCall*>(result);
    EXPECT_EQ(call->StructSize, sizeof(far3::FarMacroCall));
    EXPECT_EQ(call->Count, 1u);
    EXPECT_NE(call->Callback, nullptr);
    if (call->Count != 1 || call->Values == nullptr || call->Callback == nullptr) {
        return std::nullopt;
    }
    EXPECT_EQ(call->Values[0].Type, far3::FMVT_INTEGER);
    const std::int64_t value = call->Values[0].Integer;
    call->Callback(call->CallbackData, call->Values, call->Count);
    return value;
}

}  // namespace pickwell::testing
