// Each caption of an input stands once in the product code: the catalogue's literal, which
// windows, messages, reports and the command-line tools read by key. The English table
// translates captions and is left out, as the Linguist file and the data root are.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "boostcoil/design/pfccatalogue.h"
#include "flyback/clamper/clamper.h"
#include "flyback/design/fields.h"

namespace {

namespace fs = std::filesystem;

template <class Input>
void AddCaptions(std::set<std::string>& captions, const fb::InputCatalogue<Input>& fields) {
    for (const fb::InputField<Input>& f : fields) captions.insert(f.caption);
}

// The caption as a C++ string literal writes it.
std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

TEST(Captions, EachInputCaptionStandsOnceInProductCode) {
    std::set<std::string> captions;
    AddCaptions(captions, fb::FlybackFields());
    AddCaptions(captions, fb::PfcFields());
    for (const fb::ClamperField& f : fb::ClamperFields()) captions.insert(f.caption);
    captions.erase("");
    ASSERT_GT(captions.size(), 50u);

    std::map<std::string, std::string> sources;  // path -> text
    for (const char* folder : {"common", "flyback", "boostcoil"})
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(FB_SOURCE_DIR) / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            const std::string rel = fs::relative(entry.path(), FB_SOURCE_DIR).string();
            if (rel == "common/data/english.cpp") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            sources[rel] = text.str();
        }
    ASSERT_GT(sources.size(), 100u);

    for (const std::string& caption : captions) {
        const std::string literal = Literal(caption);
        int count = 0;
        std::string where;
        for (const auto& [path, text] : sources)
            for (size_t at = text.find(literal); at != std::string::npos; at = text.find(literal, at + 1)) {
                ++count;
                where += " " + path;
            }
        EXPECT_LE(count, 1) << caption << " stands in" << where;
    }
}

}  // namespace
