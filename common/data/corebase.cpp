#include "common/data/corebase.h"

#include "common/data/english.h"
#include "common/data/lookup.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"
#include "common/data/usercores.h"

namespace fb {

const char* ShapeCaption(int shape) {
    // "ЕI" begins with a Cyrillic Е, as the shape radio has always shown it.
    static const char* const names[kShapeCount] = {"E", "ЕI", "ER", "ETD", "Другая"};
    return shape >= 0 && shape < kShapeCount ? names[shape] : "";
}
namespace {

const char* const kShapePatterns[4] = {"E ", "EI", "ER", "ETD"};

// The entry text from `from` up to the next "]"; empty (and the end of the scan) when none.
bool EntryUpToBracket(std::string_view text, size_t from, std::vector<std::string>& out, size_t& next) {
    const size_t close = text.find(']', from);
    if (close == std::string_view::npos) {
        out.emplace_back();
        return false;
    }
    out.emplace_back(text.substr(from, close - from));
    next = close;
    return true;
}

}  // namespace

Messages CCoreBase::Load(const std::string& dataRoot, std::size_t bufferSize, bool createUserFile) {
    Messages messages;
    const std::string folder = JoinPath(dataRoot, kCoresFolder);
    const ReadResult catalogue = ReadTextFile(JoinPath(folder, kCatalogueName), bufferSize);
    if (catalogue.ok) {
        m_catalogue = catalogue.text;
    } else {
        messages.push_back(Warning(Localized("В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"")));
    }
    const std::string userPath = JoinPath(folder, kUserCoresName);
    // The user's own file grows with every core added, so no buffer bounds it.
    const ReadResult user = ReadWholeTextFile(userPath);
    if (user.ok) {
        m_user = user.text;
    } else if (createUserFile && !FileExists(userPath)) {
        // Under the append lock and only if still absent: a core the other program appends
        // meanwhile is never replaced. Failing to create it is not reported: the program
        // runs on without user cores.
        CreateUserCoresFile(dataRoot);
    }
    m_joined = m_catalogue + m_user;
    return messages;
}

void CCoreBase::SetUserText(std::string userText) {
    m_user = std::move(userText);
    m_joined = m_catalogue + m_user;
}

int CCoreBase::ShapeFromName(std::string_view name) {
    for (int s = 0; s < 4; ++s)
        if (name.find(kShapePatterns[s]) != std::string_view::npos) return s;
    return 4;
}

std::vector<std::string> CCoreBase::ListForShape(int shape) const {
    std::vector<std::string> out;
    const std::string_view text = m_joined;
    size_t pos = 0;
    if (shape >= 0 && shape < 4) {
        const std::string_view pattern = kShapePatterns[shape];
        for (;;) {
            const size_t at = text.find(pattern, pos);
            if (at == std::string_view::npos) break;
            if (!EntryUpToBracket(text, at, out, pos)) break;
        }
        return out;
    }
    if (shape != 4) return out;
    for (;;) {
        const size_t open = text.find('[', pos);
        if (open == std::string_view::npos) break;
        const size_t c = open + 1;
        const char ch = c < text.size() ? text[c] : '\0';
        const char after = c + 1 < text.size() ? text[c + 1] : '\0';
        if (ch == 'E' || (ch == 'R' && after != 'M')) {
            pos = c;
            continue;
        }
        if (!EntryUpToBracket(text, c, out, pos)) break;
    }
    return out;
}

CoreRecord CCoreBase::RecordFor(const std::string& name, int shapeIndex) const {
    CoreRecord r;
    r.name = name;
    r.shape = shapeIndex;
    auto value = [&](const char* key) { return CommaToPoint(GetSectionValue(m_joined, name, key)); };
    r.AeText = value("Ae");
    r.AnText = value("An");
    r.leText = value("le");
    r.muText = value("mu");
    r.Ae = TextToDouble(r.AeText);
    r.An = TextToDouble(r.AnText);
    r.le = TextToDouble(r.leText);
    r.mu = TextToInt(r.muText);
    r.k1 = TextToDouble(value("k1"));
    r.k2 = TextToDouble(value("k2"));
    r.Ve = r.le * r.Ae / 1000;
    r.VeText = F3(r.Ve);
    return r;
}

int FindEntryStartingWith(const std::vector<std::string>& entries, const std::string& name, int start) {
    const int n = static_cast<int>(entries.size());
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (StartsWithIgnoreCase(entries[i], name)) return i;
    }
    return -1;
}

void CCoreBase::SelectByName(const std::string& name) {
    shape = ShapeFromName(name);
    RefillList();
    const int found = FindEntryStartingWith(m_entries, name);
    if (found >= 0) selected = found;
}

bool CCoreBase::OnSelect(CoreRecord& record) {
    if (addByDims || addByData) return false;
    if (!HasSelection()) {
        selected = -1;
        return false;
    }
    currentName = m_entries[selected];
    record = RecordFor(currentName, shape);
    return true;
}

void CCoreBase::OnShapeChanged(int newShape, ShapeLowering lowering) {
    shape = newShape;
    RefillList();
    const int n = static_cast<int>(m_entries.size());
    if (selected > n - 1) selected = lowering == ShapeLowering::ToLast ? n - 1 : 0;
}

}  // namespace fb
