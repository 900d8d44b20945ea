// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnDigits.h"
#include "engine/WorkedAnswer.h"
#include "layout/ColumnLayout.h"
#include "layout/SettingItems.h"
#include "mistakes/ProblemKind.h"
#include "platform/ScreenPlace.h"
#include "tests/support/PaperRows.h"
#include "worksheet/PosedProblem.h"
#include "tests/worksheet/PdfText.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetFiles.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The sheet written to a PDF file and read back.
SheetText writeAndReadBack(const Worksheet& sheet)
{
    const QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("sheet.pdf"));
    WorksheetFiles files(path, AnswerKey::After);
    EXPECT_EQ(files.Open(), QString());
    EXPECT_EQ(files.Write(sheet), QString());
    return ReadSheet(path);
}

// Every rule row: each problem drawn for the sheet stands on the paper as
// drawn. Twelve problems go to a page and twenty-eight to a key page, none
// cut, all in order.
TEST(SheetOnPaper, EveryRuleRowPosedInOrderOnWholePages)
{
    const struct { int problems, pages; } sizes[] = {{1, 2}, {12, 2}, {13, 3}, {28, 4}, {29, 5}, {40, 6}};
    std::uint32_t seed = 0;
    for (std::int32_t kind = 0; kind < 2; ++kind)
        for (std::int32_t range = 0; range < RANGE_COUNT; ++range)
            for (std::int32_t carry = 0; carry < CARRY_MODE_COUNT; ++carry) {
                SCOPED_TRACE(testing::Message() << "kind " << kind << " range " << range << " carry " << carry);
                const auto [problems, pages] = sizes[seed % std::size(sizes)];
                const DrillSettings settings = SettingsFromItems(range, carry, kind);
                const Worksheet sheet = DrawWorksheet({settings, problems, seed++});
                const SheetText back = writeAndReadBack(sheet);
                EXPECT_EQ(back.pageCount, pages);
                ASSERT_EQ(back.posed.size(), problems);
                ASSERT_EQ(back.worked.size(), problems);
                const QChar sign = settings.operation == Operation::Addition ? u'+' : u'-';
                for (int i = 0; i < problems; ++i) {
                    const ExerciseState& problem = sheet.problems[static_cast<std::size_t>(i)];
                    const QString sum = QString::number(NumberIn(problem.TopDigits)) + sign
                                      + QString::number(NumberIn(problem.BottomDigits));
                    // Printed in full-width digits and signs, as a child writes them.
                    const QString& posed = back.posed[i].second;
                    EXPECT_EQ(posed.normalized(QString::NormalizationForm_KC), sum);
                    EXPECT_TRUE(std::none_of(posed.begin(), posed.end(), [](QChar c) { return c.unicode() < 0x80; }))
                        << posed.toStdString();
                    EXPECT_EQ(back.posed[i].first, i + 1);
                    EXPECT_EQ(back.worked[i].first, i + 1);
                }
            }
}

// The key notes what the model-answer window notes: lowered digits, 0 among
// them, and carries of 1; nothing in front of the number.
TEST(SheetOnPaper, KeyWritesTheNotationOfTheModelAnswer)
{
    const struct { Operation operation; std::int32_t upper, lower; const char16_t* key; } rows[] = {
        {Operation::Subtraction, 1000, 1, u"９９１０００－１９９９"},
        {Operation::Subtraction, 1010, 11, u"９０１０１０－１１９９９"},
        {Operation::Subtraction, 110, 1, u"０１１０－１１０９"},
        {Operation::Subtraction, 5000, 4999, u"４９９５０００－４９９９１"},
        {Operation::Subtraction, 100, 100, u"１００－１０００"},
        {Operation::Addition, 6448, 2791, u"１１６４４８＋２７９１９２３９"},
        {Operation::Addition, 999, 1, u"１１９９９＋１１０００"},
        {Operation::Addition, 5, 5, u"５＋５１０"},
    };
    Worksheet sheet{{SettingsFromItems(4, 2, 0), static_cast<int>(std::size(rows)), 0}, {}};
    for (const auto& row : rows)
        PoseProblem(sheet.problems.emplace_back(), row.operation, row.upper, row.lower);
    const SheetText back = writeAndReadBack(sheet);
    ASSERT_EQ(back.worked.size(), std::ssize(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(back.worked[static_cast<qsizetype>(i)].second, QString::fromUtf16(rows[i].key));
}

// A posed problem boxes the notation only over columns the sum reaches:
// "x" boxed, "." left bare, thousands to tens.
TEST(SheetOnPaper, NotationBoxesStandOnlyOverColumnsInUse)
{
    const std::pair<const char*, const char*> rows[] = {
        {"47+8", "..x"}, {"305-8", ".xx"}, {"9+1", "..."}, {"1263+313", "xxx"}, {"1000-1", "xxx"},
    };
    for (const auto& [sum, boxed] : rows) {
        SCOPED_TRACE(sum);
        QImage paper(PosedProblemSize().toSize(), QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        PaintPosedProblem(painter, posed(sum), 1, SettingsFromItems(4, 2, 0));
        painter.end();
        std::string seen;
        for (int column = THOUSANDS; column < UNITS; ++column) {
            const QRect box = ToQRect(NotationCellPlace(PRACTICE_SUM_ORIGIN, column)).translated(0, -PRACTICE_SUM_ORIGIN.top);
            bool inked = false;
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor ink = paper.pixelColor(x, box.top());
                inked = inked || (ink.blue() > 150 && ink.red() < 120);
            }
            seen += inked ? 'x' : '.';
        }
        EXPECT_EQ(seen, boxed);
    }
}

// Each problem page is titled from the settings in plain words and carries
// the score box for the sheet's count; only the key, for the teacher, carries
// the number that makes the same sheet again.
TEST(SheetOnPaper, HeadersSayTheSettingsInPlainWordsAndTheKeyTheSheetNumber)
{
    const struct { WorksheetSettings settings; const char* title, *numbers; } rows[] = {
        {{SettingsFromItems(0, 0, 0), 12, 5}, "たしざんのひっさん（くりあがりなし）", "10までのかず"},
        {{SettingsFromItems(2, 1, 1), 13, 77}, "ひきざんのひっさん（くりさがりあり）", "100までのかず"},
        {{SettingsFromItems(4, 2, 0), 1, 4294967295}, "たしざんのひっさん（くりあがりあり・なし）", "9999までのかず"},
        {{SettingsFromItems(3, 2, 1), 40, 0}, "ひきざんのひっさん（くりさがりあり・なし）", "1000までのかず"},
    };
    for (const auto& [settings, title, numbers] : rows) {
        SCOPED_TRACE(title);
        const SheetText back = writeAndReadBack(DrawWorksheet(settings));
        const QString score = QStringLiteral("もん／%1もん").arg(settings.problemCount);
        const QString sameSheet = QStringLiteral("おなじプリントをつくるばんごう：%1").arg(settings.seed);
        ASSERT_FALSE(back.problemHeaders.isEmpty());
        for (const QString& header : back.problemHeaders) {
            EXPECT_TRUE(header.contains(QString::fromUtf8(title) + score)) << header.toStdString();
            EXPECT_TRUE(header.contains(QString::fromUtf8(numbers))) << header.toStdString();
            EXPECT_FALSE(header.contains(QStringLiteral("ばんごう"))) << header.toStdString();
        }
        ASSERT_FALSE(back.keyHeaders.isEmpty());
        for (const QString& header : back.keyHeaders) {
            EXPECT_TRUE(header.startsWith(QStringLiteral("こたえ") + QString::fromUtf8(title))) << header.toStdString();
            EXPECT_TRUE(header.contains(sameSheet)) << header.toStdString();
            EXPECT_FALSE(header.contains(QStringLiteral("もん／"))) << header.toStdString();
        }
    }
}

} // namespace
