// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/SheetWording.h"

#include <array>

namespace {

const std::array<const char*, RANGE_COUNT> numbers = {"10までの かず", "20までの かず", "100までの かず",
                                                       "1000までの かず", "9999までの かず"};

// Addition carries, subtraction borrows; "いろいろ" mixes problems that do and
// problems that do not.
struct OperationWords {
    const char* kind;
    std::array<const char*, CARRY_MODE_COUNT> carry;
};
const OperationWords addition{"たしざん", {"くりあがり なし", "くりあがり あり", "くりあがり あり・なし"}};
const OperationWords subtraction{"ひきざん", {"くりさがり なし", "くりさがり あり", "くりさがり あり・なし"}};

const OperationWords& wordsFor(Operation operation)
{
    return operation == Operation::Subtraction ? subtraction : addition;
}

} // namespace

QString SheetTitle(const DrillSettings& settings)
{
    const OperationWords& words = wordsFor(settings.operation);
    return QStringLiteral("%1の ひっさん（%2）")
        .arg(QString::fromUtf8(words.kind),
             QString::fromUtf8(words.carry.at(static_cast<std::size_t>(settings.carryMode))));
}

QString NumbersInWords(const DrillSettings& settings)
{
    return QString::fromUtf8(numbers.at(static_cast<std::size_t>(settings.range)));
}

QString ScoreBoxText(int problemCount)
{
    return QStringLiteral("　　もん ／ %1もん").arg(problemCount);
}

QString SameSheetNumber(std::uint32_t seed)
{
    return QStringLiteral("おなじ プリントを つくる ばんごう：%1").arg(seed);
}
