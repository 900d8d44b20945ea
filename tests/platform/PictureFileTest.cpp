#include "BmpBytes.h"
#include "FileOpenError.h"
#include "PictureFile.h"
#include "QtPrinting.h"
#include "ScratchAssetDirectory.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr QSize digitSize(41, 35);
const QColor topColour(200, 30, 30);
const QColor bottomColour(30, 30, 200);

// A digit-sized picture, top half one colour and bottom half another, saved
// by Qt at the bit depth its format and colour count lead to.
QImage twoTone(QImage::Format format, int colours)
{
    QImage image(digitSize, QImage::Format_RGB32);
    image.fill(bottomColour);
    for (int y = 0; y < digitSize.height() / 2; ++y) {
        for (int x = 0; x < digitSize.width(); ++x)
            image.setPixelColor(x, y, topColour);
    }
    if (format == QImage::Format_RGB32)
        return image;
    QList<QRgb> table = {topColour.rgb(), bottomColour.rgb()};
    while (table.size() < colours)
        table.append(qRgb(table.size(), table.size(), table.size()));
    return image.convertToFormat(format, table);
}

quint16 bitCountOf(const QByteArray& bmp)
{
    return qFromLittleEndian<quint16>(bmp.constData() + 28);
}

// Rows stored top row first, which the header marks by a negative height.
QByteArray topDown(QByteArray bmp)
{
    const qint32 height = qFromLittleEndian<qint32>(bmp.constData() + 22);
    qToLittleEndian<qint32>(-height, bmp.data() + 22);
    const qsizetype offBits = qFromLittleEndian<quint32>(bmp.constData() + 10);
    const qsizetype rowBytes = (bmp.size() - offBits) / height;
    QByteArray flipped = bmp.left(offBits);
    for (qsizetype row = height - 1; row >= 0; --row)
        flipped += bmp.mid(offBits + row * rowBytes, rowBytes);
    return flipped;
}

struct BmpCase {
    const char* label;
    QByteArray bytes;
    int bitCount;
    friend void PrintTo(const BmpCase& row, std::ostream* out) { *out << row.label; }
};

std::vector<BmpCase> bmpCases()
{
    return {
        {"mono", EncodedImage(twoTone(QImage::Format_Mono, 2)), 1},
        {"sixteen_colours", EncodedImage(twoTone(QImage::Format_Indexed8, 16)), 4},
        {"palette", EncodedImage(twoTone(QImage::Format_Indexed8, 256)), 8},
        {"true_colour", EncodedImage(twoTone(QImage::Format_RGB32, 0)), 24},
        {"true_colour_top_down", topDown(EncodedImage(twoTone(QImage::Format_RGB32, 0))), 24},
    };
}

class WholeAndCutBmp : public ::testing::TestWithParam<BmpCase> {
protected:
    ScratchAssetDirectory scratch_;
};

TEST_P(WholeAndCutBmp, LoadsWholeAndRefusesOneByteShort)
{
    const BmpCase& bmp = GetParam();
    ASSERT_EQ(bitCountOf(bmp.bytes), bmp.bitCount) << "Qt saved another depth than meant";

    scratch_.write("whole.bmp", bmp.bytes);
    const QImage loaded = LoadPictureFile("whole.bmp").toImage();
    EXPECT_EQ(loaded.size(), digitSize);
    EXPECT_EQ(loaded.pixelColor(0, 0), topColour);
    EXPECT_EQ(loaded.pixelColor(digitSize.width() - 1, digitSize.height() - 1), bottomColour);

    scratch_.write("cut.bmp", bmp.bytes.chopped(1));
    EXPECT_THROW(LoadPictureFile("cut.bmp"), FileOpenError);
}

INSTANTIATE_TEST_SUITE_P(Depths, WholeAndCutBmp, ::testing::ValuesIn(bmpCases()));

struct BadFileCase {
    const char* label;
    QString fileName;
    std::function<QByteArray()> contents; // empty: the file is not there
    friend void PrintTo(const BadFileCase& row, std::ostream* out) { *out << row.label; }
};

class BadPictureFile : public ::testing::TestWithParam<BadFileCase> {
protected:
    ScratchAssetDirectory scratch_;
};

TEST_P(BadPictureFile, ThrowsFileOpenErrorNamingTheFile)
{
    const BadFileCase& bad = GetParam();
    if (bad.contents)
        scratch_.write(bad.fileName, bad.contents());
    else
        scratch_.remove(bad.fileName);
    try {
        LoadPictureFile(bad.fileName);
        FAIL() << "no FileOpenError";
    } catch (const FileOpenError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("\uFF8C\uFF67\uFF72\uFF99 ") + bad.fileName + QStringLiteral(" は開けません"));
    }
}

QByteArray wholeDigit()
{
    return EncodedImage(twoTone(QImage::Format_RGB32, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadPictureFile,
    ::testing::Values(
        BadFileCase{"missing", "n7.bmp", {}},
        BadFileCase{"empty", "n1.bmp", [] { return QByteArray(); }},
        BadFileCase{"text", "n2.bmp", [] { return QByteArray("not a picture at all\n"); }},
        BadFileCase{"png_named_bmp", "n3.bmp",
                    [] { return EncodedImage(twoTone(QImage::Format_RGB32, 0), "PNG"); }},
        BadFileCase{"headers_only", "n4.bmp", [] { return wholeDigit().left(54); }},
        BadFileCase{"half_the_rows", "n5.bmp", [] { return wholeDigit().left(wholeDigit().size() / 2); }},
        BadFileCase{"japanese_name", "すうじ.bmp", {}}));

TEST(FileOpenErrorText, WhatIsTheMessageInUtf8)
{
    const FileOpenError error("maru1.bmp");
    EXPECT_EQ(error.message(), QStringLiteral("\uFF8C\uFF67\uFF72\uFF99 maru1.bmp \u306F\u958B\u3051\u307E\u305B\u3093"));
    EXPECT_EQ(QByteArray(error.what()), error.message().toUtf8());
}

} // namespace
