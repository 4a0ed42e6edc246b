// Each caption of an input or a result stands once in the product code: the catalogue's literal,
// which windows, messages, reports, the command-line tools and the English table read by key.
// The Linguist file and the data root are not product code.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "boostcoil/design/pfccatalogue.h"
#include "common/data/english.h"
#include "flyback/clamper/clamper.h"
#include "flyback/design/fields.h"

namespace {

namespace fs = std::filesystem;

template <class Input>
void AddCaptions(std::set<std::string>& captions, const fb::InputCatalogue<Input>& fields) {
    for (const fb::InputField<Input>& f : fields) captions.insert(f.caption);
}

// The string literals of a C++ source as the compiler joins them: escapes read, neighbours
// apart only by white space joined, comments and character literals skipped.
std::vector<std::string> Literals(const std::string& src) {
    std::vector<std::string> out;
    bool joining = false;
    for (size_t i = 0; i < src.size(); ++i) {
        const char c = src[i];
        if (c == '/' && i + 1 < src.size() && (src[i + 1] == '/' || src[i + 1] == '*')) {
            const bool line = src[i + 1] == '/';
            i = src.find(line ? "\n" : "*/", i + 2);
            if (i == std::string::npos) break;
            if (!line) ++i;
        } else if (c == '\'') {
            while (++i < src.size() && src[i] != '\'')
                if (src[i] == '\\') ++i;
            joining = false;
        } else if (c == '"') {
            std::string text;
            if (i > 0 && src[i - 1] == 'R') {  // R"delim(...)delim"
                const size_t open = src.find('(', i);
                const std::string close = ")" + src.substr(i + 1, open - i - 1) + "\"";
                const size_t end = src.find(close, open);
                text = src.substr(open + 1, end - open - 1);
                i = end + close.size() - 1;
            } else {
                for (++i; i < src.size() && src[i] != '"'; ++i) {
                    if (src[i] != '\\') {
                        text += src[i];
                        continue;
                    }
                    const char e = src[++i];
                    text += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
                }
            }
            if (joining)
                out.back() += text;
            else
                out.push_back(text);
            joining = true;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            joining = false;
        }
    }
    return out;
}

// Where `caption` stands in `text` as a caption: not part of a longer phrase (a word or a
// unit around it), but the whole text, a line of it, a quoted or bracketed name or a
// "Caption:" label.
int Standings(const std::string& text, const std::string& caption) {
    int n = 0;
    for (size_t at = text.find(caption); at != std::string::npos; at = text.find(caption, at + 1)) {
        const size_t end = at + caption.size();
        const bool starts = at == 0 || text[at - 1] == '\n' || text[at - 1] == '"' || text[at - 1] == '(';
        const bool ends = end == text.size() || std::string("\n\":)").find(text[end]) != std::string::npos;
        n += starts && ends;
    }
    return n;
}

TEST(Captions, LiteralsReadAsTheCompilerJoinsThem) {
    const auto literals = Literals("f(\"a\\\"b\" /* \"c\" */ \"d\\n\", '\"', R\"x(e\"f)x\"); // \"g\"\n");
    EXPECT_EQ(literals, (std::vector<std::string>{"a\"bd\n", "e\"f"}));
    EXPECT_EQ(Standings("Материал:", "Материал"), 1);
    EXPECT_EQ(Standings("(Авто)", "Авто"), 1);
    EXPECT_EQ(Standings("Частота преобразования, кГц", "Частота преобразования"), 0);
    EXPECT_EQ(Standings("Сердечники изготавливаются", "Сердечник"), 0);
}

TEST(Captions, EachInputCaptionStandsOnceInProductCode) {
    std::set<std::string> captions;
    AddCaptions(captions, fb::FlybackFields());
    AddCaptions(captions, fb::PfcFields());
    for (const fb::ClamperField& f : fb::ClamperFields()) captions.insert(f.caption);
    for (const auto* results : {&fb::FlybackResultFields(), &fb::PfcResultFields(), &fb::ClamperResultFields()})
        for (const fb::ResultField& f : *results) captions.insert(f.caption);
    captions.erase("");
    ASSERT_GT(captions.size(), 100u);

    std::map<std::string, std::vector<std::string>> literals;  // path -> its literals
    for (const char* folder : {"common", "flyback", "boostcoil"})
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(FB_SOURCE_DIR) / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            literals[fs::relative(entry.path(), FB_SOURCE_DIR).string()] = Literals(text.str());
        }
    ASSERT_GT(literals.size(), 100u);

    for (const std::string& caption : captions) {
        int count = 0;
        std::string where;
        for (const auto& [path, texts] : literals)
            for (const std::string& text : texts)
                for (int n = Standings(text, caption); n > 0; --n) {
                    ++count;
                    where += " " + path;
                }
        EXPECT_LE(count, 1) << caption << " stands in" << where;
    }
}

// The English table holds each catalogue's captions, gathered from the rows of both programs.
TEST(Captions, EachInputCaptionHasItsEnglish) {
    std::set<std::string> captions;
    AddCaptions(captions, fb::FlybackFields());
    AddCaptions(captions, fb::PfcFields());
    for (const fb::ClamperField& f : fb::ClamperFields()) captions.insert(f.caption);
    captions.erase("");
    for (const std::string& caption : captions) EXPECT_NE(fb::EnglishText(caption), nullptr) << caption;

    const std::pair<const char*, const char*> known[] = {
        {"Частота преобразования, кГц", "Switching frequency, kHz"},
        {"Частота преобразования", "Switching frequency"},
        {"Вторичная обмотка 3: витки", "Secondary winding 3: turns"},
        {"Напряжение питания (мин.,  макс.), В", "Supply voltage (min.,  max.), V"},
        {"Период колебаний по Ls", "Ringing period with Ls"},
        {"Индуктивность сердечника (AL), нГн/виток^2", "Core inductance factor (AL), nH/turn^2"},
        {"Минимальное число витков первичной обмотки", "Minimum primary turns"},
    };
    for (const auto& [russian, english] : known) {
        const char* found = fb::EnglishText(russian);
        EXPECT_STREQ(found ? found : "(none)", english) << russian;
    }
}

}  // namespace
