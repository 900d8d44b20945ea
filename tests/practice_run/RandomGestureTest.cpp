// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ScreenCursor.h"
#include "widgets/DigitTables.h"
#include "widgets/EntryCell.h"
#include "widgets/PictureBox.h"

#include <QPushButton>
#include <QSignalSpy>

#include <functional>
#include <random>
#include <sstream>

namespace {

using Random = std::mt19937;

const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

Qt::MouseButton anyButton(Random& random)
{
    return buttons[random() % std::size(buttons)];
}

// The kinds of event a child sends to a point of the practice window: the
// mouse's; typing and touch come in as further kinds.
const std::pair<const char*, std::function<void(QWindow*, QPoint, Random&)>> gestureKinds[] = {
    {"move", [](QWindow* w, QPoint at, Random&) { QTest::mouseMove(w, at); }},
    {"press", [](QWindow* w, QPoint at, Random& r) { QTest::mousePress(w, anyButton(r), {}, at); }},
    {"release", [](QWindow* w, QPoint at, Random& r) { QTest::mouseRelease(w, anyButton(r), {}, at); }},
    {"click", [](QWindow* w, QPoint at, Random& r) { QTest::mouseClick(w, anyButton(r), {}, at); }},
    {"double click", [](QWindow* w, QPoint at, Random& r) { QTest::mouseDClick(w, anyButton(r), {}, at); }},
};

class RandomGestures : public DrillWindowsFixture {
protected:
    // Half the gestures land anywhere, half on the middle of some control,
    // so that the small cells and keys are hit often. "おしまい" is spared.
    QPoint somewhere(Random& random) const
    {
        const QList<QWidget*> controls = form.findChildren<QWidget*>();
        while (true) {
            const QPoint point = random() % 2 ? at(controls[qsizetype(random() % controls.size())])
                                              : QPoint(int(random() % unsigned(form.width())), int(random() % unsigned(form.height())));
            if (form.childAt(point) != form.Button13)
                return point;
        }
    }

    // The rules that hold between any two events, as broken now.
    std::string broken(const ExerciseState& before, bool restarted) const
    {
        std::ostringstream out;
        const EntryCell* const cells[] = {form.Edit9, form.Edit10, form.Edit11, form.Edit12,
                                          form.Edit14, form.Edit15, form.Edit16};
        const std::int32_t values[] = {state.EnteredAnswer[0], state.EnteredAnswer[1], state.EnteredAnswer[2],
                                      state.EnteredAnswer[3], state.EnteredMarks[0], state.EnteredMarks[1],
                                      state.EnteredMarks[2]};
        for (std::size_t i = 0; i < std::size(cells); ++i) {
            if (values[i] < BLANK || values[i] > 9)
                out << "slot of " << cells[i]->objectName().toStdString() << " out of range; ";
            // An untouched answer and a slash both hold 0 and show nothing.
            if (cells[i]->text() != DigitText(values[i]) && !(values[i] == 0 && cells[i]->text().isEmpty()))
                out << cells[i]->objectName().toStdString() << " shows other than its slot; ";
        }
        for (const std::int32_t flag : state.CrossedOut)
            if (flag != 0 && flag != STRUCK)
                out << "a strike flag out of range; ";
        if ((state.HeldDigit != NO_HELD) != (ScreenCursor() == crDrag)
            || (ScreenCursor() == crDrag) != (QGuiApplication::overrideCursor() != nullptr))
            out << "held symbol and pointer disagree; ";
        if (!restarted && (state.ProblemCount < before.ProblemCount || state.FirstTryCount < before.FirstTryCount))
            out << "a counter went down; ";
        if (state.Phase != Phase::Closed && !problemShown())
            out << "the open problem is not on screen; ";
        return out.str();
    }

    // Every digit of the open problem in its picture, struck where it is
    // struck, its sign, and every cell there to be filled.
    bool problemShown() const
    {
        const PictureBox* const upper[] = {form.Image1, form.Image2, form.Image3, form.Image4};
        const PictureBox* const lower[] = {form.Image6, form.Image7, form.Image8, form.Image9};
        bool shown = form.Image5->isVisible() && form.Edit9->isVisible() && form.Edit14->isVisible();
        for (std::size_t column = 0; column < 4; ++column) {
            const bool struck = column < 3 && state.CrossedOut[column] == STRUCK;
            shown = shown && shows(upper[column], state.TopDigits[column], struck)
                && shows(lower[column], state.BottomDigits[column], false);
        }
        return shown;
    }

    static bool shows(const PictureBox* picture, std::int32_t slot, bool struck)
    {
        const QString file = struck ? StruckDigitPictureFile(slot) : DigitPictureFile(slot);
        return slot < 0 ? !picture->isVisible() : picture->isVisible() && picture->PictureFileName() == file;
    }
};

// Thousands of seeded gestures, with every picture there and with one
// missing; the first broken rule stops the storm and names seed and step.
TEST_F(RandomGestures, NoGestureBreaksTheWindowsRules)
{
    const std::tuple<Random::result_type, const char*, int> storms[] = {
        {20240611, "", 3000}, {7, "mascot.bmp", 1500}, {99, "n7.bmp", 1500}};
    for (const auto& [seed, missing, steps] : storms) {
        SCOPED_TRACE(missing);
        click(form.Button12);
        boxes.clear();
        if (*missing)
            assets.remove(missing);
        const QString allowedBox = QStringLiteral("ﾌｧｲﾙ %1 は開けません。").arg(missing);
        Random random(seed);
        for (int step = 0; step < steps; ++step) {
            const auto& [kind, send] = gestureKinds[random() % std::size(gestureKinds)];
            const QPoint point = somewhere(random);
            const ExerciseState before = state;
            QSignalSpy restart(form.Button12, &QPushButton::clicked);
            std::string failure;
            try {
                send(form.windowHandle(), point, random);
                failure = broken(before, !restart.isEmpty());
            } catch (...) {
                failure = "an exception escaped a handler";
            }
            for (const auto& [title, text] : boxes)
                failure += text == allowedBox ? "" : "error box \"" + text.toStdString() + "\"";
            if (!failure.empty()) {
                ADD_FAILURE() << "seed " << seed << ", step " << step << ", " << kind << " at (" << point.x() << ", "
                              << point.y() << "): " << failure;
                break;
            }
        }
        if (*missing)
            restoreAsset(missing);
    }
}

} // namespace
