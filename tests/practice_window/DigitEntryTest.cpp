#include "PracticeWindowTest.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include <functional>
#include <optional>

namespace {

// Bare backgrounds, where a carried symbol is let go.
QPoint keypadBackground(const TForm1& form)
{
    return form.Panel2->mapTo(&form, QPoint(180, 37));
}
QPoint sumBackground(const TForm1& form)
{
    return form.Panel1->mapTo(&form, QPoint(20, 20));
}
QPoint windowBackground(const TForm1&)
{
    return {635, 330};
}

const DigitRow untouchedAnswer{0, 0, 0, 0};
const NotationRow untouchedMarks{BLANK, BLANK, BLANK};

using DigitEntryTest = PracticeWindowTest;

class DragTest : public PracticeWindowCaseTest<Qt::MouseButton> {};

// While the button is held the key keeps the pointer: nothing on the way,
// bare backgrounds included, lets go of the symbol. It lands on the first
// move over the cell once the button is up.
TEST_P(DragTest, CarriesTheSymbolPastTheBackgroundsIntoTheCell)
{
    const Qt::MouseButton button = GetParam();
    showProblem(OPERATION_ADDITION, 4321, 1234);
    ASSERT_EQ(form.childAt(keypadBackground(form)), form.Panel2);
    ASSERT_EQ(form.childAt(sumBackground(form)), form.Panel1);

    QTest::mousePress(window(), button, {}, at(form.Button5));
    for (const QPoint& point : {keypadBackground(form), sumBackground(form), at(form.Edit10)}) {
        moveTo(point);
        EXPECT_EQ(state.HeldDigit, 5);
        EXPECT_EQ(ScreenCursor(), crDrag);
    }
    QTest::mouseRelease(window(), button, {}, at(form.Edit10));
    moveTo(at(form.Edit10) + QPoint(1, 0));

    EXPECT_EQ(state.EnteredAnswer[1], 5);
    EXPECT_EQ(form.Edit10->text(), QStringLiteral("５"));
    EXPECT_EQ(state.HeldDigit, NO_HELD);
    EXPECT_EQ(ScreenCursor(), crDefault);
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, DragTest,
                         testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

TEST_F(DigitEntryTest, AClickedSymbolIsLetGoOverABareBackgroundWithoutBeingPlaced)
{
    showProblem(OPERATION_ADDITION, 4321, 1234);
    const struct {
        const char* label;
        QPoint where;
        const QWidget* under;
    } areas[] = {
        {"keypad panel", keypadBackground(form), form.Panel2},
        {"sum panel", sumBackground(form), form.Panel1},
        {"window", windowBackground(form), nullptr},
    };
    for (const auto& area : areas) {
        SCOPED_TRACE(area.label);
        ASSERT_EQ(form.childAt(area.where), area.under);
        click(form.Button5);
        ASSERT_EQ(state.HeldDigit, 5);
        moveTo(area.where);
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(ScreenCursor(), crDefault);
        moveTo(at(form.Edit10));
        EXPECT_EQ(state.EnteredAnswer, untouchedAnswer);
        EXPECT_TRUE(form.Edit10->text().isEmpty());
    }
}

// Everything that is neither a cell, a strikable upper digit nor a bare
// background leaves the carried symbol alone.
TEST_F(DigitEntryTest, OtherControlsKeepTheSymbolCarried)
{
    showProblem(OPERATION_ADDITION, 4321, 1234);
    const struct {
        const QWidget* control;
        // A point of the control; its centre when absent.
        std::optional<QPoint> local;
    } places[] = {
        {form.Image4, {}},  {form.Image5, {}},   {form.Image6, {}},       {form.Image7, {}},
        {form.Image8, {}},  {form.Image9, {}},   {form.Image10, {}},      {form.Shape1, {}},
        {form.Edit8, {}},   {form.Edit13, {}},   {form.SpeedButton1, {}}, {form.Button14, {}},
        {form.Button3, {}}, {form.Button11, {}}, {form.Panel3, QPoint(4, 120)}, {form.Edit17, {}},
        {form.Label1, {}},  {form.Edit18, {}},   {form.Label2, {}},       {form.Button12, {}},
        {form.SpeedButton2, {}}, {form.Button13, {}}, {form.Panel4, QPoint(4, 140)},
        {form.RadioGroup1, QPoint(2, 60)}, {form.RadioGroup2, {}}, {form.RadioGroup3, {}},
    };
    for (const auto& place : places) {
        const QPoint point = at(place.control, place.local.value_or(place.control->rect().center()));
        const QWidget* hit = form.childAt(point);
        SCOPED_TRACE(place.control->objectName().toStdString());
        ASSERT_TRUE(hit && (hit == place.control || place.control->isAncestorOf(hit)));
        click(form.Button5);
        moveTo(point);
        EXPECT_EQ(state.HeldDigit, 5);
        EXPECT_EQ(ScreenCursor(), crDrag);
    }
    moveTo(at(form.Edit10));
    EXPECT_EQ(form.Edit10->text(), QStringLiteral("５"));
}

TEST_F(DigitEntryTest, TheLastKeyPressedIsTheOneCarried)
{
    showProblem(OPERATION_ADDITION, 4321, 1234);
    click(form.Button3);
    click(form.Button7);
    EXPECT_EQ(state.HeldDigit, 7);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);

    moveTo(at(form.Edit12));
    EXPECT_EQ(form.Edit12->text(), QStringLiteral("７"));
    EXPECT_EQ(state.EnteredAnswer[3], 7);
    // Two pick-ups and one drop leave no drag pointer behind.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DigitEntryTest, ASlashCarriedOntoAnUpperDigitStrikesItAndASecondRestoresIt)
{
    showProblem(OPERATION_SUBTRACTION, 5432, 1234);

    carry(form.Button11, form.Image2);
    EXPECT_EQ(state.CrossedOut[1], STRUCK);
    EXPECT_EQ(form.Image2->PictureFileName(), "b4.bmp");
    EXPECT_EQ(state.HeldDigit, NO_HELD);
    EXPECT_EQ(ScreenCursor(), crDefault);

    carry(form.Button11, form.Image2);
    EXPECT_EQ(state.CrossedOut[1], 0);
    EXPECT_EQ(form.Image2->PictureFileName(), "n4.bmp");

    // A digit carried there is lost, and strikes nothing.
    carry(form.Button5, form.Image2);
    EXPECT_EQ(state.HeldDigit, NO_HELD);
    EXPECT_EQ(ScreenCursor(), crDefault);
    EXPECT_EQ(state.CrossedOut[1], 0);
    EXPECT_EQ(form.Image2->PictureFileName(), "n4.bmp");
    moveTo(at(form.Edit10));
    EXPECT_TRUE(form.Edit10->text().isEmpty());

    // With nothing carried the pointer passes over them without effect.
    for (const PictureBox* upper : {form.Image1, form.Image2, form.Image3, form.Image2})
        moveTo(at(upper));
    EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
    EXPECT_EQ(form.Image1->PictureFileName(), "n5.bmp");
    EXPECT_EQ(form.Image3->PictureFileName(), "n3.bmp");
    EXPECT_EQ(state.HeldDigit, NO_HELD);
}

// Clicking an upper digit strikes it whenever subtraction is the selected
// kind, whatever kind of problem is on screen; the units digit never lends.
TEST_F(DigitEntryTest, AClickStrikesAnUpperDigitOnlyWhileSubtractionIsSelected)
{
    const auto kinds = form.RadioGroup3->findChildren<QRadioButton*>();
    const struct {
        const QRadioButton* kind;
        bool strikes;
    } cases[] = {{kinds.at(0), false}, {kinds.at(1), true}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.kind->text().toStdString());
        showProblem(OPERATION_ADDITION, 5432, 1234);
        click(at(row.kind, QPoint(6, row.kind->height() / 2)));
        ASSERT_TRUE(row.kind->isChecked());

        click(form.Image1);
        EXPECT_EQ(state.CrossedOut[0], row.strikes ? STRUCK : 0);
        EXPECT_EQ(form.Image1->PictureFileName(), row.strikes ? "b5.bmp" : "n5.bmp");
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        click(form.Image1);
        EXPECT_EQ(state.CrossedOut[0], 0);
        EXPECT_EQ(form.Image1->PictureFileName(), "n5.bmp");

        click(form.Image4);
        EXPECT_EQ(form.Image4->PictureFileName(), "n2.bmp");
        EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
    }
}

// Every press steps a cell: the left button forwards through empty, ０ … ９,
// empty, the others backwards. The slash wipes a cell to 0, from where it
// steps on like an untouched answer cell.
TEST_F(DigitEntryTest, EachPressStepsTheCell)
{
    const auto press = [this](Qt::MouseButton button) {
        return [this, button](QPoint cell) { click(cell, button); };
    };
    const auto doubleClick = [this](QPoint cell) { QTest::mouseDClick(window(), Qt::LeftButton, {}, cell); };
    const auto slash = [this](QPoint cell) {
        click(cell);
        click(form.Button11);
        moveTo(cell);
    };
    const auto nothing = [](QPoint) {};
    std::int32_t& answer = state.EnteredAnswer[1];
    std::int32_t& mark = state.EnteredMarks[1];
    const struct {
        const char* label;
        EntryCell* cell;
        std::int32_t& slot;
        std::function<void(QPoint)> before;
        std::function<void(QPoint)> gesture;
        QString text;
        std::int32_t value;
    } cases[] = {
        {"answer left", form.Edit10, answer, nothing, press(Qt::LeftButton), "１", 1},
        {"answer right", form.Edit10, answer, nothing, press(Qt::RightButton), "", BLANK},
        {"answer middle", form.Edit10, answer, nothing, press(Qt::MiddleButton), "", BLANK},
        {"answer double", form.Edit10, answer, nothing, doubleClick, "２", 2},
        {"answer slashed", form.Edit10, answer, slash, nothing, "", 0},
        {"answer slashed left", form.Edit10, answer, slash, press(Qt::LeftButton), "１", 1},
        {"notation left", form.Edit15, mark, nothing, press(Qt::LeftButton), "０", 0},
        {"notation right", form.Edit15, mark, nothing, press(Qt::RightButton), "９", 9},
        {"notation middle", form.Edit15, mark, nothing, press(Qt::MiddleButton), "９", 9},
        {"notation 9 left", form.Edit15, mark, press(Qt::RightButton), press(Qt::LeftButton), "", BLANK},
        {"notation double", form.Edit15, mark, nothing, doubleClick, "１", 1},
        {"notation slashed", form.Edit15, mark, slash, nothing, "", 0},
        {"notation slashed left", form.Edit15, mark, slash, press(Qt::LeftButton), "１", 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.label);
        showProblem(OPERATION_ADDITION, 4321, 1234);
        row.before(at(row.cell));
        // Where the system keeps a selection, a middle click must not paste
        // it into the cell on top of the step.
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->setText(QStringLiteral("8"), QClipboard::Selection);

        row.gesture(at(row.cell) + QPoint(1, 1));

        EXPECT_EQ(row.cell->text(), row.text);
        EXPECT_EQ(row.slot, row.value);
        EXPECT_EQ(state.HeldDigit, NO_HELD);
    }
}

// Counts the context menu events that reach a watched object.
class ContextMenuCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ContextMenu)
            ++count;
        return false;
    }
};

TEST_F(DigitEntryTest, ARightClickOnACellStepsItAndOpensNoMenu)
{
    showProblem(OPERATION_ADDITION, 4321, 1234);
    ContextMenuCounter panel;
    ContextMenuCounter wholeWindow;
    form.Panel1->installEventFilter(&panel);
    form.installEventFilter(&wholeWindow);

    click(form.Edit9, Qt::RightButton);
    QApplication::processEvents();

    EXPECT_EQ(state.EnteredAnswer[0], BLANK);
    EXPECT_EQ(panel.count, 0);
    EXPECT_EQ(wholeWindow.count, 0);
    for (const QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<const QMenu*>(top) && top->isVisible());
}

TEST_F(DigitEntryTest, MovesOverCellsChangeNothingUnlessASymbolIsCarried)
{
    showProblem(OPERATION_ADDITION, 4321, 1234);
    const std::initializer_list<EntryCell*> cells{form.Edit9,  form.Edit10, form.Edit11, form.Edit12,
                                                  form.Edit14, form.Edit15, form.Edit16};
    for (EntryCell* cell : cells)
        moveTo(at(cell));
    carry(form.Button5, form.Edit10);
    for (EntryCell* cell : cells)
        moveTo(at(cell) + QPoint(2, 2));

    EXPECT_EQ(state.EnteredAnswer, (DigitRow{0, 5, 0, 0}));
    EXPECT_EQ(state.EnteredMarks, untouchedMarks);
    for (EntryCell* cell : cells)
        EXPECT_EQ(cell->text(), cell == form.Edit10 ? QStringLiteral("５") : QString())
            << cell->objectName().toStdString();
}

// Where the upper number does not reach, the panel shows through.
TEST_F(DigitEntryTest, ASymbolCarriedToABlankUpperDigitIsLetGo)
{
    showProblem(OPERATION_ADDITION, 47, 8);
    for (const PictureBox* blank : {form.Image1, form.Image2}) {
        for (const KeypadKey* key : {form.Button5, form.Button11}) {
            SCOPED_TRACE(blank->objectName().toStdString() + " " + key->objectName().toStdString());
            const QPoint place = blank->mapTo(&form, QPoint(20, 17));
            ASSERT_EQ(form.childAt(place), form.Panel1);
            click(key);
            moveTo(place);
            EXPECT_EQ(state.HeldDigit, NO_HELD);
            EXPECT_EQ(ScreenCursor(), crDefault);
            EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
        }
    }
}

TEST_F(DigitEntryTest, BeforeTheFirstProblemOnlyTheBackgroundsLetGo)
{
    click(form.Button5);
    ASSERT_EQ(state.HeldDigit, 5);
    for (const QWidget* neutral : std::initializer_list<const QWidget*>{form.Image10, form.Button14, form.Edit8}) {
        moveTo(at(neutral));
        EXPECT_EQ(state.HeldDigit, 5) << neutral->objectName().toStdString();
    }
    for (const QWidget* hidden : std::initializer_list<const QWidget*>{form.Edit9, form.Edit12, form.Edit14,
                                                                        form.Edit16, form.Image2, form.Image4}) {
        SCOPED_TRACE(hidden->objectName().toStdString());
        ASSERT_EQ(form.childAt(at(hidden)), form.Panel1);
        click(form.Button5);
        moveTo(at(hidden));
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(ScreenCursor(), crDefault);
    }
    EXPECT_EQ(state.EnteredAnswer, untouchedAnswer);
    EXPECT_EQ(state.EnteredMarks, untouchedMarks);
}

TEST_F(DigitEntryTest, TypingChangesTheTextButNotTheDigit)
{
    showProblem(OPERATION_ADDITION, 4321, 1234);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    click(form.Edit11);
    ASSERT_EQ(QApplication::focusWidget(), form.Edit11);

    QTest::keyClick(window(), '7');
    QTest::keyClick(window(), Qt::Key_Home);
    QTest::keyClick(window(), Qt::Key_Delete);

    EXPECT_EQ(form.Edit11->text(), "7");
    EXPECT_EQ(state.EnteredAnswer[2], 1);
}

} // namespace
