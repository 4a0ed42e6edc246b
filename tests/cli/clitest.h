#pragma once
// What the end-to-end tests of both tools share: the tool's JSON output parsed, the files
// below a folder (nothing written beside the asked-for outputs), and the keys of an object.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "tests/support/process.h"

namespace clitest {

using Json = nlohmann::ordered_json;

// Parses the tool's whole output as one JSON value; fails the test when it is not one.
inline Json ParseOutput(const fbtest::ProcessResult& r) {
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(r.timedOut);
    Json j = Json::parse(r.out, nullptr, false);
    EXPECT_FALSE(j.is_discarded()) << r.out;
    return j;
}

inline std::set<std::string> FilesBelow(const std::string& folder) {
    std::set<std::string> s;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) s.insert(e.path().string());
    return s;
}

// An object's keys in their order.
inline std::vector<std::string> Keys(const Json& j) {
    std::vector<std::string> keys;
    for (const auto& item : j.items()) keys.push_back(item.key());
    return keys;
}

}  // namespace clitest
