#include "jpeg_loader.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace trelvist::assets {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; by default it
// ends the process. Ours jumps back to decode() with the message. No object with a destructor
// is created between the setjmp and a longjmp, and the libjpeg state lives in the caller's
// frame, so nothing is skipped or left indeterminate by the jump.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    errors->base.format_message(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// A warning means libjpeg patched over bad or missing data (for a cut-off file it invents the
// end marker); a picture built that way is not what was stored, so it is an error here.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) onError(cinfo);
}

// Fills `image` and returns true, or leaves a message in `d.errors` and returns false.
bool decode(const QByteArray& data, QImage& image, Decoder& d) {
    jpeg_decompress_struct& cinfo = d.cinfo;
    ErrorManager& errors = d.errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        std::snprintf(errors.message, sizeof errors.message, "picture too large (%u x %u)", cinfo.output_width,
                      cinfo.output_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
    Decoder decoder{};
    QImage image;
    if (!decode(data, image, decoder)) throw JpegError(std::string("cannot decode JPEG: ") + decoder.errors.message);
    return image;
}

}  // namespace trelvist::assets
