// SPDX-License-Identifier: GPL-3.0-or-later
#include "heif_reader.h"

#include <libheif/heif.h>

#include <memory>

#include <QIODevice>

namespace {

// libheif reads through the same device as every other decoder.
heif_reader fileReader() {
    heif_reader reader{};
    reader.reader_api_version = 1;
    reader.get_position = [](void* file) -> int64_t {
        return static_cast<QIODevice*>(file)->pos();
    };
    reader.read = [](void* data, size_t size, void* file) -> int {
        auto* device = static_cast<QIODevice*>(file);
        return device->read(static_cast<char*>(data), qint64(size)) == qint64(size) ? 0 : 1;
    };
    reader.seek = [](int64_t position, void* file) -> int {
        return static_cast<QIODevice*>(file)->seek(position) ? 0 : 1;
    };
    reader.wait_for_file_size = [](int64_t size, void* file) {
        return size <= static_cast<QIODevice*>(file)->size()
                   ? heif_reader_grow_status_size_reached
                   : heif_reader_grow_status_size_beyond_eof;
    };
    return reader;
}

// libheif's objects, each given back to it when done.
template <auto Free>
struct Freed {
    template <typename T>
    void operator()(T* p) const {
        Free(p);
    }
};
using Context = std::unique_ptr<heif_context, Freed<heif_context_free>>;
using Handle = std::unique_ptr<heif_image_handle, Freed<heif_image_handle_release>>;
using Image = std::unique_ptr<heif_image, Freed<heif_image_release>>;

}  // namespace

bool looksLikeHeif(QIODevice& file) {
    const QByteArray start = file.peek(32);
    return heif_check_filetype(reinterpret_cast<const uint8_t*>(start.constData()),
                               int(start.size())) == heif_filetype_yes_supported;
}

ReadPicture readHeif(QIODevice& file) {
    const Context context(heif_context_alloc());
    heif_context_set_maximum_image_size_limit(context.get(), kMaxPictureSide);
    const heif_reader reader = fileReader();
    if (const heif_error error =
            heif_context_read_from_reader(context.get(), &reader, &file, nullptr);
        error.code != heif_error_Ok) {
        // The limit on a side is checked as the file's boxes are read.
        return {{},
                error.subcode == heif_suberror_Security_limit_exceeded ? PictureProblem::TooLarge
                                                                       : PictureProblem::Damaged};
    }
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok) {
        return {{}, PictureProblem::Damaged};
    }
    const Handle handle(primary);
    // The size the file declares, checked before anything is decoded.
    if (!fitsPictureBounds(heif_image_handle_get_width(primary),
                           heif_image_handle_get_height(primary))) {
        return {{}, PictureProblem::TooLarge};
    }
    const bool alpha = heif_image_handle_has_alpha_channel(primary);
    heif_image* decoded = nullptr;
    if (heif_decode_image(primary, &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          nullptr)
            .code != heif_error_Ok) {
        return {{}, PictureProblem::Damaged};
    }
    const Image image(decoded);
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || !fitsPictureBounds(width, height) || width <= 0 || height <= 0) {
        return {{}, PictureProblem::Damaged};
    }
    // The decoder's buffer, seen as a picture, then copied once into the form that paints.
    const QImage view(pixels, width, height, stride,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    return {
        view.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32),
        PictureProblem::None};
}
