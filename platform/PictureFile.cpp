// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureFile.h"

#include "platform/BoundedFile.h"
#include "platform/FileOpenError.h"

#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

// The largest picture the program could be given: 1024 pixels a side at 32
// bits is 4 MiB of pixels, a quarter of this. Anything larger is refused
// before a byte of it is read.
constexpr qint64 largestPictureFile = 16 << 20;
// No picture of the program comes near this; it bounds the memory a picture
// takes once decoded, whatever its file claims.
constexpr qint64 largestSide = 1024;
constexpr int twinScale = 2;

// Offsets into BITMAPFILEHEADER and the info header that follows it.
constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype offBitsAt = 10;
constexpr qsizetype infoSizeAt = 14;
constexpr qsizetype coreHeaderSize = 12;

// The compressions whose pixels are laid out row by row, each row padded to
// four bytes: plain RGB and the bit-field variants. Only these are read:
// Qt decodes the run-length ones into a buffer it never clears, so runs
// that stop short would show whatever memory held.
constexpr quint32 rowLaidCompressions[] = {0 /* BI_RGB */, 3 /* BI_BITFIELDS */,
                                           6 /* BI_ALPHABITFIELDS */};

template <class T>
T readLittle(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

struct BmpLayout {
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitCount = 0;
    quint32 compression = 0;
};

// Reads the info header, either the old 12-byte core header (16-bit width,
// height, planes, bit count) or the 40-byte or longer one (32-bit width and
// height, planes, bit count, compression). False when the file
// is too short to hold it.
bool readLayout(const QByteArray& bytes, BmpLayout& layout)
{
    if (bytes.size() < fileHeaderSize + 4)
        return false;
    const quint32 infoSize = readLittle<quint32>(bytes, infoSizeAt);
    if (infoSize == coreHeaderSize) {
        if (bytes.size() < fileHeaderSize + coreHeaderSize)
            return false;
        layout.width = readLittle<quint16>(bytes, 18);
        layout.height = readLittle<quint16>(bytes, 20);
        layout.bitCount = readLittle<quint16>(bytes, 24);
        return true;
    }
    if (bytes.size() < fileHeaderSize + 40)
        return false;
    layout.width = readLittle<qint32>(bytes, 18);
    layout.height = std::llabs(readLittle<qint32>(bytes, 22)); // negative: rows top-down
    layout.bitCount = readLittle<quint16>(bytes, 28);
    layout.compression = readLittle<quint32>(bytes, 30);
    return true;
}

// Qt's reader accepts a BMP cut short in its pixel data and leaves the
// missing rows as whatever memory held; such a picture must not be shown.
bool bmpIsWhole(const QByteArray& bytes)
{
    BmpLayout layout;
    if (!readLayout(bytes, layout))
        return false;
    if (layout.width <= 0 || layout.width > largestSide || layout.height == 0 || layout.height > largestSide)
        return false;
    const bool rowLaid = std::find(std::begin(rowLaidCompressions), std::end(rowLaidCompressions),
                                   layout.compression)
        != std::end(rowLaidCompressions);
    const qint64 offBits = readLittle<quint32>(bytes, offBitsAt);
    const qint64 rowBytes = (layout.width * layout.bitCount + 31) / 32 * 4;
    return rowLaid && offBits + rowBytes * layout.height <= bytes.size();
}

} // namespace

QPixmap LoadPictureFile(const QString& bareName)
{
    const std::optional<QByteArray> bytes = ReadBoundedFile(bareName, largestPictureFile);
    if (!bytes || !bytes->startsWith("BM") || !bmpIsWhole(*bytes))
        throw FileOpenError(bareName);
    const QImage image = QImage::fromData(*bytes, "BMP");
    if (image.isNull())
        throw FileOpenError(bareName);
    return QPixmap::fromImage(image);
}

QString TwinPictureFile(const QString& bareName)
{
    const QFileInfo plain(bareName);
    return plain.completeBaseName() + QStringLiteral("@2x.") + plain.suffix();
}

std::optional<QPixmap> LoadTwinPicture(const QString& bareName, const QPixmap& plain)
{
    try {
        QPixmap twin = LoadPictureFile(TwinPictureFile(bareName));
        if (twin.size() != plain.size() * twinScale)
            return std::nullopt;
        twin.setDevicePixelRatio(twinScale);
        return twin;
    } catch (const FileOpenError&) {
        return std::nullopt;
    }
}
