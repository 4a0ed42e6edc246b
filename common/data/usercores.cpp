#include "common/data/usercores.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "common/data/corebase.h"
#include "common/data/coregeometry.h"
#include "common/data/english.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

// An advisory lock on the cores folder: both programs take it, so two appends made at the
// same moment both land. Without it the other program could replace what this one writes,
// so a caller that does not get it writes nothing.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder) : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY)) {
        if (m_fd < 0) {
            m_error = errno;
            return;
        }
        int r = 0;
        while ((r = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (r != 0) {
            m_error = errno;
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock() {
        if (m_fd >= 0) {
            ::flock(m_fd, LOCK_UN);
            ::close(m_fd);
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return m_fd >= 0; }
    // Why the lock could not be had.
    std::string Reason() const {
        return m_error == EACCES || m_error == EPERM ? Localized("нет прав на чтение папки") : SystemErrorText(m_error);
    }

private:
    int m_fd;
    int m_error = 0;
};

}  // namespace

AppendCoreResult AppendUserCore(const std::string& dataRoot, const std::string& record,
                                const std::string& geometryRecord) {
    AppendCoreResult result;
    std::string recordBytes, bad;
    const std::string folder = JoinPath(dataRoot, kCoresFolder);
    const std::string path = JoinPath(folder, kUserCoresName);
    if (!Utf8ToCp1251(record, recordBytes, &bad)) {
        result.error = Phrase("Не удалось записать файл \"{1}\": {2}",
                              {path, Phrase("символ \"{1}\" нельзя сохранить в кодировке Windows-1251", {bad})});
        return result;
    }
    const FolderLock lock(folder);
    if (!lock.Held()) {
        result.error = Phrase(
            "Не удалось записать файл \"{1}\": папку \"{2}\" не удалось заблокировать от "
            "одновременной записи другой программой ({3})",
            {path, folder, lock.Reason()});
        return result;
    }
    std::string bytes;
    if (FileExists(path) && !ReadAllBytes(path, bytes)) {
        result.error = Phrase("Не удалось прочитать файл \"{1}\"", {path});
        return result;
    }
    bytes += recordBytes;
    const WriteResult w = WriteBytesAtomic(path, bytes);
    if (!w.ok) {
        result.error = w.error;
        return result;
    }
    if (!geometryRecord.empty()) AppendUserGeometry(folder, geometryRecord);
    result.ok = true;
    const ReadResult back = ReadWholeTextFile(path);
    if (back.ok) {
        result.userText = back.text;
        return result;
    }
    // The lock is still held, so the file holds exactly what was written: the list goes on
    // from that, and the user learns that the file itself could not be read.
    const size_t zero = bytes.find('\0');
    result.userText = Cp1251ToUtf8(zero == std::string::npos ? bytes : bytes.substr(0, zero));
    result.warning = Phrase("Сердечник записан в файл \"{1}\", но прочитать этот файл заново не удалось", {path});
    return result;
}

bool CreateUserCoresFile(const std::string& dataRoot) {
    const std::string folder = JoinPath(dataRoot, kCoresFolder);
    const FolderLock lock(folder);
    if (!lock.Held()) return false;
    const int fd = ::open(JoinPath(folder, kUserCoresName).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace fb
