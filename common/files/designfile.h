#pragma once
// The [INI_DATA] format of the settings files and saved designs. Each program hands it its
// key table; values travel as the texts the form shows, flags as whole numbers.
#include <string>
#include <vector>

#include "common/data/lookup.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"

namespace fb {

// One row of a key table: a text field or an integer flag of the program's input record.
template <class Input>
struct KeyField {
    const char* key;
    std::string Input::*text = nullptr;
    int Input::*flag = nullptr;
    bool readBack = true;  // false: written (design results) but never read

    static KeyField Text(const char* k, std::string Input::*t, bool read = true) { return {k, t, nullptr, read}; }
    static KeyField Flag(const char* k, int Input::*f) { return {k, nullptr, f, true}; }

    std::string ValueText(const Input& in) const { return text ? in.*text : FormatInt(in.*flag); }
};

template <class Input>
class CDesignFile {
public:
    CDesignFile(std::vector<KeyField<Input>> table, LookupRule rule, std::size_t bufferSize)
        : m_table(std::move(table)), m_rule(rule), m_bufferSize(bufferSize) {}

    // False when the file cannot be read; nothing changes then. Otherwise every read key
    // takes its looked-up value: a missing key gives an empty text or a 0 flag.
    bool Read(const std::string& path, Input& in) const {
        const ReadResult file = ReadTextFile(path, m_bufferSize);
        if (!file.ok) return false;
        Parse(file.text, in);
        return true;
    }

    void Parse(const std::string& content, Input& in) const {
        for (const KeyField<Input>& f : m_table) {
            if (!f.readBack) continue;
            const std::string v = GetSectionValue(content, "INI_DATA", f.key, m_rule);
            if (f.text)
                in.*f.text = v;
            else
                in.*f.flag = TextToInt(v);
        }
    }

    // "[INI_DATA]" CR LF, then key TAB "= " value CR LF for every key in table order.
    std::string Compose(const Input& in) const {
        std::string out = "[INI_DATA]\r\n";
        for (const KeyField<Input>& f : m_table) out += std::string(f.key) + "\t= " + f.ValueText(in) + "\r\n";
        return out;
    }

    // Written through a temporary file and renamed, so a failure leaves the old file whole.
    // A value holding "[", "]" or a line break would hide every key after it from the reader
    // (a section header, or a line of its own): such a file is refused and nothing is written.
    WriteResult Write(const std::string& path, const Input& in) const {
        for (const KeyField<Input>& f : m_table) {
            const std::string value = f.ValueText(in);
            if (value.find_first_of("[]\r\n") != std::string::npos)
                return WriteResult{false, "Не удалось записать файл \"" + path + "\": значение ключа \"" + f.key +
                                              "\" содержит символ \"[\", \"]\" или перевод строки"};
        }
        return WriteTextFileAtomic(path, Compose(in));
    }

    const std::vector<KeyField<Input>>& Table() const { return m_table; }
    std::size_t BufferSize() const { return m_bufferSize; }

private:
    std::vector<KeyField<Input>> m_table;
    LookupRule m_rule;
    std::size_t m_bufferSize;
};

}  // namespace fb
