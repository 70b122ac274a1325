// SPDX-License-Identifier: GPL-3.0-or-later
#include "verifiedcopy.h"

#include "exportplan.h"
#include "fileio/safefile.h"
#include "fileio/temporaryname.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace cuelist::cardexport {

namespace {

constexpr std::size_t kChunk = 1024 * 1024;
constexpr std::size_t kAlignment = 4096; // covers the logical block size of every card

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<std::uint8_t, FreeDeleter>;

Buffer AlignedBuffer()
{
    void* p = nullptr;
    if (::posix_memalign(&p, kAlignment, kChunk) != 0)
        return nullptr;
    return Buffer(static_cast<std::uint8_t*>(p));
}

class Fd final
{
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

std::uint32_t Crc(std::uint32_t crc, const std::uint8_t* data, std::size_t size)
{
    return std::uint32_t(::crc32(crc, data, uInt(size)));
}

ssize_t ReadSome(int fd, std::uint8_t* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

// One pass over an open file; EINVAL from the first read of an O_DIRECT descriptor means
// that the file system accepted the flag but cannot honour it.
int ReadAll(int fd, std::uint8_t* buffer, std::uint32_t& crc, std::uint64_t& length,
            const CopyStep& step)
{
    crc = Crc(0, nullptr, 0);
    length = 0;
    for (;;) {
        const ssize_t got = ReadSome(fd, buffer, kChunk);
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        crc = Crc(crc, buffer, std::size_t(got));
        length += std::uint64_t(got);
        if (step && !step(std::uint64_t(got)))
            return ECANCELED;
    }
}

} // namespace

std::string TemporaryNameIn(const std::string& folder)
{
    return folder + fileio::TemporaryName(kExportTemporarySuffix);
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

fileio::FileResult ReadBack(const std::string& path, std::uint32_t& crc, std::uint64_t& length,
                            const CopyStep& step)
{
    const Buffer buffer = AlignedBuffer();
    if (!buffer)
        return fileio::FileResult::System(ENOMEM, path);
    // O_DIRECT reads the device itself. Where it is refused (tmpfs, some FUSE file systems)
    // the clean cached pages are dropped instead, which sends the read to the device on
    // every file system that keeps a page cache in front of one.
    bool direct = true;
    for (;;) {
        Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (direct ? O_DIRECT : 0)));
        if (fd.get() < 0) {
            if (direct && errno == EINVAL) {
                direct = false;
                continue;
            }
            return fileio::FileResult::System(errno, path);
        }
        if (!direct)
            ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
        std::uint64_t stepped = 0;
        const CopyStep counted = [&](std::uint64_t bytes) {
            stepped += bytes;
            return !step || step(bytes);
        };
        const int error = ReadAll(fd.get(), buffer.get(), crc, length, counted);
        if (error == EINVAL && direct && stepped == 0) {
            direct = false;
            continue;
        }
        if (error == ECANCELED)
            return fileio::FileResult::System(ECANCELED, path);
        if (error != 0)
            return fileio::FileResult::System(error, path);
        return fileio::FileResult::Ok();
    }
}

CopyResult CopyVerified(const std::string& source, const std::string& folder, const CopyStep& step)
{
    CopyResult result;
    const auto failed = [&](int error, const std::string& path) {
        result.outcome = error == ECANCELED ? CopyOutcome::Cancelled : CopyOutcome::Failed;
        result.failure = fileio::FileResult::System(error, path);
        return result;
    };

    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat st
    {
    };
    if (in.get() < 0 || ::fstat(in.get(), &st) != 0)
        return failed(errno, source);
    if (!S_ISREG(st.st_mode)) {
        result.outcome = CopyOutcome::Failed;
        result.failure = fileio::FileResult::Fail(fileio::FileFault::NotRegular, source);
        return result;
    }
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    std::string temporary;
    int out = -1;
    for (int attempt = 0; attempt < 100 && out < 0; ++attempt) {
        temporary = TemporaryNameIn(folder);
        out = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (out < 0 && errno != EEXIST)
            break;
    }
    if (out < 0)
        return failed(errno, folder);
    Fd outFd(out);
    // From here on every early return removes the temporary file.
    const auto discard = [&](int error, const std::string& path) {
        if (outFd.get() >= 0)
            outFd.close();
        ::unlink(temporary.c_str());
        return failed(error, path);
    };

    const Buffer buffer = AlignedBuffer();
    if (!buffer)
        return discard(ENOMEM, source);
    std::uint32_t crc = Crc(0, nullptr, 0);
    std::uint64_t length = 0;
    for (;;) {
        const ssize_t got = ReadSome(in.get(), buffer.get(), kChunk);
        if (got < 0)
            return discard(errno, source);
        if (got == 0)
            break;
        if (const int error =
                fileio::WriteAll(outFd.get(), std::span(buffer.get(), std::size_t(got)));
            error != 0)
            return discard(error, temporary);
        crc = Crc(crc, buffer.get(), std::size_t(got));
        length += std::uint64_t(got);
        if (step && !step(std::uint64_t(got)))
            return discard(ECANCELED, temporary);
    }
    if (::fsync(outFd.get()) != 0)
        return discard(errno, temporary);
    // The pages are clean now; dropping them makes the read-back below see the card.
    ::posix_fadvise(outFd.get(), 0, 0, POSIX_FADV_DONTNEED);
    if (const int error = outFd.close(); error != 0)
        return discard(error, temporary);
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_DONTNEED);

    std::uint32_t readCrc = 0;
    std::uint64_t readLength = 0;
    if (fileio::FileResult back = ReadBack(temporary, readCrc, readLength, step); !back.ok())
        return discard(back.error, temporary);
    if (readCrc != crc || readLength != length) {
        ::unlink(temporary.c_str());
        result.outcome = CopyOutcome::Mismatch;
        result.failure = fileio::FileResult::System(EIO, temporary);
        return result;
    }
    result.temporary = temporary;
    result.size = length;
    return result;
}

} // namespace cuelist::cardexport
