// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_answer_window/TForm2.h"

#include "platform/EventGuard.h"
#include "platform/ProgramIcon.h"
#include "platform/ToolkitFonts.h"
#include "platform/ProgramZoom.h"
#include "widgets/ControlPlacement.h"
#include "widgets/DigitTables.h"
#include "widgets/Panel.h"
#include "widgets/PictureBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

// The cells only show the worked answer: nothing is typed, nothing visited.
void makeDigitCell(QLineEdit* cell)
{
    cell->setReadOnly(true);
    cell->setFocusPolicy(Qt::ClickFocus);
    cell->setFont(FixedGothicFont(27, true));
}

void loadAndShow(PictureBox* picture, const QString& file)
{
    picture->LoadFromFile(file);
    picture->show();
}

} // namespace

TForm2::TForm2(const ExerciseState& state, QWidget* parent)
    : QWidget(parent)
    , state_(state)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("おてほん"));
    setWindowIcon(ProgramIcon());
    setFont(ProportionalGothicFont(15));
    // Closing the practice window ends the program even while this one is
    // open; closing this one only hides it.
    setAttribute(Qt::WA_QuitOnClose, false);

    Panel1 = PlaceControl(new Panel(this), QStringLiteral("Panel1"), QRect(8, 8, 289, 209), QStringLiteral("おてほん"));
    columns_ = BuildColumnSum<QLineEdit>(Panel1, MODEL_ANSWER_SUM_ORIGIN, {"Edit1", "Edit2", "Edit3"},
                                         {"Edit4", "Edit5", "Edit6", "Edit7"});
    for (QLineEdit* cell : columns_.notationCells) {
        makeDigitCell(cell);
        SetTextColour(cell, QColor(0, 0, 255));
    }
    for (QLineEdit* cell : columns_.answerCells)
        makeDigitCell(cell);
    std::tie(Edit1, Edit2, Edit3) = std::tuple_cat(columns_.notationCells);
    std::tie(Edit4, Edit5, Edit6, Edit7) = std::tuple_cat(columns_.answerCells);
    std::tie(Image1, Image2, Image3, Image4) = std::tuple_cat(columns_.upperDigits);
    std::tie(Image6, Image7, Image8, Image9) = std::tuple_cat(columns_.lowerDigits);
    Image5 = columns_.operatorSign;
    Shape1 = columns_.ruleLine;

    Button1 = PlaceControl(new QPushButton(QStringLiteral("もどる"), Panel1), QStringLiteral("Button1"),
                    QRect(88, 176, 97, 25), QStringLiteral("もどる"));
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    // Laid out 4 pixels past the screen's left edge; kept on the screen,
    // where its caption and "もどる" can be reached on any screen and zoom.
    PlaceSecondaryWindow(this, QRect(-4, 54, 313, 257));
}

void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Drawn on the passage from hidden to shown only, not when the window
    // comes back from being minimised.
    if (!event->spontaneous())
        RunGuarded([this] { FormShow(); });
}

void TForm2::FormShow()
{
    for (QLineEdit* cell : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7})
        cell->hide();
    for (PictureBox* picture : {Image1, Image2, Image3, Image4, Image6, Image7, Image8, Image9})
        picture->hide();

    for (std::size_t column = 0; column < columns_.notationCells.size(); ++column) {
        const std::int32_t mark = state_.ExpectedMarks[column];
        if (MarkIsWritten(state_.Operation, mark)) {
            columns_.notationCells[column]->setText(DigitText(mark));
            columns_.notationCells[column]->show();
        }
    }
    // The worked answer has blanked its leading zeros, so a 0 in the
    // thousands is never written while a 0 further right is.
    for (std::size_t column = 0; column < columns_.answerCells.size(); ++column) {
        const std::int32_t digit = state_.ExpectedAnswer[column];
        if (digit >= 0) {
            columns_.answerCells[column]->setText(DigitText(digit));
            columns_.answerCells[column]->show();
        }
    }

    loadAndShow(Image5, OperatorPictureFile(state_.Operation));
    // In subtraction every upper digit that lent is drawn struck through,
    // under its lowered digit.
    const bool subtraction = state_.Operation == Operation::Subtraction;
    for (std::size_t column = 0; column < columns_.upperDigits.size(); ++column) {
        const std::int32_t digit = state_.TopDigits[column];
        if (digit < 0)
            continue;
        const bool lent = subtraction && column < 3 && MarkIsWritten(Operation::Subtraction, state_.ExpectedMarks[column]);
        loadAndShow(columns_.upperDigits[column], lent ? StruckDigitPictureFile(digit) : DigitPictureFile(digit));
    }
    for (std::size_t column = 0; column < columns_.lowerDigits.size(); ++column)
        if (state_.BottomDigits[column] >= 0)
            loadAndShow(columns_.lowerDigits[column], DigitPictureFile(state_.BottomDigits[column]));
}

void TForm2::Button1Click()
{
    hide();
}
