#pragma once

#include <QImage>
#include <QSize>

class QByteArray;

// JPEG pictures through libjpeg. Both throw Exception on a picture that libjpeg cannot read.

// The picture's size, read from its header alone.
QSize JpegSize(const QByteArray& Bytes);
// The whole picture, decoded into a Format_RGB32 image.
QImage DecodeJpeg(const QByteArray& Bytes);
