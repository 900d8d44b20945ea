// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ScreenUpdate.h"

#include <algorithm>

namespace {

void add(std::vector<std::string>& files, const std::string& file)
{
    if (!file.empty() && std::find(files.begin(), files.end(), file) == files.end())
        files.push_back(file);
}

void addSum(std::vector<std::string>& files, const SessionView& drawn, const SessionView& next, bool whole)
{
    if (whole || next.operation != drawn.operation)
        add(files, OperatorPictureFileName(next.operation));
    for (std::size_t column = 0; column < next.upperDigits.size(); ++column) {
        const UpperDigitView& digit = next.upperDigits[column];
        if (digit.digit != BLANK && (whole || digit != drawn.upperDigits[column]))
            add(files, DigitPictureFileName(digit.digit, digit.struck));
    }
    for (std::size_t column = 0; column < next.lowerDigits.size(); ++column) {
        const std::int32_t digit = next.lowerDigits[column];
        if (digit != BLANK && (whole || digit != drawn.lowerDigits[column]))
            add(files, DigitPictureFileName(digit, false));
    }
}

void addWorkedAnswer(std::vector<std::string>& files, const WorkedSum& sum)
{
    add(files, OperatorPictureFileName(sum.operation));
    for (std::size_t column = 0; column < sum.upper.size(); ++column)
        if (sum.upper[column] != BLANK)
            add(files, DigitPictureFileName(sum.upper[column], column < sum.lent.size() && sum.lent[column]));
    for (const std::int32_t digit : sum.lower)
        if (digit != BLANK)
            add(files, DigitPictureFileName(digit, false));
}

} // namespace

std::vector<std::string> PicturesToRead(const SessionView& drawn, const SessionView& next)
{
    std::vector<std::string> files;
    const bool newSheet = next.sheetNumber != drawn.sheetNumber;
    if (newSheet || next.resultPicture != drawn.resultPicture)
        add(files, FileOf(next.resultPicture));
    if (next.problemShown)
        addSum(files, drawn, next, newSheet);
    if (next.workedAnswerShown && !(drawn.workedAnswerShown && drawn.workedAnswer == next.workedAnswer))
        addWorkedAnswer(files, next.workedAnswer);
    return files;
}

SessionView ViewToDraw(PracticeSession& session, const SessionView& drawn, const PictureReader& read)
{
    SessionView next = session.View();
    for (const std::string& file : PicturesToRead(drawn, next)) {
        if (!read(file)) {
            session.PictureFailed(file);
            return session.View();
        }
    }
    return next;
}
