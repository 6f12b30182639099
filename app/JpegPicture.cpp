#include "JpegPicture.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

namespace taldor::app {

namespace {

// The library's default error handler prints the message and calls exit(); this one returns to
// the decoding call instead, by longjmp, so that a damaged picture costs only the picture.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(manager->jump, 1);
}

// Warnings (level -1) are counted, trace messages ignored; nothing goes to stderr.
void EmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0) ++cinfo->err->num_warnings;
}

void OutputMessage(j_common_ptr) {}

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager error;
};

// Everything between setjmp and the end of the decoding lives in `decoder` and `image`, which
// the caller owns: nothing here has a destructor that a longjmp could skip.
bool Decode(Decoder* decoder, const unsigned char* data, unsigned long size, int maxSide,
            QImage* image) {
    jpeg_decompress_struct* cinfo = &decoder->cinfo;
    cinfo->err = jpeg_std_error(&decoder->error.pub);
    decoder->error.pub.error_exit = ErrorExit;
    decoder->error.pub.emit_message = EmitMessage;
    decoder->error.pub.output_message = OutputMessage;
    if (setjmp(decoder->error.jump)) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, data, size);
    if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK || cinfo->image_width == 0 ||
        cinfo->image_height == 0 || cinfo->image_width > static_cast<JDIMENSION>(maxSide) ||
        cinfo->image_height > static_cast<JDIMENSION>(maxSide)) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    cinfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(cinfo);
    if (cinfo->output_components != 3) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    *image = QImage(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    const bool clean = decoder->error.pub.num_warnings == 0;
    jpeg_destroy_decompress(cinfo);
    return clean;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes, int maxSide) {
    Decoder decoder{};
    QImage image;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (!Decode(&decoder, data, static_cast<unsigned long>(bytes.size()), maxSide, &image))
        return QImage();
    return image;
}

}  // namespace taldor::app
