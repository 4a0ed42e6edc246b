#pragma once
// The command-line tools' plain-text layout: headings, indented lines and "caption: value unit"
// rows whose values line up in one column.
#include <cstddef>
#include <string>

namespace fb {

class AlignedText {
public:
    static constexpr std::size_t kCaptionWidth = 46;  // the values start after this column

    void Heading(const std::string& text) { m_out += (m_out.empty() ? "" : "\n") + text + "\n"; }
    void Sub(const std::string& text) { m_out += " " + text + "\n"; }
    void Line(const std::string& text) { m_out += "  " + text + "\n"; }
    void Row(const std::string& caption, const std::string& value, const std::string& unit = "") {
        std::string line = "  " + caption + ":";
        const std::size_t w = Width(line);
        if (w < kCaptionWidth) line.append(kCaptionWidth - w, ' ');
        line += " " + value;
        if (!unit.empty()) line += " " + unit;
        m_out += line + "\n";
    }
    const std::string& Text() const { return m_out; }

    // Characters, not bytes: the captions are Cyrillic UTF-8.
    static std::size_t Width(const std::string& s) {
        std::size_t n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80;
        return n;
    }

private:
    std::string m_out;
};

}  // namespace fb
