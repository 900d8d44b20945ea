// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DrawingRules.h"
#include "engine/WorkedAnswer.h"
#include "tests/worksheet/PdfText.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetPrinting.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::int32_t numberOf(const DigitRow& row)
{
    std::int32_t number = 0;
    for (std::int32_t digit : row)
        number = digit == BLANK ? number : number * 10 + digit;
    return number;
}

QString signOf(Operation operation)
{
    return operation == Operation::Addition ? QStringLiteral("＋") : QStringLiteral("－");
}

QString writtenMarks(const ExerciseState& worked)
{
    QString marks;
    for (std::int32_t mark : worked.ExpectedMarks)
        if (MarkIsWritten(worked.Operation, mark))
            marks += FullWidth(mark);
    return marks;
}

// A sheet written to a file and read back: the problems as posed, then as
// the key works them, each "(n)" with the text that follows it.
struct ReadBack {
    int pageCount = 0;
    QList<std::pair<int, QString>> posed;
    QList<std::pair<int, QString>> worked;
};

class SheetOnPaper : public testing::Test {
protected:
    ReadBack write(const Worksheet& sheet)
    {
        const QString path = directory.filePath(QStringLiteral("sheet.pdf"));
        EXPECT_EQ(WriteWorksheetPdf(path, sheet), QString());
        ReadBack back;
        for (const QString& page : PdfPages(path)) {
            back.pageCount += 1;
            (page.startsWith(QStringLiteral("こたえ")) ? back.worked : back.posed) += ProblemsOnPage(page);
        }
        return back;
    }

    QTemporaryDir directory;
};

// Every rule row: each problem on the sheet obeys it, and the key gives the
// answer and the notation the engine works out for it.
TEST_F(SheetOnPaper, EveryRuleRowPosedAndWorked)
{
    for (std::int32_t kind = 0; kind < 2; ++kind)
        for (std::int32_t range = 0; range < RANGE_COUNT; ++range)
            for (std::int32_t carry = 0; carry < CARRY_MODE_COUNT; ++carry) {
                SCOPED_TRACE(testing::Message() << "kind " << kind << " range " << range << " carry " << carry);
                const DrawingRule& rule = DrawingRuleFor(range, carry, OperationForKind(kind));
                const auto seed = static_cast<std::uint32_t>(100 * kind + 10 * range + carry);
                const Worksheet sheet = DrawWorksheet({range, carry, kind, MAX_PROBLEM_COUNT, seed});
                const ReadBack back = write(sheet);
                ASSERT_EQ(back.posed.size(), MAX_PROBLEM_COUNT);
                ASSERT_EQ(back.worked.size(), MAX_PROBLEM_COUNT);
                for (int i = 0; i < MAX_PROBLEM_COUNT; ++i) {
                    const ExerciseState& problem = sheet.problems[static_cast<std::size_t>(i)];
                    const std::int32_t upper = numberOf(problem.TopDigits);
                    const std::int32_t lower = numberOf(problem.BottomDigits);
                    ASSERT_EQ(problem.Operation, rule.operation);
                    ASSERT_TRUE(upper >= rule.upperLow && upper <= rule.upperHigh && lower >= rule.lowerLow
                                && lower <= rule.lowerHigh && !rule.drawAgain(upper, lower))
                        << upper << " " << lower;
                    const QString sum = FullWidth(upper) + signOf(rule.operation) + FullWidth(lower);
                    EXPECT_EQ(back.posed[i], std::pair(i + 1, sum));
                    ExerciseState worked;
                    PoseProblem(worked, rule.operation, upper, lower);
                    const std::int32_t result = rule.operation == Operation::Addition ? upper + lower : upper - lower;
                    ASSERT_EQ(numberOf(worked.ExpectedAnswer), result);
                    EXPECT_EQ(back.worked[i], std::pair(i + 1, writtenMarks(worked) + sum + FullWidth(result)));
                }
            }
}

// Twelve problems to a page and twenty-eight to a key page, none cut.
TEST_F(SheetOnPaper, PagesHoldWholeProblemsInOrder)
{
    const struct { int problems, pages; } sheets[] = {{1, 2}, {12, 2}, {13, 3}, {40, 6}};
    for (const auto& expected : sheets) {
        SCOPED_TRACE(expected.problems);
        const ReadBack back = write(DrawWorksheet({4, 2, 1, expected.problems, 5}));
        EXPECT_EQ(back.pageCount, expected.pages);
        ASSERT_EQ(back.posed.size(), expected.problems);
        ASSERT_EQ(back.worked.size(), expected.problems);
        for (int i = 0; i < expected.problems; ++i) {
            EXPECT_EQ(back.posed[i].first, i + 1);
            EXPECT_EQ(back.worked[i].first, i + 1);
        }
    }
}

// The key notes what the model-answer window notes: lowered digits, 0 among
// them, and carries of 1; nothing in front of the number.
TEST_F(SheetOnPaper, KeyWritesTheNotationOfTheModelAnswer)
{
    const struct { Operation operation; std::int32_t upper, lower; const char16_t* key; } rows[] = {
        {Operation::Subtraction, 1000, 1, u"９９１０００－１９９９"},
        {Operation::Subtraction, 3005, 7, u"２９９３００５－７２９９８"},
        {Operation::Subtraction, 1010, 11, u"９０１０１０－１１９９９"},
        {Operation::Subtraction, 110, 1, u"０１１０－１１０９"},
        {Operation::Subtraction, 5000, 4999, u"４９９５０００－４９９９１"},
        {Operation::Subtraction, 100, 100, u"１００－１０００"},
        {Operation::Addition, 6448, 2791, u"１１６４４８＋２７９１９２３９"},
        {Operation::Addition, 999, 1, u"１１９９９＋１１０００"},
        {Operation::Addition, 5, 5, u"５＋５１０"},
    };
    Worksheet sheet{{4, 2, 0, static_cast<int>(std::size(rows)), 0}, {}};
    for (const auto& row : rows)
        PoseProblem(sheet.problems.emplace_back(), row.operation, row.upper, row.lower);
    const ReadBack back = write(sheet);
    ASSERT_EQ(back.worked.size(), std::ssize(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(back.worked[static_cast<qsizetype>(i)].second, QString::fromUtf16(rows[i].key));
}

} // namespace
