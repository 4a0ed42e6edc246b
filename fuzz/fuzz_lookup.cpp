// The key lookups over arbitrary text, keys and section names, with both value rules.
#include "common/data/lookup.h"
#include "common/data/textcodec.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fbfuzz::Split(data, size, 3);
    const std::string text = fb::Cp1251ToUtf8(parts[0]);
    fb::GetKeyValue(text, parts[1]);
    fb::GetSectionValue(text, parts[2], parts[1]);
    fb::GetSectionValue(text, parts[2], parts[1], fb::LookupRule::Pfc);
    return 0;
}
