// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"

#include <QFile>

#include <tuple>

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
    // The file changed: removed, and then perhaps replaced by a copy of another.
    // Only the last row reports a missing file.
    const std::tuple<const char*, const char*, const char*, const char*, qreal> rows[] = {
        {"as drawn", nullptr, nullptr, "b3", 2},
        {"twin missing", "b3@2x.bmp", nullptr, "b3", 1},
        {"twin unreadable", "b3@2x.bmp", "maru1.wav", "b3", 1},
        {"twin of the plain size", "b3@2x.bmp", "b3.bmp", "b3", 1},
        {"plain missing", "b3.bmp", nullptr, "n3", 2},
    };
    for (const auto& [what, file, copyOf, shown, ratio] : rows) {
        SCOPED_TRACE(what);
        pose(Operation::Subtraction, 5432, 1234);
        if (file)
            assets.remove(file);
        ASSERT_TRUE(!copyOf || QFile::copy(copyOf, file));
        carry(form.Button11, form.Image3);
        EXPECT_EQ(files({form.Image3}), shown);
        EXPECT_EQ(form.Image3->Picture().devicePixelRatio(), ratio);
        EXPECT_EQ(form.Image3->Picture().deviceIndependentSize(), QSizeF(41, 35));
        EXPECT_EQ(boxes.size(), shown == QString("n3") ? 1u : 0u);
        if (file)
            restoreAsset(file);
    }
    // The other upper digits, the sign and the result picture alike: twice
    // as many pixels as the box they fill.
    for (const PictureBox* picture : {form.Image2, form.Image5, form.Image10})
        EXPECT_EQ(picture->Picture().size(), picture->size() * 2) << picture->objectName().toStdString();
}

} // namespace
