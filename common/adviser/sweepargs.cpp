#include "common/adviser/sweepargs.h"

#include "common/data/english.h"

namespace fb {
namespace {

// A whole number of at most nine digits, above 0: no sign, no spaces, nothing after it.
bool ParseTop(const std::string& text, std::size_t& top) {
    if (text.empty() || text.size() > 9) return false;
    std::size_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<std::size_t>(c - '0');
    }
    top = v;
    return v > 0;
}

}  // namespace

bool TakeSweepOption(int argc, char** argv, int& i, SweepArgs& args, std::string& error) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
        if (i + 1 >= argc) {
            error = Phrase("после {1} нужно значение", {arg});
            return false;
        }
        out = argv[++i];
        return true;
    };
    std::string v;
    if (arg == "--sweep") {
        args.sweep = true;
    } else if (arg == "--works-only") {
        args.print.worksOnly = true;
        args.refinements = true;
    } else if (arg == "--top") {
        args.refinements = true;
        if (value(v) && !ParseTop(v, args.print.top))
            error = Phrase("после --top нужно целое число больше 0, а не \"{1}\"", {v});
    } else if (arg == "--sort") {
        args.refinements = true;
        if (!value(v)) return true;
        const std::optional<SortKey> key = ParseSortKey(v);
        if (key)
            args.print.sort = *key;
        else
            error = Phrase("после --sort нужно loss, temperature, volume или mass, а не \"{1}\"", {v});
    } else {
        return false;
    }
    return true;
}

std::string SweepArgsError(const SweepArgs& args) {
    if (args.refinements && !args.sweep)
        return Localized("--top, --sort и --works-only действуют только вместе с --sweep");
    return "";
}

}  // namespace fb
