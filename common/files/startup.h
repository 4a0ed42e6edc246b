#pragma once
// The start-up of both programs, window and command-line tool alike: the wire table, the
// design (settings or saved file), the material list, choice and load, the core base and the
// selection of the design's core. Each step's failure is data, so a window shows it and a
// tool prints it from the same text. Plain C++.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/message.h"
#include "common/data/wiretable.h"

namespace fb {

struct StartupFailure {
    enum class Cause {
        MissingWireTable,    // Wire.txt absent or unreadable
        UnreadableDesign,    // the design file exists but cannot be read
        UnreadableSettings,  // the settings file exists but cannot be read: it is left alone
        NoMaterials,         // the materials folder holds no material file
        UnreadableMaterial,  // the chosen material file could not be read at all
        UnreadableCoreFile,  // a catalogue or user core file could not be read; `file` names it
        CoreNotListed,       // the design's core is not in its shape's list
    };
    Cause cause;
    Message message;       // as the window shows it
    bool canGoOn = false;  // the window may go on (with defaults) after showing it
    std::string file;      // the file concerned, when there is one

    // The first line of the message: what a command-line tool prints.
    std::string Line() const { return message.text.substr(0, message.text.find('\n')); }
};

using StartupResult = std::optional<StartupFailure>;

// The sizes of the program's reading buffers.
struct StartupBuffers {
    std::size_t wires;
    std::size_t material;
    std::size_t cores;
};

class CStartup {
public:
    CStartup(std::string dataRoot, StartupBuffers buffers);
    // A window learns its data root only when it has found its help file.
    void SetDataRoot(std::string dataRoot) { m_dataRoot = std::move(dataRoot); }

    StartupResult LoadWireTable();
    // Reads a design file into `in` with the program's reader (Read(path, in) -> bool).
    template <class Reader, class Input>
    StartupResult ReadDesign(const Reader& reader, const std::string& path, Input& in) const {
        if (reader.Read(path, in)) return std::nullopt;
        return StartupFailure{StartupFailure::Cause::UnreadableDesign,
                              Warning("Не удалось прочитать файл \"" + path + "\""), true, path};
    }
    // Reads the settings file `path` into `in`. An absent file keeps the defaults in silence;
    // one that exists but cannot be read (no permission, a folder in its place) keeps them
    // too, and the failure tells the window never to write over it (the user's own settings).
    template <class Reader, class Input>
    StartupResult ReadSettings(const Reader& reader, const std::string& path, Input& in) const {
        if (reader.Read(path, in) || !SomethingAt(path)) return std::nullopt;
        return StartupFailure{StartupFailure::Cause::UnreadableSettings, UnreadableSettingsMessage(path), true, path};
    }
    StartupResult ListMaterialFiles();
    // Chooses the entry for `mater` (or the one that stands in for it) and loads it; `choice`
    // tells the window which entry to show.
    StartupResult ChooseMaterial(const std::string& mater);
    // Core files' own warnings, in the order the window shows them.
    Messages LoadCores(bool createUserFile);
    // Selects `name` in its shape's list; the failure names the shape.
    StartupResult SelectCore(const std::string& name, CoreRecord& core);

    const std::string& dataRoot() const { return m_dataRoot; }
    CWireTable& wires() { return m_wires; }
    const std::vector<std::string>& materials() const { return m_materials; }
    const MaterialChoice& choice() const { return m_choice; }
    CMaterial& material() { return m_material; }
    // False when the material file opened but its data are incomplete (no limit, say).
    bool materialComplete() const { return m_materialComplete; }
    CCoreBase& cores() { return m_cores; }
    std::size_t materialBuffer() const { return m_buffers.material; }

private:
    // True when the path names anything at all, or when it cannot be told (a folder on the way
    // that cannot be searched): only a plain "no such file" counts as absent.
    static bool SomethingAt(const std::string& path);
    static Message UnreadableSettingsMessage(const std::string& path);

    std::string m_dataRoot;
    StartupBuffers m_buffers;
    CWireTable m_wires;
    std::vector<std::string> m_materials;
    MaterialChoice m_choice;
    CMaterial m_material;
    bool m_materialComplete = false;
    CCoreBase m_cores;
};

}  // namespace fb
