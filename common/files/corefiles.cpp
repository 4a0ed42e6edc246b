#include "common/files/corefiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/data/english.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

std::string ReadError(int err) {
    switch (err) {
    case ENOENT: return Localized("файла нет");
    case EACCES:
    case EPERM: return Localized("нет прав на чтение");
    case ENOTDIR: return Localized("часть пути не является папкой");
    case EIO: return Localized("ошибка ввода-вывода");
    default: return std::strerror(err);
    }
}

std::string CoresFile(const std::string& dataRoot, const char* name) {
    return JoinPath(JoinPath(dataRoot, kCoresFolder), name);
}

}  // namespace

std::string UnreadableReason(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return ReadError(errno);
    // Checked before opening: opening a pipe would wait for a writer.
    if (!S_ISREG(st.st_mode)) return Localized("это не обычный файл (папка, канал или устройство)");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ReadError(errno);
    char byte = 0;
    const ssize_t n = ::read(fd, &byte, 1);
    const int err = errno;
    ::close(fd);
    return n < 0 ? ReadError(err) : std::string();
}

StartupResult CatalogueFailure(const std::string& dataRoot) {
    const std::string path = CoresFile(dataRoot, kCatalogueName);
    const std::string why = UnreadableReason(path);
    if (why.empty()) return std::nullopt;
    return StartupFailure{StartupFailure::Cause::UnreadableCoreFile,
                          Warning(Phrase("Не удалось прочитать каталог сердечников \"{1}\": {2}.", {path, why})), true,
                          path};
}

StartupResult UserCoreFileFailure(const std::string& dataRoot) {
    const std::string path = CoresFile(dataRoot, kUserCoresName);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) return std::nullopt;
    const std::string why = UnreadableReason(path);
    if (why.empty()) return std::nullopt;
    return StartupFailure{StartupFailure::Cause::UnreadableCoreFile,
                          Warning(Phrase("Не удалось прочитать файл сердечников пользователя \"{1}\": {2}; сердечники "
                                         "пользователя не загружены.",
                                         {path, why})),
                          true, path};
}

}  // namespace fb
