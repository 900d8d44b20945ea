// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ProgramZoom.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"
#include "widgets/SpeedButton.h"

#include <QDir>

namespace {

// The window drawn offscreen and compared pixel for pixel with its reference
// picture, or, with DRILL_REMAKE_GOLDEN set, saved as the new reference.
void expectLooksLike(QWidget& window, const QString& name)
{
    const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = name + QStringLiteral(".png");
    const QString reference = QDir(DRILL_GOLDEN_DIR).filePath(file);
    if (qEnvironmentVariableIsSet("DRILL_REMAKE_GOLDEN")) {
        EXPECT_TRUE(actual.save(reference));
    } else if (actual != QImage(reference).convertToFormat(QImage::Format_RGB32)) {
        QDir().mkpath(DRILL_GOLDEN_ACTUAL_DIR);
        const QString saved = QDir(DRILL_GOLDEN_ACTUAL_DIR).filePath(file);
        actual.save(saved);
        ADD_FAILURE() << "the window differs from " << reference.toStdString() << "; it is drawn in "
                      << saved.toStdString();
    }
}

// Each window in a fixed state, laid out and zoomed to twice the size: a
// moved control, another font, colour or caption, a picture not scaled or
// not sharp all show. The references are drawn with the IPA Gothic faces
// that stand in for the Windows ones where those are absent.
class GoldenImage : public DrillWindowsFixture, public testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        ZoomMainWindow(&form, GetParam());
        DrillWindowsFixture::SetUp();
    }

    // "practice_startup" laid out, "practice_startup_zoom2" at zoom 2.
    static QString named(const char* name)
    {
        return GetParam() == 1 ? QString::fromLatin1(name) : QStringLiteral("%1_zoom%2").arg(name).arg(GetParam());
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
};

INSTANTIATE_TEST_SUITE_P(AtZoom, GoldenImage, testing::Values(1.0, 2.0));

TEST_P(GoldenImage, PracticeWindow)
{
    expectLooksLike(form, named("practice_startup"));
    solveSubtraction();
    expectLooksLike(form, named("practice_judged"));
}

TEST_P(GoldenImage, ModelAnswerWindow)
{
    solveSubtraction();
    click(form.Button14);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
    expectLooksLike(form2, named("model_answer"));
}

} // namespace
