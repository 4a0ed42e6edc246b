#pragma once
// The one place that reads and writes the programs' text files (data files, settings,
// saved designs, the user core file). Files are Windows-1251; the text handed out is UTF-8.
#include <cstddef>
#include <string>

namespace fb {

// Buffer sizes of the readers. A buffer keeps one byte for the terminating zero, so a
// 100,000-byte buffer holds at most 99,999 bytes of content.
constexpr std::size_t kBigBuffer = 100000;
constexpr std::size_t kPfcCoreBuffer = 99996;
constexpr std::size_t kPfcSmallBuffer = 10000;

struct ReadResult {
    bool ok = false;         // the file could be opened and read
    bool truncated = false;  // content beyond the buffer was left out
    std::string text;        // UTF-8
};

// Reads the file whole: its bytes up to the first zero byte, at most bufferSize - 1 of them,
// decoded from Windows-1251. A longer file is read up to the limit (the rest is ignored,
// as a fixed buffer would) and flagged as truncated.
ReadResult ReadTextFile(const std::string& path, std::size_t bufferSize);

struct WriteResult {
    bool ok = false;
    std::string error;  // a readable Russian sentence when !ok
};

// Writes UTF-8 text as Windows-1251, bytes as given (callers put CR LF themselves).
// Never leaves a half-written file: the text goes into a temporary file beside the target,
// is flushed to disk and renamed over the target, so a crash or a full disk leaves the old
// file whole. A character Windows-1251 cannot hold refuses the write instead of corrupting it.
WriteResult WriteTextFileAtomic(const std::string& path, const std::string& utf8);

// The same for bytes that are already Windows-1251. A target that is a symbolic link is
// written through to the file it points to (the link stays); a replaced file keeps its
// owner and permissions. The temporary file is "<folder>/.fbtmp.XXXXXX", so names up to
// the file system's limit can be written.
WriteResult WriteBytesAtomic(const std::string& path, const std::string& bytes);

// The writer's own temporary files in `folder` (the pattern above) older than maxAgeSeconds,
// left by a writer that was killed; removes them and returns how many went. Other files,
// links and younger temporaries (a write under way) are left alone.
int RemoveStaleTemporaries(const std::string& folder, int maxAgeSeconds = 60);

// The file whole, decoded from Windows-1251, up to its first zero byte (for files that are
// the user's own and grow without bound); ok false when it cannot be read.
ReadResult ReadWholeTextFile(const std::string& path);

// The whole file as raw bytes, unbounded; false when it cannot be read.
bool ReadAllBytes(const std::string& path, std::string& bytes);

bool FileExists(const std::string& path);

// The reason behind a system error number as the messages give it (Russian where the user
// can act on it).
std::string SystemErrorText(int err);

// Joins a folder (with or without trailing separator) and a relative name.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace fb
