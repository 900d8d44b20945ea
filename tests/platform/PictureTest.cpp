// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOpenError.h"
#include "platform/PictureFile.h"
#include "tests/support/ScratchAssetDirectory.h"
#include "widgets/PictureBox.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

const QColor top(200, 30, 30), bottom(30, 30, 200);

// A digit-sized picture, top half one colour and bottom half the other, as Qt
// writes it at the bit depth its format and colour count lead to.
QByteArray twoTone(QImage::Format format, int colours, const char* fileFormat = "BMP")
{
    QImage image(41, 35, QImage::Format_RGB32);
    image.fill(bottom);
    QPainter(&image).fillRect(0, 0, 41, 17, top);
    QList<QRgb> table = {top.rgb(), bottom.rgb()};
    while (table.size() < colours)
        table.append(qRgb(0, 0, int(table.size())));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    (colours ? image.convertToFormat(format, table) : image).save(&buffer, fileFormat);
    return bytes;
}

TEST(PictureFile, LoadsWholeBmpsAndRefusesAnythingElseByName)
{
    const QByteArray rgb = twoTone(QImage::Format_RGB32, 0);
    QByteArray topDown = rgb; // the same rows marked as stored top row first: upside down
    qToLittleEndian<qint32>(-35, topDown.data() + 22);
    // No bytes: the file is not there; no top-left colour: it must be refused.
    struct Case { const char* name; std::optional<QByteArray> bytes; int bitCount; QColor topLeft; };
    const Case cases[] = {
        {"mono.bmp", twoTone(QImage::Format_Mono, 2), 1, top},
        {"sixteen.bmp", twoTone(QImage::Format_Indexed8, 16), 4, top},
        {"palette.bmp", twoTone(QImage::Format_Indexed8, 256), 8, top},
        {"rgb.bmp", rgb, 24, top},
        {"topdown.bmp", topDown, 24, bottom},
        {"missing.bmp", std::nullopt, 0, {}},
        {"すうじ.bmp", QByteArray("not a picture at all\n"), 0, {}},
        {"png.bmp", twoTone(QImage::Format_RGB32, 0, "PNG"), 0, {}},
    };
    ScratchAssetDirectory scratch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bytes)
            scratch.write(c.name, *c.bytes);
        if (c.topLeft.isValid()) {
            ASSERT_EQ(qFromLittleEndian<quint16>(c.bytes->constData() + 28), c.bitCount);
            const QImage loaded = LoadPictureFile(c.name).toImage();
            EXPECT_EQ(loaded.size(), QSize(41, 35));
            EXPECT_EQ(loaded.pixelColor(0, 0), c.topLeft);
            // Qt would show a file cut short with its last rows made up.
            scratch.write(c.name, c.bytes->chopped(1));
        }
        try {
            LoadPictureFile(c.name);
            ADD_FAILURE() << "no FileOpenError";
        } catch (const FileOpenError& error) {
            const std::string message = "ﾌｧｲﾙ " + std::string(c.name) + " は開けません";
            EXPECT_EQ(error.message().toStdString(), message);
            EXPECT_STREQ(error.what(), message.c_str());
        }
    }
}

TEST(PictureBox, SizesToItsPictureAndKeepsItAfterAFailedLoad)
{
    ScratchAssetDirectory scratch;
    scratch.write("broken.bmp", twoTone(QImage::Format_RGB32, 0).chopped(10));
    PictureBox box;
    box.LoadFromFile("maru1.bmp");
    EXPECT_EQ(box.size(), QSize(81, 81));
    box.LoadFromFile("n1.bmp");
    EXPECT_EQ(box.size(), QSize(41, 35));
    const QImage shown = box.Picture().toImage();
    for (const char* bad : {"broken.bmp", "absent.bmp"}) {
        EXPECT_THROW(box.LoadFromFile(bad), FileOpenError) << bad;
        EXPECT_EQ(box.PictureFileName().toStdString(), "n1.bmp");
        EXPECT_EQ(box.size(), QSize(41, 35));
        EXPECT_EQ(box.Picture().toImage(), shown);
    }
    box.SetAutoSize(false);
    box.resize(30, 20);
    box.SetPicture(QPixmap(81, 81));
    EXPECT_EQ(box.size(), QSize(30, 20));
    box.SetAutoSize(true);
    EXPECT_EQ(box.size(), QSize(81, 81));
}

// A parent that counts the mouse events that reach it.
struct MouseCountingParent : QWidget {
    int mouseEvents = 0;
    bool event(QEvent* event) override
    {
        mouseEvents += dynamic_cast<QMouseEvent*>(event) != nullptr;
        return QWidget::event(event);
    }
};

TEST(PictureBox, ClicksOnlyOnALeftPressAndReleaseInsideAndKeepsTheMouseFromItsParent)
{
    using Act = void (*)(QWindow*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int);
    struct Step { Act act; Qt::MouseButton button; bool inside; };
    const struct { const char* label; std::vector<Step> steps; int clicks; } cases[] = {
        {"left click", {{QTest::mouseClick, Qt::LeftButton, true}}, 1},
        {"two left clicks", {{QTest::mouseClick, Qt::LeftButton, true}, {QTest::mouseClick, Qt::LeftButton, true}}, 2},
        {"right click", {{QTest::mouseClick, Qt::RightButton, true}}, 0},
        {"double click counts once", {{QTest::mouseDClick, Qt::LeftButton, true}}, 1},
        {"released outside", {{QTest::mousePress, Qt::LeftButton, true}, {QTest::mouseRelease, Qt::LeftButton, false}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        MouseCountingParent parent;
        parent.resize(200, 120);
        auto* box = new PictureBox(&parent);
        box->setMouseTracking(true); // as the boxes that take a carried symbol
        box->SetPicture(QPixmap(41, 35));
        box->move(20, 20);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
        QSignalSpy clicks(box, &PictureBox::clicked), moves(box, &PictureBox::mouseMoved);
        const QPoint in = box->geometry().center();
        for (const Step& step : c.steps)
            step.act(parent.windowHandle(), step.button, {}, step.inside ? in : QPoint(150, 100), -1);
        moves.clear();
        QTest::mouseMove(parent.windowHandle(), in + QPoint(1, 1));
        QTest::mouseMove(parent.windowHandle(), in + QPoint(2, 2));
        EXPECT_EQ(clicks.count(), c.clicks);
        EXPECT_EQ(moves.count(), 2) << "moves are heard with no button held";
        EXPECT_EQ(parent.mouseEvents, 0);
    }
}

// Built into the static platform library, they must still be found from a
// program that merely links it.
TEST(PictureArt, BuiltInPicturesLoadAtTheirSizes)
{
    const std::pair<const char*, QSize> cases[] = {
        {":/art/startup.png", {81, 81}}, {":/art/help_button.png", {33, 33}},
        {":/art/placeholder.png", {41, 35}}, {":/icons/16.png", {16, 16}}, {":/icons/32.png", {32, 32}},
        {":/icons/48.png", {48, 48}}, {":/icons/64.png", {64, 64}}, {":/icons/128.png", {128, 128}},
        {":/icons/256.png", {256, 256}}};
    for (const auto& [path, size] : cases)
        EXPECT_EQ(QPixmap(path).size(), size) << path;
}

} // namespace
