#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

const std::string kCores = std::string(kTestECores) +
                           "[EI 25]\nAe = 40.99\nAn = 79.04\nle = 46.85\nmu = 1580\n\n"
                           "[EI 30]\nAe = 111\nAn = 75.56\nle = 58.1\nmu = 1617\n\n"
                           "[ER 28]\nAe = 81.01\nAn = 113.3\nle = 62.63\nmu = 1629\n\n";

}  // namespace

DataRoot::DataRoot() : WindowDataRoot("Flyback", kCores) {}

QString WindowTest::text(int id) const {
    if (std::optional<QString> shown = ShownText(window.get(), id)) return *shown;
    throw std::runtime_error("control " + std::to_string(id) + " shows no text");
}

fb::ui::CoreGroupConfig FirstLoweringCoreGroup() {
    // The IDs packed in the order of their comment.
    // clang-format off
    fb::ui::CoreGroupConfig config(fb::ui::CoreGroupIds{1000, 1001, {1011, 1012, 1013, 1014, 1015},
                                                        {1021, 1022, 1023, 1024, 1026, 1025, 1027}, 1028, 1031,
                                                        1029, 1030, 1032, 1002, 1003, 8});
    // clang-format on
    config.lowering = fb::ShapeLowering::ToFirst;
    return config;
}

}  // namespace fbtest
