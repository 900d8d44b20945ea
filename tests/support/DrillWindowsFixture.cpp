// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramZoom.h"
#include "platform/WindowZoom.h"
#include "platform/ScreenCursor.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioGroup.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace {

QPointingDevice* touchScreen()
{
    static QPointingDevice* const device = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

} // namespace

void DrillWindowsFixture::SetUp()
{
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    form.SetModelAnswerWindow(&form2);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
}

void DrillWindowsFixture::TearDown()
{
    // A symbol still carried would leave the drag pointer to the next test.
    SetScreenCursor(crDefault);
    if (HelpViewer* viewer = ApplicationHelpViewer())
        viewer->close();
    // The zoom is the program's: the next test's windows start laid out.
    ZoomMainWindow(&form, 1);
}

void DrillWindowsFixture::click(const QWidget* control, Qt::MouseButton button)
{
    const QWidget* window = control->window();
    EXPECT_EQ(window->childAt(at(control)), control) << control->objectName().toStdString() << " is covered";
    QTest::mouseClick(window->windowHandle(), button, {}, at(control));
}

void DrillWindowsFixture::carry(const QWidget* key, const QWidget* target)
{
    QWindow* window = form.windowHandle();
    const QPoint drop = at(target);
    EXPECT_EQ(form.childAt(drop), target) << target->objectName().toStdString() << " is covered";
    QTest::mousePress(window, Qt::LeftButton, {}, at(key));
    QTest::mouseMove(window, drop);
    QTest::mouseRelease(window, Qt::LeftButton, {}, drop);
    QTest::mouseMove(window, drop + QPoint(1, 0));
}

void DrillWindowsFixture::writeAnswer(std::int32_t number)
{
    const KeypadKey* const keys[] = {form.Button10, form.Button1, form.Button2, form.Button3, form.Button4,
                                     form.Button5,  form.Button6, form.Button7, form.Button8, form.Button9};
    const EntryCell* const cells[] = {form.Edit9, form.Edit10, form.Edit11, form.Edit12};
    int column = 3;
    do {
        carry(keys[number % 10], cells[column--]);
        number /= 10;
    } while (number > 0);
}

void DrillWindowsFixture::selectKind(int index)
{
    // Aimed at the round indicator: an item's centre may lie past its caption.
    const QRadioButton* item = form.RadioGroup3->findChildren<QRadioButton*>().at(index);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                      at(item, QPoint(std::lround(6 * ZoomOf(item)), item->height() / 2)));
    EXPECT_EQ(form.RadioGroup3->ItemIndex(), index);
}

void DrillWindowsFixture::pose(Operation operation, std::int32_t upper, std::int32_t lower)
{
    session.PoseProblem(operation, upper, lower);
    form.Refresh();
}

void DrillWindowsFixture::restoreAsset(const QString& fileName) const
{
    QFile original(QDir(QStringLiteral(DRILL_ASSETS_DIR)).filePath(fileName));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << fileName.toStdString();
    assets.write(fileName, original.readAll());
}

void DrillWindowsFixture::tap(const QWidget* control)
{
    QWindow* window = control->window()->windowHandle();
    EXPECT_EQ(control->window()->childAt(at(control)), control) << control->objectName().toStdString() << " is covered";
    QTest::touchEvent(window, touchScreen()).press(0, at(control), window);
    QTest::touchEvent(window, touchScreen()).release(0, at(control), window);
}

void DrillWindowsFixture::touchDrag(QPoint from, QPoint to)
{
    QWindow* window = form.windowHandle();
    QTest::touchEvent(window, touchScreen()).press(0, from, window);
    QTest::touchEvent(window, touchScreen()).move(0, to, window);
    QTest::touchEvent(window, touchScreen()).release(0, to, window);
}

QString DrillWindowsFixture::texts(std::initializer_list<const QLineEdit*> cells)
{
    QString shown;
    for (const QLineEdit* cell : cells)
        shown += cell->isVisible() ? cell->text() : QStringLiteral("·");
    return shown;
}

QString DrillWindowsFixture::files(std::initializer_list<const PictureBox*> pictures)
{
    QStringList shown;
    for (const PictureBox* picture : pictures)
        shown << (picture->isVisible() ? picture->PictureFileName().section(u'.', 0, 0) : QStringLiteral("·"));
    return shown.join(u' ');
}
