// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3length.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mpg123.h>
#include <mutex>
#include <unistd.h>

namespace cuelist {

namespace {

bool InitializeLibrary()
{
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = mpg123_init() == MPG123_OK; });
    return ok;
}

// Reads the descriptor through a buffer of its own: libmpg123 asks for every frame header
// and body separately, which would be two system calls a frame.
struct BufferedFile
{
    static constexpr std::size_t kSize = 64 * 1024;
    int fd = -1;
    off_t position = 0; // of buffer[0] in the file
    std::size_t filled = 0;
    std::size_t next = 0;
    std::unique_ptr<unsigned char[]> buffer{new unsigned char[kSize]};

    static ssize_t Read(void* handle, void* to, size_t count)
    {
        auto* self = static_cast<BufferedFile*>(handle);
        std::size_t done = 0;
        while (done < count) {
            if (self->next == self->filled) {
                self->position += off_t(self->filled);
                self->filled = self->next = 0;
                ssize_t got = 0;
                do
                    got = ::read(self->fd, self->buffer.get(), kSize);
                while (got < 0 && errno == EINTR);
                if (got < 0)
                    return done > 0 ? ssize_t(done) : -1;
                if (got == 0)
                    break;
                self->filled = std::size_t(got);
            }
            const std::size_t part = std::min(count - done, self->filled - self->next);
            std::memcpy(static_cast<unsigned char*>(to) + done, self->buffer.get() + self->next,
                        part);
            self->next += part;
            done += part;
        }
        return ssize_t(done);
    }

    static off_t Seek(void* handle, off_t offset, int whence)
    {
        auto* self = static_cast<BufferedFile*>(handle);
        const off_t current = self->position + off_t(self->next);
        off_t target = offset;
        if (whence == SEEK_CUR)
            target = current + offset;
        else if (whence == SEEK_END) {
            const off_t end = ::lseek(self->fd, 0, SEEK_END);
            if (end < 0)
                return -1;
            target = end + offset;
        } else if (whence != SEEK_SET)
            return -1;
        if (target < 0)
            return -1;
        // Inside the buffer: no system call.
        if (target >= self->position && target <= self->position + off_t(self->filled)) {
            self->next = std::size_t(target - self->position);
            return target;
        }
        if (::lseek(self->fd, target, SEEK_SET) != target)
            return -1;
        self->position = target;
        self->filled = self->next = 0;
        return target;
    }
};

struct Handle
{
    mpg123_handle* h = nullptr;
    ~Handle()
    {
        if (h) {
            mpg123_close(h);
            mpg123_delete(h);
        }
    }
};

// Samples an MPEG Layer III decoder puts out before the first one of the signal.
constexpr off_t kDecoderDelay = 529;

} // namespace

std::optional<std::int64_t> Mp3LengthOf(int fd)
{
    if (fd < 0 || !InitializeLibrary() || ::lseek(fd, 0, SEEK_SET) != 0)
        return std::nullopt;
    BufferedFile file;
    file.fd = fd;
    Handle handle; // closed before the buffer goes
    int error = MPG123_OK;
    handle.h = mpg123_new(nullptr, &error);
    if (!handle.h)
        return std::nullopt;
    // Gapless: the LAME tag's delay and padding are trimmed, as the preview's decoder does.
    // A tag's frame count is not trusted: files joined with cat, cut off or carrying a bad
    // count would be given the wrong length, so every frame header is read (the frame bodies
    // are not decoded).
    const long flags = MPG123_GAPLESS | MPG123_QUIET | MPG123_SKIP_ID3V2;
    if (mpg123_param(handle.h, MPG123_FLAGS, flags, 0) != MPG123_OK ||
        mpg123_replace_reader_handle(handle.h, &BufferedFile::Read, &BufferedFile::Seek, nullptr) !=
            MPG123_OK ||
        mpg123_open_handle(handle.h, &file) != MPG123_OK)
        return std::nullopt;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle.h, &rate, &channels, &encoding) != MPG123_OK || rate <= 0)
        return std::nullopt;
    // What the tag promises, before the scan replaces it with what the file holds.
    const off_t taggedFrames = mpg123_framelength(handle.h);
    long delay = -1;
    double unused = 0;
    mpg123_getstate(handle.h, MPG123_ENC_DELAY, &delay, &unused);
    if (mpg123_scan(handle.h) != MPG123_OK)
        return std::nullopt;
    const off_t frames = mpg123_framelength(handle.h);
    off_t samples = mpg123_length(handle.h);
    // A tag that promises more frames than the file holds (a copy cut off, a bad count):
    // libmpg123 then trims nothing, while the preview's decoder still drops the encoder's
    // delay at the start (and the decoder's own 529 samples) and plays the rest to its end.
    if (delay >= 0 && taggedFrames > frames && frames > 0)
        samples = frames * off_t(mpg123_spf(handle.h)) - off_t(delay) - kDecoderDelay;
    if (samples <= 0)
        return std::nullopt;
    return std::int64_t(samples) * 1000 / rate;
}

} // namespace cuelist
