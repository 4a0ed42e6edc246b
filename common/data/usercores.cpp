#include "common/data/usercores.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "common/data/corebase.h"
#include "common/data/coregeometry.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

// An advisory lock on the cores folder: both programs take it, so two appends made at the
// same moment both land. Where locking is not possible the append goes on unlocked.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder) : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY)) {
        if (m_fd >= 0) ::flock(m_fd, LOCK_EX);
    }
    ~FolderLock() {
        if (m_fd >= 0) {
            ::flock(m_fd, LOCK_UN);
            ::close(m_fd);
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd;
};

}  // namespace

AppendCoreResult AppendUserCore(const std::string& dataRoot, const std::string& record, std::size_t bufferSize,
                                const std::string& geometryRecord) {
    AppendCoreResult result;
    std::string recordBytes, bad;
    const std::string folder = JoinPath(dataRoot, kCoresFolder);
    const std::string path = JoinPath(folder, kUserCoresName);
    if (!Utf8ToCp1251(record, recordBytes, &bad)) {
        result.error = "Не удалось записать файл \"" + path + "\": символ \"" + bad +
                       "\" нельзя сохранить в кодировке Windows-1251";
        return result;
    }
    FolderLock lock(folder);
    std::string bytes;
    if (FileExists(path) && !ReadAllBytes(path, bytes)) {
        result.error = "Не удалось прочитать файл \"" + path + "\"";
        return result;
    }
    const WriteResult w = WriteBytesAtomic(path, bytes + recordBytes);
    if (!w.ok) {
        result.error = w.error;
        return result;
    }
    if (!geometryRecord.empty()) AppendUserGeometry(folder, geometryRecord);
    result.userText = ReadTextFile(path, bufferSize).text;
    result.ok = true;
    return result;
}

}  // namespace fb
