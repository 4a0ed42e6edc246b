#include "common/data/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/data/textcodec.h"

namespace fb {
namespace {

// The reasons a user can act on, in the user's language; anything rarer keeps the system's
// (English) text rather than a vague one.
std::string SystemError(int err) {
    switch (err) {
    case EACCES:
    case EPERM: return "нет прав на запись в папку или файл";
    case EROFS: return "папка находится на носителе только для чтения";
    case ENOSPC:
    case EDQUOT: return "на диске нет свободного места";
    case EFBIG: return "превышен допустимый размер файла";
    case ENOENT: return "папка не существует";
    case ENOTDIR: return "часть пути не является папкой";
    case EISDIR: return "под этим именем уже есть папка";
    case EMFILE:
    case ENFILE: return "открыто слишком много файлов";
    case EIO: return "ошибка ввода-вывода";
    default: return std::strerror(err);
    }
}

WriteResult Fail(const std::string& path, const std::string& why) {
    return WriteResult{false, "Не удалось записать файл \"" + path + "\": " + why};
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a failure here leaves either file whole, so it is ignored.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

ReadResult ReadTextFile(const std::string& path, std::size_t bufferSize) {
    ReadResult result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return result;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return result;
    const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
    std::vector<char> buf(limit + 1);
    const std::size_t n = std::fread(buf.data(), 1, buf.size(), f);
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError) return result;
    std::size_t used = n < limit ? n : limit;
    result.truncated = n > limit;
    const void* zero = std::memchr(buf.data(), 0, used);
    if (zero) used = static_cast<std::size_t>(static_cast<const char*>(zero) - buf.data());
    result.text = Cp1251ToUtf8(std::string_view(buf.data(), used));
    result.ok = true;
    return result;
}

WriteResult WriteTextFileAtomic(const std::string& path, const std::string& utf8) {
    std::string bytes;
    std::string bad;
    if (!Utf8ToCp1251(utf8, bytes, &bad))
        return Fail(path, "символ \"" + bad + "\" нельзя сохранить в кодировке Windows-1251");
    return WriteBytesAtomic(path, bytes);
}

bool ReadAllBytes(const std::string& path, std::string& bytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    char buf[65536];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
}

WriteResult WriteBytesAtomic(const std::string& path, const std::string& bytes) {
    std::string tmpl = path + ".tmp-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Fail(path, SystemError(errno));
    const std::string tmp(name.data());

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        return Fail(path, SystemError(err));
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Fail(path, SystemError(err));
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Fail(path, SystemError(err));
    }
    SyncFolderOf(path);
    return WriteResult{true, {}};
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace fb
