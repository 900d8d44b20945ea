#include "BmpBytes.h"
#include "FileOpenError.h"
#include "PictureBox.h"
#include "QtPrinting.h"
#include "ScratchAssetDirectory.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(PictureBoxLoading, AutoSizesToEachPictureAndKeepsTheLastAfterAFailure)
{
    ScratchAssetDirectory scratch;
    scratch.write("n1.bmp", PlainBmp({41, 35}, Qt::white));
    scratch.write("maru1.bmp", PlainBmp({81, 81}, Qt::red));
    scratch.write("broken.bmp", PlainBmp({81, 81}, Qt::red).chopped(10));

    PictureBox box;
    box.LoadFromFile("n1.bmp");
    EXPECT_EQ(box.size(), QSize(41, 35));
    box.LoadFromFile("maru1.bmp");
    EXPECT_EQ(box.size(), QSize(81, 81));
    EXPECT_EQ(box.Picture().toImage().pixelColor(40, 40), QColor(Qt::red));

    box.SetPicture(QPixmap());
    box.LoadFromFile("n1.bmp");
    for (const QString& bad : {QStringLiteral("broken.bmp"), QStringLiteral("absent.bmp")}) {
        EXPECT_THROW(box.LoadFromFile(bad), FileOpenError) << bad.toStdString();
        EXPECT_EQ(box.PictureFileName(), QStringLiteral("n1.bmp"));
        EXPECT_EQ(box.size(), QSize(41, 35));
        EXPECT_EQ(box.Picture().size(), QSize(41, 35));
    }
}

TEST(PictureBoxLoading, WithoutAutoSizeKeepsItsOwnSizeAndPaintsFromTheCorner)
{
    QWidget top;
    auto* box = new PictureBox(&top);
    box->SetAutoSize(false);
    box->setGeometry(10, 10, 30, 20);
    // Only the part the box can show from its top-left corner is white.
    QPixmap picture(41, 35);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, 30, 20, Qt::white);
    box->SetPicture(picture);
    EXPECT_EQ(box->size(), QSize(30, 20));
    EXPECT_EQ(box->PictureFileName(), QString());

    const QImage shown = box->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(30, 20));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(29, 19), QColor(Qt::white));
}

// A parent that counts the mouse events that reach it.
class MouseCountingParent : public QWidget {
public:
    int mouseEvents = 0;

protected:
    bool event(QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
            || type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove)
            ++mouseEvents;
        return QWidget::event(event);
    }
};

struct ClickCase {
    const char* label;
    std::function<void(QWindow*, QPoint inside, QPoint outside)> act;
    int clicks;
    friend void PrintTo(const ClickCase& row, std::ostream* out) { *out << row.label; }
};

class PictureBoxMouse : public ::testing::TestWithParam<ClickCase> {
};

TEST_P(PictureBoxMouse, ClicksOnlyOnALeftPressAndReleaseInside)
{
    MouseCountingParent top;
    top.resize(200, 120);
    auto* box = new PictureBox(&top);
    QPixmap picture(41, 35);
    picture.fill(Qt::white);
    box->SetPicture(picture);
    box->move(20, 20);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));

    QSignalSpy clicks(box, &PictureBox::clicked);
    const QPoint inside = box->geometry().center();
    const QPoint outside(150, 100);
    GetParam().act(top.windowHandle(), inside, outside);

    EXPECT_EQ(clicks.count(), GetParam().clicks);
    EXPECT_EQ(top.mouseEvents, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PictureBoxMouse,
    ::testing::Values(
        ClickCase{"left_click",
                  [](QWindow* w, QPoint in, QPoint) { QTest::mouseClick(w, Qt::LeftButton, {}, in); },
                  1},
        ClickCase{"two_left_clicks",
                  [](QWindow* w, QPoint in, QPoint) {
                      QTest::mouseClick(w, Qt::LeftButton, {}, in);
                      QTest::mouseClick(w, Qt::LeftButton, {}, in);
                  },
                  2},
        ClickCase{"right_click",
                  [](QWindow* w, QPoint in, QPoint) { QTest::mouseClick(w, Qt::RightButton, {}, in); },
                  0},
        ClickCase{"released_outside",
                  [](QWindow* w, QPoint in, QPoint out) {
                      QTest::mousePress(w, Qt::LeftButton, {}, in);
                      QTest::mouseMove(w, out);
                      QTest::mouseRelease(w, Qt::LeftButton, {}, out);
                  },
                  0},
        ClickCase{"double_click_counts_once",
                  [](QWindow* w, QPoint in, QPoint) { QTest::mouseDClick(w, Qt::LeftButton, {}, in); },
                  1},
        ClickCase{"moves_only",
                  [](QWindow* w, QPoint in, QPoint) {
                      QTest::mouseMove(w, in);
                      QTest::mouseMove(w, in + QPoint(3, 3));
                  },
                  0}));

TEST(PictureBoxMouseMoves, ReportsMovesWithNoButtonHeld)
{
    QWidget top;
    top.resize(200, 120);
    auto* box = new PictureBox(&top);
    box->SetPicture(QPixmap(41, 35));
    box->move(20, 20);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));

    QSignalSpy moves(box, &PictureBox::mouseMoved);
    QTest::mouseMove(top.windowHandle(), QPoint(30, 30));
    QTest::mouseMove(top.windowHandle(), QPoint(35, 32));
    EXPECT_EQ(moves.count(), 2);
}

} // namespace
