// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ScreenCursor.h"
#include "widgets/EntryCell.h"
#include "widgets/PictureBox.h"

#include <QKeySequence>
#include <QPushButton>

#include <sstream>

namespace {

// What a child's mouse does at a point of the practice window, with any of
// its buttons.
const QTest::MouseAction actions[] = {QTest::MouseMove, QTest::MousePress, QTest::MouseRelease, QTest::MouseClick,
                                      QTest::MouseDClick};
const char* const actionNames[] = {"move", "press", "release", "click", "double click"};
const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

// Keys a child may press, whatever has the focus: digits, wide digits from
// an input method, letters, and the keys that move or erase.
const std::pair<Qt::Key, const char*> keys[] = {
    {Qt::Key_0, "0"}, {Qt::Key_7, "7"}, {Qt::Key_9, "９"}, {Qt::Key_A, "a"}, {Qt::Key_Tab, "\t"},
    {Qt::Key_Backspace, ""}, {Qt::Key_Delete, ""}, {Qt::Key_Left, ""}, {Qt::Key_Return, "\r"},
    {Qt::Key_Space, " "}, {Qt::Key_Escape, ""}};

class RandomGestures : public DrillWindowsFixture {
protected:
    // One gesture of the given kind at a point, told in words for a failure.
    std::string send(std::size_t kind, QPoint point, RandomSource& random)
    {
        const std::string where = " at (" + std::to_string(point.x()) + ", " + std::to_string(point.y()) + ")";
        if (kind < std::size(actions)) {
            const Qt::MouseButton button = buttons[random() % std::size(buttons)];
            QTest::mouseEvent(actions[kind], form.windowHandle(), button, {}, point);
            return actionNames[kind] + where;
        }
        if (kind == std::size(actions)) {
            const QPoint to = somewhere(random);
            touchDrag(point, to);
            return "finger" + where + " to (" + std::to_string(to.x()) + ", " + std::to_string(to.y()) + ")";
        }
        const auto& [key, text] = keys[random() % std::size(keys)];
        type(key, QString::fromUtf8(text));
        return "key " + QKeySequence(key).toString().toStdString();
    }

    // Half the gestures land anywhere, half on the middle of some control,
    // so that the small cells and keys are hit often. "おしまい" is spared.
    QPoint somewhere(RandomSource& random) const
    {
        const QList<QWidget*> controls = form.findChildren<QWidget*>();
        while (true) {
            const QPoint point = random() % 2
                ? at(controls[qsizetype(random() % controls.size())])
                : QPoint(int(random() % unsigned(form.width())), int(random() % unsigned(form.height())));
            if (form.childAt(point) != form.Button13)
                return point;
        }
    }

    // The rules that hold between any two events, as broken now: the window
    // shows the session's view.
    std::string broken() const
    {
        std::ostringstream out;
        const SessionView view = session.View();
        // The answer cells, then the notation cells, as practiceFace() gives them.
        const QStringList shown = practiceFace().mid(6);
        std::vector<std::int32_t> values;
        for (const CellView& cell : view.answerCells)
            values.push_back(cell.shown);
        for (const CellView& cell : view.notationCells)
            values.push_back(cell.shown);
        for (qsizetype cell = 0; cell < shown.size(); ++cell)
            if (shown[cell] != QString::fromStdString(FullWidthDigit(values[cell])))
                out << "cell " << cell << " shows other than the session's; ";
        // The drag pointer is up exactly while a symbol is held, at one
        // override level however often it was set.
        const QCursor* pointer = QGuiApplication::overrideCursor();
        if ((view.carriedSymbol != NO_HELD) != (ScreenCursor() == crDrag)
            || (ScreenCursor() == crDrag) != (pointer && pointer->shape() == Qt::DragMoveCursor))
            out << "held symbol and pointer disagree; ";
        if (view.problemShown && !problemShown(view))
            out << "the problem is not on screen as the session has it; ";
        if (form2.isVisible() != view.workedAnswerShown)
            out << "おてほん shown otherwise than the session says; ";
        return out.str();
    }

    // Every digit of the open problem in its picture, struck where it is
    // struck, its sign, and every cell there to be filled.
    bool problemShown(const SessionView& view) const
    {
        QStringList upper, lower;
        for (std::size_t column = 0; column < 4; ++column) {
            upper << pictureOf(view.upperDigits[column].digit, view.upperDigits[column].struck);
            lower << pictureOf(view.lowerDigits[column], false);
        }
        return form.Image5->isVisible() && form.Edit9->isVisible() && form.Edit14->isVisible()
            && files({form.Image1, form.Image2, form.Image3, form.Image4}) == upper.join(u' ')
            && files({form.Image6, form.Image7, form.Image8, form.Image9}) == lower.join(u' ');
    }

    // The picture of a slot as files() names it.
    static QString pictureOf(std::int32_t slot, bool struck)
    {
        return slot < 0 ? QStringLiteral("·")
                        : QString::fromStdString(DigitPictureFileName(slot, struck)).section(u'.', 0, 0);
    }
};

// Thousands of seeded gestures of mouse, finger and keyboard, with every
// picture there and with one missing; the first broken rule stops the storm
// and names seed and step. (The session's own rules meet a storm of their
// own.)
TEST_F(RandomGestures, NoGestureBreaksTheWindowsRules)
{
    const std::tuple<RandomSource::result_type, const char*, int> storms[] = {
        {20240611, "", 3000}, {7, "mascot.bmp", 1500}, {99, "n7.bmp", 1500}};
    for (const auto& [seed, missing, steps] : storms) {
        SCOPED_TRACE(missing);
        click(form.Button12);
        boxes.clear();
        if (*missing)
            assets.remove(missing);
        const QString allowedBox = QStringLiteral("ﾌｧｲﾙ %1 は開けません。").arg(missing);
        RandomSource random(seed);
        for (int step = 0; step < steps; ++step) {
            // Mouse actions, a finger, a key: one kind in seven is a finger, one a key.
            const std::size_t kind = random() % (std::size(actions) + 2);
            const QPoint point = somewhere(random);
            std::string gesture, failure;
            try {
                gesture = send(kind, point, random);
                failure = broken();
            } catch (...) {
                failure = "an exception escaped a handler";
            }
            for (const auto& [title, text] : boxes)
                failure += text == allowedBox ? "" : "error box \"" + text.toStdString() + "\"";
            if (!failure.empty()) {
                ADD_FAILURE() << "seed " << seed << ", step " << step << ", " << gesture << ": " << failure;
                break;
            }
        }
        if (*missing)
            restoreAsset(missing);
    }
}

} // namespace
