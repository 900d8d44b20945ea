#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

// A picture file's bytes as Qt writes them (a BMP at the depth the image's
// format leads to, unless another file format is named).
QByteArray EncodedImage(const QImage& image, const char* format = "BMP");

// A plain picture of one colour, as BMP bytes.
QByteArray PlainBmp(const QSize& size, const QColor& colour);
