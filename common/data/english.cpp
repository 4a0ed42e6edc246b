#include "common/data/english.h"

#include <unordered_map>

namespace fb {
namespace {

// Russian → English; a caption's units stay in SI symbols.
const std::unordered_map<std::string, const char*>& Table() {
    static const std::unordered_map<std::string, const char*> table = {
        {"Авто", "Auto"},
    };
    return table;
}

}  // namespace

const char* EnglishText(const std::string& russian) {
    const auto& table = Table();
    auto it = table.find(russian);
    return it == table.end() ? nullptr : it->second;
}

}  // namespace fb
