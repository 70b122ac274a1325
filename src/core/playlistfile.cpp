#include "playlistfile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuelist {

void ReadImage(SlotTable& table, std::span<const std::uint8_t> image)
{
    const std::size_t count = std::min(image.size(), kImageSize);
    std::copy_n(image.begin(), count, table.Bytes().begin());
}

std::vector<std::uint8_t> BuildImage(const SlotTable& table)
{
    const auto bytes = table.Bytes();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

PrecheckResult ScanImage(std::span<const std::uint8_t> image)
{
    PrecheckResult found;
    const std::size_t count = std::min(image.size(), kImageSize);
    const std::size_t editableEnd = std::size_t(kEditableChannelCount) * kFrameCount * kRecordSize;
    for (std::size_t at = 0; at < count; at += kRecordSize) {
        const std::uint8_t type = image[at];
        if (at < editableEnd)
            found.unknownType = found.unknownType || (type != kTypeEmpty && type != kTypeMp3);
        else
            found.unknownChannel = found.unknownChannel || type != kTypeEmpty;
    }
    return found;
}

std::vector<RemovedRecord> RepairAfterLoad(SlotTable& table)
{
    std::vector<RemovedRecord> removed;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            SlotRecord& r = table.RecordAt(frame, channel);
            const std::uint8_t type = r[record::kType];
            const bool usable = channel <= kEditableChannelCount
                                    ? (type == kTypeEmpty || type == kTypeMp3)
                                    : type == kTypeEmpty;
            if (!usable) {
                removed.push_back({channel, frame, type});
                table.SetSlotFile(frame, channel, " ");
            }
            if (r[record::kType] == kTypeMp3) {
                r[record::kLow] = 15;
                r[record::kHigh] = 15;
            }
        }
    }
    return removed;
}

int ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t limit)
{
    bytes.clear();
    // Opened without blocking so that a FIFO with no writer cannot hang the caller;
    // reads block as usual afterwards.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    int error = 0;
    bytes.resize(limit);
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t got = ::read(fd, bytes.data() + done, limit - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (got == 0)
            break;
        done += std::size_t(got);
    }
    ::close(fd);
    bytes.resize(done);
    return error;
}

namespace {

int WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += std::size_t(wrote);
    }
    return 0;
}

// Creates a new file beside the target under a name no one else uses; the umask applies.
int CreateTemporary(const std::string& path, std::string& temporary)
{
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".%ld.%u.tmp", static_cast<long>(::getpid()),
                      counter.fetch_add(1));
        temporary = folder + "." + base + suffix;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

int WriteFileAtomically(const std::string& linkOrPath, std::span<const std::uint8_t> bytes)
{
    // A symbolic link stays a link: the file it points to is the one replaced.
    std::string path = linkOrPath;
    struct stat link
    {
    };
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char target[PATH_MAX];
        if (::realpath(path.c_str(), target) != nullptr)
            path = target;
    }
    struct stat old
    {
    };
    const bool hadOld = ::stat(path.c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode))
        return EISDIR;

    std::string temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0)
        return errno;
    int error = WriteAll(fd, bytes);
    if (error == 0 && hadOld && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    // Make the rename itself durable; a failure here leaves a complete file either way.
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

} // namespace cuelist
