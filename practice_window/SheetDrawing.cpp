// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_answer_window/TForm2.h"
#include "platform/ApplicationHelp.h"
#include "platform/ErrorBox.h"
#include "platform/FileOpenError.h"
#include "platform/PictureFile.h"
#include "platform/ScreenCursor.h"
#include "platform/SoundPlayer.h"
#include "practice_window/TForm1.h"
#include "session/ScreenUpdate.h"
#include "widgets/EntryCell.h"
#include "widgets/PictureBox.h"
#include "widgets/SpeedButton.h"

#include <QLineEdit>

namespace {

QString fileName(const std::string& file)
{
    return QString::fromStdString(file);
}

bool canRead(const std::string& file)
{
    try {
        LoadPictureFile(fileName(file));
        return true;
    } catch (const FileOpenError&) {
        return false;
    }
}

void setText(QLineEdit* line, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    if (line->text() != shown)
        line->setText(shown);
}

void showDigit(PictureBox* picture, std::int32_t digit, bool struck)
{
    if (digit == BLANK) {
        picture->hide();
        return;
    }
    picture->LoadFromFile(fileName(DigitPictureFileName(digit, struck)));
    picture->show();
}

std::string counterText(const std::optional<std::int32_t>& count)
{
    return count ? std::to_string(*count) : std::string();
}

} // namespace

void TForm1::Refresh()
{
    const SessionView view = ViewToDraw(session_, drawn_, canRead);
    DrawSheet(view, view.sheetNumber != drawn_.sheetNumber);
    DrawWorkedAnswer(view);
    drawn_ = view;
    PlayEffects(view);
    emit sheetDrawn(view);
}

void TForm1::DrawSheet(const SessionView& view, bool newSheet)
{
    if (newSheet || view.resultPicture != drawn_.resultPicture)
        Image10->LoadFromFile(QString::fromLatin1(FileOf(view.resultPicture)));
    if (newSheet) {
        for (EntryCell* cell : {Edit9, Edit10, Edit11, Edit12, Edit14, Edit15, Edit16})
            cell->show();
        Image5->LoadFromFile(QString::fromLatin1(OperatorPictureFileName(view.operation)));
        Image5->show();
    }
    for (std::size_t column = 0; column < 4; ++column) {
        const UpperDigitView& upper = view.upperDigits[column];
        if (newSheet || upper != drawn_.upperDigits[column])
            showDigit(columns_.upperDigits[column], upper.digit, upper.struck);
        if (newSheet || view.lowerDigits[column] != drawn_.lowerDigits[column])
            showDigit(columns_.lowerDigits[column], view.lowerDigits[column], false);
        setText(columns_.answerCells[column], FullWidthDigit(view.answerCells[column].shown));
        if (column < 3)
            setText(columns_.notationCells[column], FullWidthDigit(view.notationCells[column].shown));
    }
    setText(Edit8, TextOf(view.answerMessage));
    setText(Edit13, SecondMessageLine(view));
    SpeedButton1->setText(QString::fromUtf8(TextOf(view.mainCaption)));
    setText(Edit17, counterText(view.shownProblemCount));
    setText(Edit18, counterText(view.shownScore));
    if ((view.carriedSymbol == NO_HELD) != (drawn_.carriedSymbol == NO_HELD))
        SetScreenCursor(view.carriedSymbol == NO_HELD ? crDefault : crDrag);
}

void TForm1::DrawWorkedAnswer(const SessionView& view)
{
    if (!Form2)
        return;
    if (!view.workedAnswerShown) {
        if (drawn_.workedAnswerShown)
            Form2->hide();
        return;
    }
    if (!drawn_.workedAnswerShown || view.workedAnswer != drawn_.workedAnswer)
        Form2->ShowWorkedSum(view.workedAnswer);
    if (view.raiseWorkedAnswer)
        Form2->BringForward();
}

void TForm1::PlayEffects(const SessionView& view)
{
    if (!view.unreadableFile.empty())
        ShowErrorBox(FileOpenError(fileName(view.unreadableFile)).message());
    if (view.sound != SoundCue::None)
        PlaySoundFile(QString::fromLatin1(FileOf(view.sound)));
    if (view.openHelp) {
        SetApplicationHelpFile(programDirectory_ + QString::fromLatin1(HELP_FILE));
        ShowHelpContents();
    }
}
