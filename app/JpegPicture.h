#pragma once
// Decoding of a JPEG picture with the IJG library's own interface.

#include <QByteArray>
#include <QImage>

namespace taldor::app {

// The picture as 8-bit RGB, or a null image when the bytes are not a complete, undamaged JPEG
// picture: any error or warning of the decoder (a truncated stream, corrupt entropy data, a
// missing table) refuses it, and so does a picture larger than `maxSide` pixels on a side.
// Never ends the program and writes nothing to the console.
QImage DecodeJpeg(const QByteArray& bytes, int maxSide = 4096);

}  // namespace taldor::app
