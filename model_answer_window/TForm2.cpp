#include "TForm2.h"

#include "ControlPlacement.h"
#include "DigitTables.h"
#include "EventGuard.h"
#include "Panel.h"
#include "PictureBox.h"
#include "ProgramIcon.h"
#include "ToolkitFonts.h"
#include "WindowPlacement.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

// The sum stands 16 pixels right of and 40 pixels above the practice
// window's, with the answer just under the rule line.
constexpr std::array<int, 4> columnLeft{67, 112, 157, 202};
constexpr int notationTop = 5;
constexpr int upperTop = 43;
constexpr int lowerTop = 82;
constexpr int answerTop = 126;

QLineEdit* digitCell(QWidget* parent, const QString& name, QPoint topLeft, const QString& spokenName)
{
    auto* cell = PlaceControl(new QLineEdit(parent), name, QRect(topLeft, CELL_SIZE), spokenName);
    cell->setReadOnly(true);
    cell->setFocusPolicy(Qt::ClickFocus);
    cell->setFont(FixedGothicFont(27, true));
    return cell;
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
    PlaceWindowByOuterGeometry(this, QRect(-4, 54, 313, 257));

    Panel1 = PlaceControl(new Panel(this), QStringLiteral("Panel1"), QRect(8, 8, 289, 209), QStringLiteral("おてほん"));
    for (int column = 0; column < 4; ++column) {
        const int left = columnLeft[column];
        if (column < 3) {
            notationCells_[column] = digitCell(Panel1, QStringLiteral("Edit%1").arg(column + 1), QPoint(left, notationTop),
                                               QStringLiteral("うえの メモ（%1）").arg(ColumnNames()[column]));
            SetTextColour(notationCells_[column], QColor(0, 0, 255));
        }
        answerCells_[column] = digitCell(Panel1, QStringLiteral("Edit%1").arg(column + 4), QPoint(left, answerTop),
                                         QStringLiteral("こたえ（%1）").arg(ColumnNames()[column]));
        upperDigits_[column] = MakeDigitPicture(Panel1, QStringLiteral("Image%1").arg(column + 1), QPoint(left, upperTop),
                                            QStringLiteral("うえの かず（%1）").arg(ColumnNames()[column]));
        lowerDigits_[column] = MakeDigitPicture(Panel1, QStringLiteral("Image%1").arg(column + 6), QPoint(left, lowerTop),
                                            QStringLiteral("したの かず（%1）").arg(ColumnNames()[column]));
    }
    std::tie(Edit1, Edit2, Edit3) = std::tuple(notationCells_[0], notationCells_[1], notationCells_[2]);
    std::tie(Edit4, Edit5, Edit6, Edit7) = std::tuple(answerCells_[0], answerCells_[1], answerCells_[2], answerCells_[3]);
    std::tie(Image1, Image2, Image3, Image4) = std::tuple(upperDigits_[0], upperDigits_[1], upperDigits_[2], upperDigits_[3]);
    std::tie(Image6, Image7, Image8, Image9) = std::tuple(lowerDigits_[0], lowerDigits_[1], lowerDigits_[2], lowerDigits_[3]);
    Image5 = MakeDigitPicture(Panel1, QStringLiteral("Image5"), QPoint(22, lowerTop), QStringLiteral("きごう"));

    Shape1 = MakeRuleLine(Panel1, QPoint(22, 120));

    Button1 = PlaceControl(new QPushButton(QStringLiteral("もどる"), Panel1), QStringLiteral("Button1"),
                    QRect(88, 176, 97, 25), QStringLiteral("もどる"));
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
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

    const bool subtraction = state_.Operation == OPERATION_SUBTRACTION;
    // A lowered upper digit may be 0 and is written; a carry of 0 is none.
    for (std::size_t column = 0; column < notationCells_.size(); ++column) {
        const std::int32_t mark = state_.ExpectedMarks[column];
        if (subtraction ? mark >= 0 : mark > 0) {
            notationCells_[column]->setText(DigitText(mark));
            notationCells_[column]->show();
        }
    }
    // A 0 in the thousands of the answer is never written.
    for (std::size_t column = 0; column < answerCells_.size(); ++column) {
        const std::int32_t digit = state_.ExpectedAnswer[column];
        if (column == 0 ? digit > 0 : digit >= 0) {
            answerCells_[column]->setText(DigitText(digit));
            answerCells_[column]->show();
        }
    }

    loadAndShow(Image5, state_.Operation == OPERATION_ADDITION ? QStringLiteral("plus.bmp")
                                                              : QStringLiteral("minus.bmp"));
    // In subtraction every upper digit that lent is drawn struck through,
    // under its lowered digit.
    for (std::size_t column = 0; column < upperDigits_.size(); ++column) {
        const std::int32_t digit = state_.TopDigits[column];
        if (digit < 0)
            continue;
        const bool lent = subtraction && column < 3 && state_.ExpectedMarks[column] >= 0;
        loadAndShow(upperDigits_[column], lent ? StruckDigitPictureFile(digit) : DigitPictureFile(digit));
    }
    for (std::size_t column = 0; column < lowerDigits_.size(); ++column)
        if (state_.BottomDigits[column] >= 0)
            loadAndShow(lowerDigits_[column], DigitPictureFile(state_.BottomDigits[column]));
}

void TForm2::Button1Click()
{
    hide();
}
