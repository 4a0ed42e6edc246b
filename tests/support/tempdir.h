#pragma once
// A temporary folder for a test's own data root, removed when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fbtest {

class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "fbtest-XXXXXX").string();
        char* made = ::mkdtemp(tmpl.data());
        m_path = made ? made : tmpl;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& rel) const { return m_path + "/" + rel; }

    // Writes raw bytes (tests spell Windows-1251 bytes out themselves when they need them).
    void write(const std::string& rel, const std::string& bytes) const {
        const std::filesystem::path p = file(rel);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::string read(const std::string& rel) const {
        std::ifstream in(file(rel), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::string& rel) const { return std::filesystem::exists(file(rel)); }

private:
    std::string m_path;
};

}  // namespace fbtest
