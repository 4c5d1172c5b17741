#include "Jpeg.h"

#include "SysUtils.h"

#include <QByteArray>
#include <QSysInfo>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. Ours jumps back
// to the guarded call that is running (see the Guarded routines below), which then throws.
// Warnings (a truncated or corrupt stream) are treated as errors too: libjpeg would otherwise
// go on and paint the missing part grey.
struct TJpegErrorManager {
    jpeg_error_mgr Base{};
    std::jmp_buf Jump{};
    char Message[JMSG_LENGTH_MAX] = {};
};

void ErrorExit(j_common_ptr Info)
{
    auto* Errors = reinterpret_cast<TJpegErrorManager*>(Info->err);
    Errors->Base.format_message(Info, Errors->Message);
    std::longjmp(Errors->Jump, 1);
}

void EmitMessage(j_common_ptr Info, int Level)
{
    if (Level < 0)
        ErrorExit(Info);
}

// One decompression over a buffer in memory; the libjpeg object lives as long as this does.
class TJpegReader {
public:
    explicit TJpegReader(const QByteArray& Bytes)
        : Source(Bytes)
    {
        Info.err = jpeg_std_error(&Errors.Base);
        Errors.Base.error_exit = ErrorExit;
        Errors.Base.emit_message = EmitMessage;
        jpeg_create_decompress(&Info);
    }
    ~TJpegReader() { jpeg_destroy_decompress(&Info); }
    TJpegReader(const TJpegReader&) = delete;
    TJpegReader& operator=(const TJpegReader&) = delete;

    [[noreturn]] void Fail() const { throw Exception(std::string("Broken JPEG picture: ") + Errors.Message); }

    const QByteArray& Source;
    jpeg_decompress_struct Info{};
    TJpegErrorManager Errors;
};

// The guarded calls hold no objects with destructors, so jumping back into them is safe; each
// returns false when libjpeg failed, with the reason in the reader's error manager.
bool GuardedReadHeader(TJpegReader& Reader)
{
    if (setjmp(Reader.Errors.Jump) != 0)
        return false;
    // jpeg_mem_src itself fails on an empty buffer, so it is guarded too.
    jpeg_mem_src(&Reader.Info, reinterpret_cast<const unsigned char*>(Reader.Source.constData()),
        static_cast<unsigned long>(Reader.Source.size()));
    jpeg_read_header(&Reader.Info, TRUE);
    return true;
}

bool GuardedDecode(TJpegReader& Reader, unsigned char* Bits, qsizetype BytesPerLine)
{
    if (setjmp(Reader.Errors.Jump) != 0)
        return false;
    jpeg_start_decompress(&Reader.Info);
    // A few rows a call, so that libjpeg can hand over a whole row group at once.
    JSAMPROW Rows[16];
    while (Reader.Info.output_scanline < Reader.Info.output_height) {
        const JDIMENSION Wanted
            = std::min<JDIMENSION>(16, Reader.Info.output_height - Reader.Info.output_scanline);
        for (JDIMENSION Index = 0; Index < Wanted; ++Index)
            Rows[Index] = Bits + static_cast<qsizetype>(Reader.Info.output_scanline + Index) * BytesPerLine;
        jpeg_read_scanlines(&Reader.Info, Rows, Wanted);
    }
    jpeg_finish_decompress(&Reader.Info);
    return true;
}

} // namespace

QSize JpegSize(const QByteArray& Bytes)
{
    TJpegReader Reader(Bytes);
    if (!GuardedReadHeader(Reader))
        Reader.Fail();
    return QSize(static_cast<int>(Reader.Info.image_width), static_cast<int>(Reader.Info.image_height));
}

QImage DecodeJpeg(const QByteArray& Bytes)
{
    TJpegReader Reader(Bytes);
    if (!GuardedReadHeader(Reader))
        Reader.Fail();
    // Format_RGB32 holds 0xffRRGGBB words; libjpeg-turbo writes them in memory order directly,
    // with the fourth byte set to 0xff (the "A" spaces guarantee it, the "X" ones do not).
    Reader.Info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    Reader.Info.dct_method = JDCT_ISLOW;
    QImage Image(static_cast<int>(Reader.Info.image_width), static_cast<int>(Reader.Info.image_height),
        QImage::Format_RGB32);
    if (Image.isNull())
        throw Exception("JPEG picture too large: " + std::to_string(Reader.Info.image_width) + " x "
            + std::to_string(Reader.Info.image_height));
    if (!GuardedDecode(Reader, Image.bits(), Image.bytesPerLine()))
        Reader.Fail();
    return Image;
}
