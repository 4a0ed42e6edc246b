// Both design-file readers (the flyback rule and the PFC rule) over arbitrary file text,
// then the writer on what was read.
#include "boostcoil/design/pfckeys.h"
#include "common/data/textcodec.h"
#include "flyback/design/flyback.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fb::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    fb::FlybackInput fin;
    fb::FlybackDesignFile().Parse(text, fin);
    fb::FlybackDesignFile().Compose(fin);
    fb::PfcInput pin;
    fb::PfcDesignFile().Parse(text, pin);
    fb::PfcDesignFile().Compose(pin);
    return 0;
}
