#include "common/files/startup.h"

#include <sys/stat.h>

#include <cerrno>

#include "common/data/english.h"
#include "common/data/textfile.h"

namespace fb {

CStartup::CStartup(std::string dataRoot, StartupBuffers buffers)
    : m_dataRoot(std::move(dataRoot)), m_buffers(buffers) {}

StartupResult CStartup::LoadWireTable() {
    if (m_wires.Load(m_dataRoot, m_buffers.wires)) return std::nullopt;
    return StartupFailure{StartupFailure::Cause::MissingWireTable, CWireTable::MissingFileMessage(m_dataRoot), false,
                          JoinPath(m_dataRoot, "Wire.txt")};
}

bool CStartup::SomethingAt(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 || errno != ENOENT;
}

Message CStartup::UnreadableSettingsMessage(const std::string& path) {
    return Warning(
        Phrase("Не удалось прочитать файл настроек \"{1}\".\nПрограмма работает с исходными данными и не "
               "будет записывать этот файл.",
               {path}));
}

StartupResult CStartup::ListMaterialFiles() {
    m_materials = ListMaterials(m_dataRoot);
    if (!m_materials.empty()) return std::nullopt;
    return StartupFailure{StartupFailure::Cause::NoMaterials,
                          Warning("В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.\nДо свидания!"),
                          false, ""};
}

StartupResult CStartup::ChooseMaterial(const std::string& mater) {
    m_choice = SelectInitial(m_materials, mater);
    m_materialComplete = LoadChosenMaterial(m_material, m_dataRoot, m_materials, m_choice, m_buffers.material);
    // A file that opened but lacks a limit still loads (the design's guard names it); only a
    // file that could not be read at all is a failure.
    if (!m_material.name.empty()) return std::nullopt;
    const std::string file = m_choice.loadName + ".txt";
    return StartupFailure{StartupFailure::Cause::UnreadableMaterial,
                          Warning(Phrase("Не удалось прочитать файл материала \"{1}\".", {file})), true, file};
}

Messages CStartup::LoadCores(bool createUserFile) { return m_cores.Load(m_dataRoot, m_buffers.cores, createUserFile); }

StartupResult CStartup::SelectCore(const std::string& name, CoreRecord& core) {
    m_cores.SelectByName(name);
    if (m_cores.OnSelect(core)) return std::nullopt;
    return StartupFailure{StartupFailure::Cause::CoreNotListed,
                          Warning(Phrase("Сердечник \"{1}\" отсутствует в списке формы \"{2}\"",
                                         {name, Localized(ShapeCaption(m_cores.shape))})),
                          true, ""};
}

}  // namespace fb
