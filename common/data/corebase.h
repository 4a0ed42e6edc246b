#pragma once
// The ferrite core catalogue: the shipped file and the user's file joined into one text,
// the per-shape lists of the core combo box and the selection rules, as plain logic.
#include <string>
#include <string_view>
#include <vector>

#include "common/data/message.h"

namespace fb {

// One selected core; the texts are what the form shows.
struct CoreRecord {
    std::string name;
    int shape = 0;
    double Ae = 0, An = 0, le = 0, mu = 0, Ve = 0, k1 = 0, k2 = 0;
    std::string AeText, AnText, leText, muText, VeText;
    bool HasAlLaw() const { return k1 != 0 && k2 != 0; }
};

// Where a selected index beyond the end of a new shape's list goes: `flyback` keeps the
// last entry, `Boostcoil` the first.
enum class ShapeLowering { ToLast, ToFirst };

constexpr int kShapeCount = 5;
constexpr const char* kCatalogueName = "FerritesCores.txt";
constexpr const char* kUserCoresName = "UserFerritesCores.txt";
constexpr const char* kCoresFolder = "Bases_Cores";

// The caption of a shape's radio button; "" outside the shapes.
const char* ShapeCaption(int shape);

class CCoreBase {
public:
    // Reads the catalogue (bounded by bufferSize) and the user file (whole) under dataRoot.
    // A missing user file is created empty when createUserFile is set. Returns the
    // warning to show when the catalogue is missing.
    Messages Load(const std::string& dataRoot, std::size_t bufferSize, bool createUserFile = true);

    static int ShapeFromName(std::string_view name);
    std::vector<std::string> ListForShape(int shape) const;

    // The core data of the section found by `name` in the joined text.
    CoreRecord RecordFor(const std::string& name, int shape) const;

    // Sets the shape from the name, refills the list and selects the first entry that begins
    // with the name ignoring case; the index stays as it was when none does.
    void SelectByName(const std::string& name);

    // The record of the selected entry, or false when an add mode is set or nothing is
    // selected (the form then keeps the previous core).
    bool OnSelect(CoreRecord& record);

    // A shape radio was clicked: refill the list, keep the index, lower it when too large.
    void OnShapeChanged(int newShape, ShapeLowering lowering);

    // Replaces the user part of the joined text (after a core was appended to the file).
    void SetUserText(std::string userText);

    const std::string& JoinedText() const { return m_joined; }
    const std::string& UserText() const { return m_user; }
    const std::vector<std::string>& Entries() const { return m_entries; }
    bool HasSelection() const { return selected >= 0 && selected < static_cast<int>(m_entries.size()); }

    int shape = 0;
    int selected = -1;
    std::string currentName;
    bool addByDims = false;
    bool addByData = false;

    // Refills the entries of the current shape (the combo box's list).
    void RefillList() { m_entries = ListForShape(shape); }

private:
    std::string m_catalogue;
    std::string m_user;
    std::string m_joined;
    std::vector<std::string> m_entries;
};

// The first entry (from `start`, wrapping around) that begins with `name` ignoring case; -1 if none.
int FindEntryStartingWith(const std::vector<std::string>& entries, const std::string& name, int start = 0);

}  // namespace fb
