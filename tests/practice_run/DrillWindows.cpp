#include "DrillWindows.h"

#include "ApplicationHelp.h"
#include "ApplicationTitle.h"
#include "EntryCell.h"
#include "ErrorBox.h"
#include "HelpViewer.h"
#include "KeypadKey.h"
#include "PictureBox.h"
#include "RadioGroup.h"
#include "SoundPlayer.h"
#include "SpeedButton.h"
#include "WorkedAnswer.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

DrillWindows::DrillWindows()
{
    form.SetModelAnswerWindow(&form2);
}

void DrillWindows::SetUp()
{
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    SetErrorBoxRecorder([this](const QString& title, const QString& text) { errorBoxes.emplace_back(title, text); });
    SetSoundRecorder([this](const QString& name, bool found) { sounds.emplace_back(name, found); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // The window seeds from the clock; a fixed seed keeps the draws repeatable.
    random.seed(1234);
}

void DrillWindows::TearDown()
{
    SetErrorBoxRecorder({});
    SetSoundRecorder({});
    if (HelpViewer* viewer = ApplicationHelpViewer())
        viewer->close();
}

QPoint DrillWindows::centreOf(QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

void DrillWindows::click(QWidget* control)
{
    QWidget* window = control->window();
    const QPoint at = centreOf(control);
    EXPECT_EQ(window->childAt(at), control) << control->objectName().toStdString() << " is covered";
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

void DrillWindows::carry(std::int32_t symbol, QWidget* target)
{
    KeypadKey* const digitKeys[] = {form.Button10, form.Button1, form.Button2, form.Button3, form.Button4,
                                    form.Button5, form.Button6, form.Button7, form.Button8, form.Button9};
    KeypadKey* key = symbol == HELD_SLASH ? form.Button11 : digitKeys[symbol];
    QWindow* window = form.windowHandle();
    const QPoint drop = centreOf(target);
    EXPECT_EQ(form.childAt(drop), target) << target->objectName().toStdString() << " is covered";
    QTest::mousePress(window, Qt::LeftButton, {}, centreOf(key));
    QTest::mouseMove(window, drop);
    QTest::mouseRelease(window, Qt::LeftButton, {}, drop);
    QTest::mouseMove(window, drop + QPoint(1, 0));
}

void DrillWindows::writeAnswer(std::int32_t number)
{
    EntryCell* const cells[] = {form.Edit9, form.Edit10, form.Edit11, form.Edit12};
    for (int column = 3; column >= 0; --column) {
        carry(number % 10, cells[column]);
        number /= 10;
        if (number == 0)
            break;
    }
}

void DrillWindows::writeMark(int column, std::int32_t digit)
{
    EntryCell* const cells[] = {form.Edit14, form.Edit15, form.Edit16};
    carry(digit, cells[column]);
}

void DrillWindows::strike(int column)
{
    PictureBox* const digits[] = {form.Image1, form.Image2, form.Image3};
    carry(HELD_SLASH, digits[column]);
}

void DrillWindows::selectKind(int index)
{
    auto* item = form.RadioGroup3->findChildren<QRadioButton*>().at(index);
    // Aim at the round indicator: the item's centre may lie past its caption.
    QStyleOptionButton option;
    option.initFrom(item);
    const QRect indicator = item->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, item);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, item->mapTo(&form, indicator.center()));
    EXPECT_EQ(form.RadioGroup3->ItemIndex(), index);
}

void DrillWindows::pose(std::int32_t operation, std::int32_t upper, std::int32_t lower)
{
    const std::int32_t drawn = state.ProblemCount;
    const std::int32_t phase = state.Phase;
    PoseProblem(state, operation, upper, lower);
    state.ProblemCount = drawn;
    state.Phase = phase;
    form.PresentProblem();
}

void DrillWindows::restoreAsset(const QString& fileName) const
{
    QFile original(QDir(QStringLiteral(DRILL_ASSETS_DIR)).filePath(fileName));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << fileName.toStdString();
    assets.write(fileName, original.readAll());
}

QStringList DrillWindows::practiceFace() const
{
    QStringList face{form.SpeedButton1->text(), form.Image10->PictureFileName()};
    for (QLineEdit* line : std::initializer_list<QLineEdit*>{form.Edit8, form.Edit13, form.Edit17, form.Edit18,
                                                             form.Edit9, form.Edit10, form.Edit11, form.Edit12,
                                                             form.Edit14, form.Edit15, form.Edit16})
        face << line->text();
    return face;
}
