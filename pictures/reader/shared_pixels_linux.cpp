// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared_pixels.h"

SharedPixels::SharedPixels(qint64 bytes) : bytes_(bytes) {
    handle_ = memfd_create("pokotamu-picture", MFD_CLOEXEC);
    if (handle_ >= 0 && ftruncate(handle_, off_t(bytes)) != 0) {
        close(handle_);
        handle_ = -1;
    }
}

SharedPixels::~SharedPixels() {
    if (handle_ >= 0) close(handle_);
}

QImage SharedPixels::picture(int width, int height, QImage::Format format, bool written) const {
    const qint64 bytes = qint64(width) * height * 4;
    if (handle_ < 0 || width < 1 || height < 1 || bytes > bytes_) return {};
    // Mapped whole at once: painting then finds every page in place. Pages not yet written would
    // be made here, in the window's time, for nothing.
    const int populate = written ? MAP_POPULATE : 0;
    void* mapped =
        mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_SHARED | populate, handle_, 0);
    if (mapped == MAP_FAILED) return {};
    return QImage(
        static_cast<uchar*>(mapped), width, height, qsizetype(width) * 4, format,
        [](void* info) {
            auto* mapping = static_cast<std::pair<void*, size_t>*>(info);
            munmap(mapping->first, mapping->second);
            delete mapping;
        },
        new std::pair<void*, size_t>(mapped, size_t(bytes)));
}

void mapWritten(const QImage& picture) {
    madvise(const_cast<uchar*>(picture.constBits()), size_t(picture.sizeInBytes()),
            MADV_POPULATE_READ);
}

PixelMemory mapHandedPixels(int handle) {
    struct stat file {};
    if (handle < 0 || fstat(handle, &file) != 0 || file.st_size <= 0) return {};
    void* mapped =
        mmap(nullptr, size_t(file.st_size), PROT_READ | PROT_WRITE, MAP_SHARED, handle, 0);
    if (mapped == MAP_FAILED) return {};
    return {static_cast<uchar*>(mapped), qint64(file.st_size), {}};
}

void prepareForWriting(PixelMemory memory, qint64 bytes) {
    madvise(memory.data, size_t(std::min(bytes, memory.size)), MADV_POPULATE_WRITE);
}
