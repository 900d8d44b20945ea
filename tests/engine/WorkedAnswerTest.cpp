#include "tests/engine/PaperRows.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace {

constexpr int B = BLANK;
constexpr int placeValues[] = {1000, 100, 10, 1};

// Every field but ProgramDir; assignable for a state that is not const.
auto fields(auto& s)
{
    return std::tie(s.HeldDigit, s.Operation, s.Phase, s.ProblemCount, s.FirstTryCount, s.ExpectedMarks,
                    s.EnteredMarks, s.CrossedOut, s.TopDigits, s.BottomDigits, s.EnteredAnswer, s.ExpectedAnswer);
}

// Leftovers of an earlier problem, to be cleared or kept.
ExerciseState usedState(Phase phase)
{
    ExerciseState state;
    fields(state) = std::tuple(4, Operation::Subtraction, phase, 12, 7, NotationRow{5, 5, 5}, NotationRow{3, 0, 8},
                               NotationRow{STRUCK, STRUCK, STRUCK}, DigitRow{7, 7, 7, 7}, DigitRow{6, 6, 6, 6},
                               DigitRow{1, 2, 3, 4}, DigitRow{9, 9, 9, 9});
    return state;
}

// Problem, then the upper, lower and answer rows (thousands to units) and the
// notation above the upper number (thousands to tens), worked on paper.
const char* const worked[][5] = {
    {"1000-1", "1000", "...1", ".999", ".99"},    {"305-8", ".305", "...8", ".297", ".29"},
    {"3005-7", "3005", "...7", "2998", "299"},    {"9000-1", "9000", "...1", "8999", "899"},
    {"5000-4999", "5000", "4999", "...1", "499"}, {"4234-1782", "4234", "1782", "2452", "31."},
    {"7073-342", "7073", ".342", "6731", "6.."},  {"110-1", ".110", "...1", ".109", "..0"},
    {"110-20", ".110", "..20", "..90", "..."},    {"1010-11", "1010", "..11", ".999", ".90"},
    {"1100-101", "1100", ".101", ".999", "..9"},  {"2000-1000", "2000", "1000", "1000", "..."},
    {"80-79", "..80", "..79", "...1", "..7"},     {"60-5", "..60", "...5", "..55", "..5"},
    {"15-7", "..15", "...7", "...8", "..."},      {"100-100", ".100", ".100", "...0", "..."},
    {"6-6", "...6", "...6", "...0", "..."},
    {"99+1", "..99", "...1", ".100", "..1"},      {"30+70", "..30", "..70", ".100", "..."},
    {"48+37", "..48", "..37", "..85", "..1"},     {"14+6", "..14", "...6", "..20", "..1"},
    {"9+8", "...9", "...8", "..17", "..."},       {"5+5", "...5", "...5", "..10", "..."},
    {"999+1", ".999", "...1", "1000", ".11"},     {"905+95", ".905", "..95", "1000", ".11"},
    {"500+500", ".500", ".500", "1000", "..."},   {"6448+2791", "6448", "2791", "9239", "110"},
    {"1999+1", "1999", "...1", "2000", "111"},    {"4567+5432", "4567", "5432", "9999", "..."},
    {"9+9990", "...9", "9990", "9999", "..."},    {"0+0", "...0", "...0", "...0", "..."},
    {"150+50", ".150", "..50", ".200", ".10"},
};

TEST(WorkedAnswer, FillsEveryRowAsWorkedOnPaper)
{
    const Phase phases[] = {Phase::Closed, Phase::FirstTry, Phase::Retrying};
    for (std::size_t i = 0; i < std::size(worked); ++i) {
        SCOPED_TRACE(worked[i][0]);
        // Posing clears the learner's entries, counts the problem and opens it
        // whatever phase the last one was left in.
        ExerciseState state = usedState(phases[i % 3]);
        const Operation operation = posePaperProblem(state, worked[i][0]);
        EXPECT_EQ(fields(state), std::tuple(4, operation, Phase::FirstTry, 13, 7, paperRow<3>(worked[i][4]),
                                            NotationRow{B, B, B}, NotationRow{}, paperRow<4>(worked[i][1]),
                                            paperRow<4>(worked[i][2]), DigitRow{}, paperRow<4>(worked[i][3])));
    }
}

// A number as written: leading zeros show nothing, the units always show.
DigitRow onPaper(int number)
{
    DigitRow digits{};
    for (int column = 0; column < 4; ++column)
        digits[column] = column < 3 && number < placeValues[column] ? B : number / placeValues[column] % 10;
    return digits;
}

// The notation a child writes, from the two numbers alone. A column receives
// a carry (addition), or lends to its right (subtraction), exactly when the
// part of the numbers to its right overflows or runs short. A lending digit
// shows one less, a 0 having borrowed first shows 9. Notation is dropped from
// the left while it is 0 or stands over a column neither number reaches.
NotationRow marksOnPaper(Operation operation, int u, int l)
{
    NotationRow marks{};
    bool dropping = true;
    for (int column = 0; column < 3; ++column) {
        const int place = placeValues[column];
        int written = B;
        if (operation == Operation::Addition)
            written = u % place + l % place >= place ? 1 : 0;
        else if (u % place < l % place)
            written = (u / place % 10 + 9) % 10;
        dropping = dropping && (written == 0 || (u < place && l < place));
        marks[column] = dropping ? B : written;
    }
    return marks;
}

// Every problem ranges 0 to 3 can pose (and their neighbours), and a sample
// of range 4, against the arithmetic. One state throughout, as in a run, so
// nothing may be left over from the problem before.
TEST(WorkedAnswer, AgreesWithTheArithmetic)
{
    ExerciseState state = usedState(Phase::Closed);
    int faults = 0;
    auto check = [&](Operation operation, int u, int l) {
        PoseProblem(state, operation, u, l);
        const int result = operation == Operation::Addition ? u + l : u - l;
        if (std::tie(state.TopDigits, state.BottomDigits, state.ExpectedAnswer, state.ExpectedMarks)
                != std::tuple(onPaper(u), onPaper(l), onPaper(result), marksOnPaper(operation, u, l))
            && ++faults <= 5)
            ADD_FAILURE() << u << (operation == Operation::Addition ? " + " : " - ") << l << " worked wrong";
    };
    for (int u = 0; u <= 1000; ++u)
        for (int l = 0; l <= 1000; ++l) {
            if (u + l <= 1000)
                check(Operation::Addition, u, l);
            if (l <= u)
                check(Operation::Subtraction, u, l);
        }
    std::mt19937 random(9999);
    std::uniform_int_distribution number(0, 9999);
    for (int draw = 0; draw < 200'000; ++draw) {
        const int a = number(random), b = number(random);
        if (a + b <= 9999)
            check(Operation::Addition, a, b);
        check(Operation::Subtraction, std::max(a, b), std::min(a, b));
    }
}

TEST(ExerciseState, ResetClearsTheRowsAndStartupValuesTheScalarsToo)
{
    const auto cleared = [](int heldDigit, Operation operation, Phase phase, int problems, int firstTries) {
        return std::tuple(heldDigit, operation, phase, problems, firstTries, NotationRow{B, B, B}, NotationRow{B, B, B},
                          NotationRow{}, DigitRow{}, DigitRow{}, DigitRow{}, DigitRow{});
    };
    ExerciseState state = usedState(Phase::Retrying);
    ResetExerciseState(state);
    EXPECT_EQ(fields(state), cleared(4, Operation::Subtraction, Phase::Retrying, 12, 7));
    SetStartupValues(state);
    EXPECT_EQ(fields(state), cleared(NO_HELD, Operation::Addition, Phase::Closed, 0, 0));
}

} // namespace
