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

// The same for bytes that are already Windows-1251.
WriteResult WriteBytesAtomic(const std::string& path, const std::string& bytes);

// The whole file as raw bytes, unbounded; false when it cannot be read.
bool ReadAllBytes(const std::string& path, std::string& bytes);

bool FileExists(const std::string& path);

// Joins a folder (with or without trailing separator) and a relative name.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace fb
