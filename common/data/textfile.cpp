#include "common/data/textfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "common/data/english.h"
#include "common/data/textcodec.h"

namespace fb {
namespace {

// The reasons a user can act on, in the user's language; anything rarer keeps the system's
// (English) text rather than a vague one.
std::string SystemError(int err) {
    switch (err) {
    case EACCES:
    case EPERM: return Localized("нет прав на запись в папку или файл");
    case EROFS: return Localized("папка находится на носителе только для чтения");
    case ENOSPC:
    case EDQUOT: return Localized("на диске нет свободного места");
    case EFBIG: return Localized("превышен допустимый размер файла");
    case ENOENT: return Localized("папка не существует");
    case ENOTDIR: return Localized("часть пути не является папкой");
    case EISDIR: return Localized("под этим именем уже есть папка");
    case EMFILE:
    case ENFILE: return Localized("открыто слишком много файлов");
    case EIO: return Localized("ошибка ввода-вывода");
    default: return std::strerror(err);
    }
}

WriteResult Fail(const std::string& path, const std::string& why) {
    return WriteResult{false, Phrase("Не удалось записать файл \"{1}\": {2}", {path, why})};
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

// Short, so that a target name of up to 255 bytes still leaves room for it; hidden, so the
// saved-file lists never show one.
constexpr const char* kTempPrefix = ".fbtmp.";
constexpr std::size_t kTempNameLength = 13;  // the prefix and mkstemp's six characters

// The folder part of a path with its trailing "/"; "" for a plain name.
std::string FolderPart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a write lands on: the end of a chain of symbolic links, so the link itself stays.
// A chain that does not end is left to the rename, which then replaces the first link.
std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> buf(PATH_MAX + 1);
        const ssize_t n = ::readlink(current.c_str(), buf.data(), buf.size() - 1);
        if (n <= 0) return current;
        const std::string target(buf.data(), static_cast<size_t>(n));
        current = target[0] == '/' ? target : FolderPart(current) + target;
    }
    return path;
}

// The replaced file's owner (root writing a user's file must not take it over) and
// permissions; a new file gets the usual ones. Ownership that cannot be given is left.
void KeepOwnerAndMode(int fd, const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
        ::fchmod(fd, st.st_mode & 07777);  // after fchown, which may clear set-id bits
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

// Makes the rename itself durable; a failure here leaves either file whole, so it is ignored.
void SyncFolderOf(const std::string& path) {
    const std::string part = FolderPart(path);
    const std::string folder = part.empty() ? "." : part;
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
        return Fail(path, Phrase("символ \"{1}\" нельзя сохранить в кодировке Windows-1251", {bad}));
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
    const std::string target = ResolveLinks(path);
    std::string tmpl = FolderPart(target) + kTempPrefix + "XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return Fail(path, SystemError(errno));
    const std::string tmp = tmpl;
    KeepOwnerAndMode(fd, target);

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
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Fail(path, SystemError(err));
    }
    SyncFolderOf(target);
    return WriteResult{true, {}};
}

int RemoveStaleTemporaries(const std::string& folder, int maxAgeSeconds) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    const std::time_t now = std::time(nullptr);
    const std::size_t prefixLength = std::strlen(kTempPrefix);
    int removed = 0;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() != kTempNameLength || name.compare(0, prefixLength, kTempPrefix) != 0) continue;
        const std::string path = JoinPath(folder, name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (now - st.st_mtime <= maxAgeSeconds) continue;  // a writer may be at work on it
        removed += ::unlink(path.c_str()) == 0;
    }
    ::closedir(dir);
    return removed;
}

ReadResult ReadWholeTextFile(const std::string& path) {
    ReadResult result;
    std::string bytes;
    if (!ReadAllBytes(path, bytes)) return result;
    const size_t zero = bytes.find('\0');
    if (zero != std::string::npos) bytes.resize(zero);
    result.text = Cp1251ToUtf8(bytes);
    result.ok = true;
    return result;
}

std::string SystemErrorText(int err) { return SystemError(err); }

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
