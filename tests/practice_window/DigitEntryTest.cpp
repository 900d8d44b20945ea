// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ProgramZoom.h"
#include "platform/WindowZoom.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/Panel.h"
#include "widgets/RadioGroup.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

// What an input method hands the focused control: a committed text and what
// it is still composing.
void inputMethod(const QString& commit, const QString& preedit)
{
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
}

// Text dragged from another program and dropped on a window: Qt passes it
// on to the control under the pointer if that control takes drops.
void dropText(QWindow* window, QPoint point, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(point, actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window, &move);
    QDropEvent drop(QPointF(point), actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window, &drop);
}

// The child's gestures on the practice window, by mouse, finger and
// keyboard. A finger leaves no pointer hovering between touches: it carries
// a symbol only while it is down, and its tap places what it carries instead
// of stepping.
class DigitEntry : public DrillWindowsFixture {
protected:
    QWidget* named(const QString& name) const { return form.findChild<QWidget*>(name); }

    // Where a gesture aims: a control's centre, but for a panel or the window
    // a spot of bare background.
    QPoint spot(const QString& name) const
    {
        const double zoom = ZoomOf(&form);
        const std::map<QString, QPoint> bare{{"Panel1", at(form.Panel1, QPoint(20, 20) * zoom)},
                                             {"Panel2", at(form.Panel2, QPoint(180, 37) * zoom)},
                                             {"Panel3", at(form.Panel3, QPoint(4, 120) * zoom)},
                                             {"Panel4", at(form.Panel4, QPoint(4, 140) * zoom)},
                                             {"Form1", QPoint(635, 330) * zoom}};
        return bare.contains(name) ? bare.at(name) : at(named(name));
    }

    // Gestures one after another, each a verb and what it acts on, controls
    // by the names the program gives them: "click Button3, click Edit12".
    void play(const QString& gestures)
    {
        QWindow* window = form.windowHandle();
        const std::map<QString, std::function<void(const QStringList&)>> verbs{
            {"click", [this](auto& on) { click(named(on[0])); }},
            {"right", [this](auto& on) { click(named(on[0]), Qt::RightButton); }},
            {"middle", [this](auto& on) { click(named(on[0]), Qt::MiddleButton); }},
            {"double", [=, this](auto& on) { QTest::mouseDClick(window, Qt::LeftButton, {}, spot(on[0])); }},
            {"move", [this](auto& on) { moveTo(spot(on[0])); }},
            // Pressed on the first, held over the others and let go over the
            // last; the mouse then moves on a little, as it does.
            {"drag",
             [=, this](auto& on) {
                 QTest::mousePress(window, Qt::LeftButton, {}, spot(on.first()));
                 for (const QString& name : on)
                     moveTo(spot(name));
                 QTest::mouseRelease(window, Qt::LeftButton, {}, spot(on.last()));
                 moveTo(spot(on.last()) + QPoint(1, 0));
             }},
            {"tap", [this](auto& on) { tap(named(on[0])); }},
            {"swipe", [this](auto& on) { touchDrag(spot(on[0]), spot(on[1])); }},
            {"key", [=](auto& on) { QTest::keySequence(window, QKeySequence(on[0])); }},
            {"text", [=](auto& on) { QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, on[0], {}); }},
            {"compose", [](auto& on) { inputMethod({}, on[0]); }},
            {"commit", [](auto& on) { inputMethod(on[0], {}); }},
            {"drop", [=, this](auto& on) { dropText(window, spot(on[0]), on[1]); }},
            {"kind", [this](auto& on) { selectKind(on[0].toInt()); }},
            {"without", [this](auto& on) { assets.remove(on[0]); }},
            {"restore", [this](auto& on) { restoreAsset(on[0]); }},
        };
        for (const QString& gesture : gestures.split(u',', Qt::SkipEmptyParts)) {
            QStringList words = gesture.split(u' ', Qt::SkipEmptyParts);
            verbs.at(words.takeFirst())(words);
        }
    }

    // The units answer and the hundreds notation, each as text:slot, the
    // upper digits' pictures, the symbol carried and any error box.
    QString sheet() const
    {
        const SessionView view = session.View();
        QString sheet = QStringLiteral("%1:%2 %3:%4 %5 held %6")
                            .arg(form.Edit12->text()).arg(view.answerCells[3].slot).arg(form.Edit15->text())
                            .arg(view.notationCells[1].slot).arg(files({form.Image1, form.Image2, form.Image3, form.Image4}))
                            .arg(view.carriedSymbol);
        for (const auto& [title, text] : boxes)
            sheet += QStringLiteral(" [%1: %2]").arg(title, text);
        return sheet;
    }

    // What holds after any gesture: as many upper digits show struck as are
    // struck, only "２" keeps the heavier frame of the default key and no
    // menu is open.
    void expectConsistent() const
    {
        EXPECT_EQ(files({form.Image1, form.Image2, form.Image3}).count(u'b'),
                  std::ranges::count_if(session.View().upperDigits, &UpperDigitView::struck));
        for (const KeypadKey* key : form.findChildren<KeypadKey*>())
            EXPECT_EQ(key->isDefault(), key == form.Button2) << key->objectName().toStdString();
        for (const QWidget* window : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<const QMenu*>(window) && window->isVisible());
    }
};

// Each gesture of mouse, finger and keyboard reaches the session as the
// event the child meant, and the sheet shows what the session then holds.
// A click on a cell is a move onto it, which places what the mouse carries,
// then a press, which steps it; any button but the left steps backwards and
// opens no menu, and both presses of a double click count. Held down on a
// key, a symbol is carried past bare backgrounds to where it is let go; a
// finger lifted over a target hands its symbol over there. Radio items
// choose the settings the session judges and strikes by. Without a picture
// the screen tells once, however much the pointer then moves.
//
// Digits typed from the main keys, the number pad or an input method set a
// cell, Backspace and Delete empty it; nothing else the keyboard, the
// clipboard or a drop offers changes it. (What each event does to the
// sheet is the session's, and tested there.)
//
// Each row of gestures plays on a fresh 5432 − 1234 with たしざん selected, and
// leaves the sheet given: at the laid-out size, and alike on a window zoomed
// larger or smaller, where every control, and so every hit area, is scaled.
class ZoomedDigitEntry : public DigitEntry, public testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        ZoomMainWindow(&form, GetParam());
        DigitEntry::SetUp();
    }
};

INSTANTIATE_TEST_SUITE_P(AtZoom, ZoomedDigitEntry, testing::Values(1.0, 1.5, 0.75));

TEST_P(ZoomedDigitEntry, EachGestureLeavesItsSheet)
{
    ASSERT_EQ(form.Button5->width(), std::lround(27 * GetParam()));
    const std::pair<const char*, const char*> rows[] = {
        {"click Edit12", "１:1 :-1 n5 n4 n3 n2 held -2"},
        {"right Edit12", ":-1 :-1 n5 n4 n3 n2 held -2"},
        {"double Edit12", "２:2 :-1 n5 n4 n3 n2 held -2"},
        {"drag Button11 Edit12", ":0 :-1 n5 n4 n3 n2 held -2"},
        {"click Button3, click Edit12", "４:4 :-1 n5 n4 n3 n2 held -2"},
        {"right Button5, move Edit12", "５:5 :-1 n5 n4 n3 n2 held -2"},
        {"drag Button5 Panel2 Panel1 Form1 Edit12", "５:5 :-1 n5 n4 n3 n2 held -2"},
        {"swipe Button3 Edit12", "３:3 :-1 n5 n4 n3 n2 held -2"},
        {"tap Button3, tap Edit12", "３:3 :-1 n5 n4 n3 n2 held -2"},
        {"kind 1, click Image1", ":0 :-1 b5 n4 n3 n2 held -2"},
        {"kind 1, click Button11, click Image2", ":0 :-1 n5 n4 n3 n2 held -2"},
        {"swipe Button11 Image2", ":0 :-1 n5 b4 n3 n2 held -2"},
        {"tap Button11, tap Image2", ":0 :-1 n5 b4 n3 n2 held -2"},
        {"without b4.bmp, swipe Button11 Image2, restore b4.bmp, swipe Button11 Image2",
         ":0 :-1 n5 b4 n3 n2 held -2 [ぽろみんか: ﾌｧｲﾙ b4.bmp は開けません。]"},
        {"drag Button11 Image2, without n4.bmp, drag Button11 Image2, move Image3, move Image2, restore n4.bmp",
         ":0 :-1 n5 b4 n3 n2 held -2 [ぽろみんか: ﾌｧｲﾙ n4.bmp は開けません。]"},
        {"click Edit12, key 6", "６:6 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, key Num+6", "６:6 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, text ６", "６:6 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, compose ６, commit ６", "６:6 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, compose ６, commit ろ, commit ６６", "１:1 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, key Backspace", ":-1 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, key 6, key Left, key Return, key 2", "２:2 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, key A, text ろ, key /, key Ctrl+6, key Return", "１:1 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit12, key Ctrl+V, key Shift+Ins, key Ctrl+A, key Ctrl+X", "１:1 :-1 n5 n4 n3 n2 held -2"},
        {"click Edit15, key 3", ":0 ３:3 n5 n4 n3 n2 held -2"},
        {"click Edit15, drop Edit15 ５", ":0 ０:0 n5 n4 n3 n2 held -2"},
    };
    QGuiApplication::clipboard()->setText("５");
    for (const auto& [gestures, expected] : rows) {
        SCOPED_TRACE(gestures);
        pose(Operation::Subtraction, 5432, 1234);
        selectKind(0);
        boxes.clear();
        play(gestures);
        EXPECT_EQ(sheet(), expected);
        expectConsistent();
    }
}

// Picked up by a click and moved there, or carried there by a finger and
// lifted, a symbol is let go over the bare problem and keypad panels and the
// window, and where no cell or digit is shown before the first problem (the
// session lets it go left of a short number too). Every other control and
// the bare settings and counter panels keep it carried; the last key touched
// is the one carried.
TEST_F(DigitEntry, AClickedSymbolIsLetGoOverBareBackgroundsOnly)
{
    const auto heldOver = [this](const QString& key, const QString& place) {
        QStringList held;
        for (const char* gestures : {"click Button3, click %1, move %2", "tap Button3, swipe %1 %2"}) {
            play(QString::fromLatin1(gestures).arg(key, place));
            expectConsistent();
            held << QString::number(session.View().carriedSymbol);
        }
        return held.join(u' ');
    };
    for (const char* bare : {"Edit12", "Edit15", "Image2", "Panel1", "Panel2", "Form1"})
        EXPECT_EQ(heldOver("Button5", bare), "-2 -2") << bare;
    EXPECT_EQ(sheet(), ":0 :-1 · · · · held -2");

    pose(Operation::Addition, 4321, 1234);
    for (const char* control : {"Panel3", "Panel4", "Image4", "Image5", "Image7", "Image10", "Shape1", "Edit8",
                                "SpeedButton1", "Button14", "Button3", "Edit17", "Label1", "Button12", "RadioGroup2"}) {
        const QWidget* under = form.childAt(spot(control));
        ASSERT_TRUE(under == named(control) || named(control)->isAncestorOf(under)) << control;
        EXPECT_EQ(heldOver("Button7", control), "7 7") << control;
    }
    play("click Button7, move Edit12");
    // Many pick-ups and one drop leave no drag pointer behind.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Buttons and radio items work by tap as by click, and a double press on the
// main button acts once at every stage of a problem, はじめる included.
TEST_F(DigitEntry, ButtonsWorkByTapAndActOnceForADoublePress)
{
    play("tap SpeedButton1, tap SpeedButton1");
    EXPECT_EQ(session.Run().ProblemCount, 1);
    EXPECT_TRUE(sounds.empty());
    for (const char* doublePress : {"double SpeedButton1", "tap SpeedButton1, tap SpeedButton1"}) {
        SCOPED_TRACE(doublePress);
        pose(Operation::Addition, 48, 37);
        const std::size_t heard = sounds.size();
        const std::int32_t drawn = session.Run().ProblemCount;
        // Judged wrong once, closed by "せいかいを見る", then the next drawn once.
        play(QStringLiteral("%1, tap Button14, %1").arg(doublePress));
        EXPECT_EQ(sounds.size(), heard + 1);
        EXPECT_EQ(session.Run().ProblemCount, drawn + 1);
        expectConsistent();
    }
    tap(form.RadioGroup3->findChildren<QRadioButton*>().at(1));
    EXPECT_EQ(form.RadioGroup3->ItemIndex(), 1);
}

// Tab runs from the units answer leftwards, then the notation, passing the
// message lines by.
TEST_F(DigitEntry, TabRunsFromTheUnitsAnswerLeftwards)
{
    pose(Operation::Addition, 1234, 5678);
    click(form.Edit12);
    for (const char* next : {"Edit11", "Edit10", "Edit9", "Edit16", "Edit15", "Edit14", "Button14"}) {
        play("key Tab");
        EXPECT_EQ(QApplication::focusWidget(), named(next)) << next;
    }
}

} // namespace
