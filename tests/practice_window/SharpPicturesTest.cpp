// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace {

// These windows stand on a screen scaled to 200 %. Qt reads the scale once,
// as the application starts, so it is set before main runs.
const bool onDoubleScale = qputenv("QT_SCALE_FACTOR", "2");

using SharpPictures = DrillWindowsFixture;

// Each picture shows its double-resolution twin at the plain picture's
// size; a twin that is missing, unreadable or of the wrong size leaves the
// plain picture without a word, while a missing plain picture is reported
// as on any screen, twin or not.
TEST_F(SharpPictures, TwinsShownAtThePlainSize)
{
    ASSERT_TRUE(onDoubleScale);
    ASSERT_EQ(form.devicePixelRatioF(), 2);
    QFile plain(QDir(assets.path()).filePath("b3.bmp"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    // No bytes: the file is removed.
    const struct { const char* what; const char* file; std::optional<QByteArray> bytes; const char* shown; qreal ratio; } rows[] = {
        {"as drawn", nullptr, std::nullopt, "b3", 2},
        {"twin missing", "b3@2x.bmp", std::nullopt, "b3", 1},
        {"twin unreadable", "b3@2x.bmp", QByteArray("BM not a picture"), "b3", 1},
        {"twin of the plain size", "b3@2x.bmp", plain.readAll(), "b3", 1},
        {"plain missing", "b3.bmp", std::nullopt, "n3", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        boxes.clear();
        pose(Operation::Subtraction, 5432, 1234);
        if (row.file && row.bytes)
            assets.write(row.file, *row.bytes);
        else if (row.file)
            assets.remove(row.file);
        carry(form.Button11, form.Image3);
        EXPECT_EQ(files({form.Image3}), row.shown);
        EXPECT_EQ(form.Image3->Picture().devicePixelRatio(), row.ratio);
        EXPECT_EQ(form.Image3->Picture().deviceIndependentSize(), QSizeF(41, 35));
        EXPECT_EQ(boxes.size(), row.shown == QString("n3") ? 1u : 0u);
        if (row.file)
            restoreAsset(row.file);
    }
    // The other upper digits, the sign and the result picture alike.
    for (const PictureBox* picture : {form.Image2, form.Image5, form.Image10}) {
        EXPECT_EQ(picture->Picture().devicePixelRatio(), 2) << picture->objectName().toStdString();
        EXPECT_EQ(picture->Picture().deviceIndependentSize(), QSizeF(picture->size()));
    }
}

} // namespace
