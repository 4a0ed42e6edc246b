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
#include "tests/support/tempdir.h"

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

// A tool that refused to run (a status other than 0): nothing on stdout, one line on stderr.
inline void ExpectRefused(const fbtest::ProcessResult& r, int status, const std::string& what = "") {
    EXPECT_EQ(r.exitCode, status) << what << ": " << r.out;
    EXPECT_TRUE(r.out.empty()) << what;
    ASSERT_FALSE(r.err.empty()) << what;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << ": " << r.err;
}

// One tool run on a data root the test writes into `dir`.
class ToolTest : public ::testing::Test {
protected:
    explicit ToolTest(const char* exe) : m_exe(exe) {}
    fbtest::ProcessResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), m_exe);
        return fbtest::RunProcess(args);
    }
    // --json on the design file `rel` of `dir`, the `extra` options before it.
    fbtest::ProcessResult RunJson(const std::string& rel, const std::vector<std::string>& extra = {}) const {
        std::vector<std::string> args = {"--data-root", dir.path(), "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(dir.file(rel));
        return Run(args);
    }
    static Json Parse(const fbtest::ProcessResult& r) { return ParseOutput(r); }
    std::set<std::string> Files() const { return FilesBelow(dir.path()); }

    fbtest::TempDir dir;

private:
    const char* m_exe;
};

}  // namespace clitest
