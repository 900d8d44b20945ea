// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"
#include "widgets/SpeedButton.h"

#include <QDir>
#include <QFontInfo>
#include <QLineEdit>

namespace {

// Each window is drawn offscreen in a fixed state and compared pixel for
// pixel with its reference picture: a moved control, another font, colour or
// caption all show. The references are drawn with the IPA Gothic faces that
// stand in for the Windows ones where those are absent.
class GoldenImage : public DrillWindowsFixture {
protected:
    void SetUp() override
    {
        DrillWindowsFixture::SetUp();
        ASSERT_EQ(QFontInfo(form.font()).family(), "IPAPGothic");
        ASSERT_EQ(QFontInfo(form.Edit9->font()).family(), "IPAGothic");
    }

    // 5462 − 1235 = 4227: the tens lend to the units, so 6 is struck and 5
    // written above it; entered in full with ひきざん selected and judged.
    void solveSubtraction()
    {
        pose(Operation::Subtraction, 5462, 1235);
        writeAnswer(4227);
        carry(form.Button5, form.Edit16);
        carry(form.Button11, form.Image3);
        selectKind(1);
        click(form.SpeedButton1);
        ASSERT_EQ(practiceFace().first(6), (QStringList{"せいかい！", "", "maru1.bmp", "つぎをやる", "1", "100"}));
    }

    static void expectLooksLike(QWidget& window, const QString& name);
};

void GoldenImage::expectLooksLike(QWidget& window, const QString& name)
{
    const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("DRILL_REMAKE_GOLDEN")) {
        EXPECT_TRUE(actual.save(QDir(DRILL_GOLDEN_DIR).filePath(file)));
        return;
    }
    const QImage expected = QImage(QDir(DRILL_GOLDEN_DIR).filePath(file)).convertToFormat(QImage::Format_RGB32);
    if (actual == expected)
        return;
    qsizetype differing = 0;
    for (int y = 0; y < actual.height() && actual.size() == expected.size(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            differing += actual.pixel(x, y) != expected.pixel(x, y);
    QDir().mkpath(DRILL_GOLDEN_ACTUAL_DIR);
    const QString saved = QDir(DRILL_GOLDEN_ACTUAL_DIR).filePath(file);
    actual.save(saved);
    ADD_FAILURE() << file.toStdString() << ": " << actual.width() << "x" << actual.height() << " drawn, "
                  << expected.width() << "x" << expected.height() << " expected, " << differing
                  << " pixels differ; the render is at " << saved.toStdString();
}

TEST_F(GoldenImage, PracticeWindow)
{
    expectLooksLike(form, "practice_startup");
    solveSubtraction();
    expectLooksLike(form, "practice_judged");
}

TEST_F(GoldenImage, ModelAnswerWindow)
{
    solveSubtraction();
    click(form.Button14);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
    expectLooksLike(form2, "model_answer");
}

} // namespace
