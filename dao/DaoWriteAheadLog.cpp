// The write-ahead log read frame by frame, as a recovery reads it, and its
// committed pages compared with the file.

#include "dao/DaoWriteAheadLog.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

constexpr std::uint32_t kLogMagic = 0x377f0682; // the low bit tells the checksums' byte order
constexpr std::uint32_t kLogVersion = 3007000;
constexpr std::size_t kLogHeaderBytes = 32;
constexpr std::size_t kFrameHeaderBytes = 24;

std::uint32_t BigEndian32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

std::uint32_t LittleEndian32(const unsigned char* p) {
    return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) |
           std::uint32_t{p[0]};
}

// The log's running checksum: two 32-bit sums over pairs of 32-bit words,
// read in the byte order the header's magic gives.
struct Checksum {
    std::uint32_t s1 = 0, s2 = 0;
    bool bigEndian = true;

    void Add(const unsigned char* data, std::size_t bytes) {
        for (std::size_t at = 0; at + 8 <= bytes; at += 8) {
            const std::uint32_t w0 = bigEndian ? BigEndian32(data + at) : LittleEndian32(data + at);
            const std::uint32_t w1 =
                bigEndian ? BigEndian32(data + at + 4) : LittleEndian32(data + at + 4);
            s1 += w0 + s2;
            s2 += w1 + s1;
        }
    }
    bool Matches(const unsigned char* stored) const {
        return BigEndian32(stored) == s1 && BigEndian32(stored + 4) == s2;
    }
};

bool ReadAt(int fd, unsigned char* buffer, std::size_t bytes, off_t at) {
    std::size_t done = 0;
    while (done < bytes) {
        const ssize_t got = pread(fd, buffer + done, bytes - done, at + static_cast<off_t>(done));
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

DaoLogExamination ExamineWriteAheadLog(int logFd, int fileFd,
                                       std::chrono::steady_clock::time_point deadline) {
    DaoLogExamination result;
    struct stat logStat {};
    struct stat fileStat {};
    if (fstat(logFd, &logStat) != 0 || fstat(fileFd, &fileStat) != 0)
        return {DaoLogState::Unreadable};
    const auto logSize = static_cast<std::uint64_t>(logStat.st_size);
    if (logSize < kLogHeaderBytes) return result;

    unsigned char header[kLogHeaderBytes];
    if (!ReadAt(logFd, header, sizeof header, 0)) return {DaoLogState::Unreadable};
    const std::uint32_t magic = BigEndian32(header);
    const std::uint32_t pageSize = BigEndian32(header + 8);
    if ((magic & ~1u) != kLogMagic || pageSize < 512 || pageSize > 65536 ||
        (pageSize & (pageSize - 1)) != 0)
        return result; // not a log's header: the engine would take the log as empty
    Checksum checksum;
    checksum.bigEndian = (magic & 1u) != 0;
    checksum.Add(header, 24);
    if (!checksum.Matches(header + 24)) return result;
    if (BigEndian32(header + 4) != kLogVersion) return {DaoLogState::UnknownVersion};

    // The frames while they are valid; each page's latest frame up to the
    // last commit, and the file's size in pages that commit states.
    const std::size_t frameBytes = kFrameHeaderBytes + pageSize;
    std::string frame(frameBytes, '\0');
    auto* bytes = reinterpret_cast<unsigned char*>(frame.data());
    std::unordered_map<std::uint32_t, std::uint64_t> pending, committed;
    std::uint32_t committedPages = 0;
    bool anyCommit = false;
    for (std::uint64_t at = kLogHeaderBytes; at + frameBytes <= logSize; at += frameBytes) {
        if (std::chrono::steady_clock::now() > deadline) return {DaoLogState::TooSlow};
        if (!ReadAt(logFd, bytes, frameBytes, static_cast<off_t>(at)))
            return {DaoLogState::Unreadable};
        const std::uint32_t page = BigEndian32(bytes);
        if (page == 0 || std::memcmp(bytes + 8, header + 16, 8) != 0) break;
        checksum.Add(bytes, 8);
        checksum.Add(bytes + kFrameHeaderBytes, pageSize);
        if (!checksum.Matches(bytes + 16)) break;
        pending[page] = at + kFrameHeaderBytes;
        if (const std::uint32_t pagesAfterCommit = BigEndian32(bytes + 4)) {
            for (const auto& [number, offset] : pending)
                committed[number] = offset;
            pending.clear();
            committedPages = pagesAfterCommit;
            anyCommit = true;
        }
    }
    if (!anyCommit) return result;

    // Folded in: the file holds the committed size and every committed page.
    result.state = DaoLogState::FoldedIn;
    if (static_cast<std::uint64_t>(fileStat.st_size) != std::uint64_t{committedPages} * pageSize)
        ++result.changedPages;
    std::string logPage(pageSize, '\0'), filePage(pageSize, '\0');
    for (const auto& [number, offset] : committed) {
        if (number > committedPages) continue; // cut off by the commit
        if (std::chrono::steady_clock::now() > deadline) return {DaoLogState::TooSlow};
        if (!ReadAt(logFd, reinterpret_cast<unsigned char*>(logPage.data()), pageSize,
                    static_cast<off_t>(offset)))
            return {DaoLogState::Unreadable};
        const off_t fileOffset = static_cast<off_t>(std::uint64_t{number - 1} * pageSize);
        if (!ReadAt(fileFd, reinterpret_cast<unsigned char*>(filePage.data()), pageSize,
                    fileOffset) ||
            logPage != filePage)
            ++result.changedPages;
    }
    if (result.changedPages) result.state = DaoLogState::HoldsChanges;
    return result;
}
