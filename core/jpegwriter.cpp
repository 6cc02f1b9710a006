#include "jpegwriter.h"

#include <array>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <unistd.h>

// jpeglib.h needs <cstdio> first.
#include <jerror.h>
#include <jpeglib.h>

namespace {

// Every libjpeg error comes back here instead of ending the process: error_exit jumps back
// into encodeWith(), which reports the failure.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings and traces stay quiet; the caller only learns success or failure.
void ignoreMessage(j_common_ptr) {}

// A destination that collects the encoded bytes in a buffer and hands every full buffer, and
// the rest at the end, to `flush`. A failing flush aborts the encoding as a write error.
struct BufferedDestination {
    using Flush = bool (*)(void* context, const JOCTET* data, std::size_t size);

    jpeg_destination_mgr pub{};
    Flush flush = nullptr;
    void* context = nullptr;
    std::array<JOCTET, 64 * 1024> buffer{};

    BufferedDestination(Flush f, void* c)
        : flush(f)
        , context(c) {
        pub.init_destination = &init;
        pub.empty_output_buffer = &emptyBuffer;
        pub.term_destination = &term;
    }

    static BufferedDestination* of(j_compress_ptr cinfo) {
        return reinterpret_cast<BufferedDestination*>(cinfo->dest);
    }
    static void init(j_compress_ptr cinfo) {
        BufferedDestination* self = of(cinfo);
        self->pub.next_output_byte = self->buffer.data();
        self->pub.free_in_buffer = self->buffer.size();
    }
    static boolean emptyBuffer(j_compress_ptr cinfo) {
        BufferedDestination* self = of(cinfo);
        if (!self->flush(self->context, self->buffer.data(), self->buffer.size()))
            ERREXIT(cinfo, JERR_FILE_WRITE);
        init(cinfo);
        return TRUE;
    }
    static void term(j_compress_ptr cinfo) {
        BufferedDestination* self = of(cinfo);
        const std::size_t used = self->buffer.size() - self->pub.free_in_buffer;
        if (used > 0 && !self->flush(self->context, self->buffer.data(), used))
            ERREXIT(cinfo, JERR_FILE_WRITE);
    }
};
static_assert(offsetof(BufferedDestination, pub) == 0);

// Row `y` of `source` (RGB32 or RGB888) as 24-bit RGB: the row itself, or converted into
// `buffer`. Converting here keeps the work on the calling thread (Qt's own conversion may hand
// large images to its thread pool, which a forked process no longer has).
JSAMPROW rgbRow(const QImage& source, int y, JSAMPLE* buffer) {
    if (source.format() == QImage::Format_RGB888)
        return const_cast<JSAMPROW>(source.constScanLine(y));
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    const int width = source.width();
    JSAMPLE* out = buffer;
    for (int x = 0; x < width; ++x, out += 3) {
        const QRgb pixel = in[x]; // read once: the byte stores below may alias it
        out[0] = JSAMPLE(qRed(pixel));
        out[1] = JSAMPLE(qGreen(pixel));
        out[2] = JSAMPLE(qBlue(pixel));
    }
    return buffer;
}

// Runs the compressor over `source` (RGB32 or RGB888). All objects with destructors live in the
// caller, so a jump back from libjpeg skips none.
bool compress(const QImage& source, JSAMPLE* rowBuffer, jpeg_destination_mgr* dest) {
    jpeg_compress_struct cinfo{};
    ErrorManager error{};
    cinfo.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = &jumpBack;
    error.pub.output_message = &ignoreMessage;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    cinfo.dest = dest;
    cinfo.image_width = JDIMENSION(source.width());
    cinfo.image_height = JDIMENSION(source.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kJpegQuality, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rgbRow(source, int(cinfo.next_scanline), rowBuffer);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

bool encodeWith(const QImage& image, BufferedDestination::Flush flush, void* context) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return false;
    const QImage source =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_RGB888
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    std::vector<JSAMPLE> rowBuffer(std::size_t(source.width()) * 3);
    BufferedDestination destination(flush, context);
    return compress(source, rowBuffer.data(), &destination.pub);
}

bool writeAll(void* context, const JOCTET* data, std::size_t size) {
    const int fd = *static_cast<int*>(context);
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

bool appendTo(void* context, const JOCTET* data, std::size_t size) {
    static_cast<QByteArray*>(context)->append(reinterpret_cast<const char*>(data), qsizetype(size));
    return true;
}

} // namespace

bool writeJpegStream(const QImage& image, int fd) {
    return encodeWith(image, &writeAll, &fd);
}

std::optional<QByteArray> encodeJpeg(const QImage& image) {
    QByteArray bytes;
    if (!encodeWith(image, &appendTo, &bytes))
        return std::nullopt;
    return bytes;
}
