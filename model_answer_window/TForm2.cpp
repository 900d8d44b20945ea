// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_answer_window/TForm2.h"

#include "platform/ProgramIcon.h"
#include "platform/ToolkitFonts.h"
#include "platform/ProgramZoom.h"
#include "widgets/ControlPlacement.h"
#include "session/Wording.h"
#include "widgets/Panel.h"
#include "widgets/PictureBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// The cells only show the worked answer: nothing is typed, nothing visited.
void makeDigitCell(QLineEdit* cell)
{
    cell->setReadOnly(true);
    cell->setFocusPolicy(Qt::ClickFocus);
    cell->setFont(FixedGothicFont(27, true));
}

} // namespace

TForm2::TForm2(QWidget* parent)
    : QWidget(parent)
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
    connect(Button1, &QPushButton::clicked, this, &TForm2::putAway);
    // Laid out 4 pixels past the screen's left edge; kept on the screen,
    // where its caption and "もどる" can be reached on any screen and zoom.
    PlaceSecondaryWindow(this, QRect(-4, 54, 313, 257));
}

void TForm2::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit putAway();
}

void TForm2::ShowWorkedSum(const WorkedSum& sum)
{
    for (QLineEdit* cell : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7})
        cell->hide();
    for (PictureBox* picture : {Image1, Image2, Image3, Image4, Image6, Image7, Image8, Image9})
        picture->hide();
    const auto write = [](QLineEdit* cell, std::int32_t digit) {
        if (digit == BLANK)
            return;
        cell->setText(QString::fromStdString(FullWidthDigit(digit)));
        cell->show();
    };
    const auto draw = [](PictureBox* picture, const std::string& file) {
        picture->LoadFromFile(QString::fromStdString(file));
        picture->show();
    };
    for (std::size_t column = 0; column < 4; ++column) {
        if (column < 3)
            write(columns_.notationCells[column], sum.notation[column]);
        write(columns_.answerCells[column], sum.answer[column]);
    }
    draw(Image5, OperatorPictureFileName(sum.operation));
    for (std::size_t column = 0; column < 4; ++column) {
        if (sum.upper[column] != BLANK)
            draw(columns_.upperDigits[column], DigitPictureFileName(sum.upper[column], column < 3 && sum.lent[column]));
        if (sum.lower[column] != BLANK)
            draw(columns_.lowerDigits[column], DigitPictureFileName(sum.lower[column], false));
    }
    show();
}

void TForm2::BringForward()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
