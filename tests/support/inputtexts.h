#pragma once
// Test inputs set and checked in one list by the names their catalogue gives them (settings
// keys, the clamper's field names) instead of one statement a line; a name the catalogue does
// not list as a text fails the test.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

namespace fbtest {

using NamedTexts = std::initializer_list<std::pair<const char*, const char*>>;

template <class Row>
auto RowName(const Row& r) -> decltype(r.key) {
    return r.key;
}
template <class Row>
auto RowName(const Row& r) -> decltype(r.name) {
    return r.name;
}

template <class Input, class Rows>
void SetTexts(Input& in, const Rows& rows, NamedTexts texts) {
    for (const auto& [name, text] : texts) {
        bool found = false;
        for (const auto& r : rows) {
            if (!r.text || std::string(RowName(r)) != name) continue;
            in.*r.text = text;
            found = true;
            break;
        }
        if (!found) throw std::invalid_argument(std::string("no text input named ") + name);
    }
}

// Each named text of `in` reads as given.
template <class Input, class Rows>
void ExpectTexts(const Input& in, const Rows& rows, NamedTexts texts) {
    for (const auto& [name, text] : texts) {
        bool found = false;
        for (const auto& r : rows) {
            if (!r.text || std::string(RowName(r)) != name) continue;
            EXPECT_EQ(in.*r.text, text) << name;
            found = true;
            break;
        }
        if (!found) ADD_FAILURE() << "no text input named " << name;
    }
}

}  // namespace fbtest
