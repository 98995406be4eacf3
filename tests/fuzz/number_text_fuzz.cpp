// Every text a field can hold becomes a number without reading past its end.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/core/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    volatile double value = luvo::ParseLeadingNumber(text);
    (void)value;
    return 0;
}
