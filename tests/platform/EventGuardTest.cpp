#include "ApplicationTitle.h"
#include "ErrorBox.h"
#include "EventGuard.h"
#include "FileOpenError.h"
#include "QtPrinting.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

struct GuardCase {
    const char* label;
    std::function<void()> failure; // empty: the body runs through
    std::vector<std::pair<QString, QString>> boxes;
    friend void PrintTo(const GuardCase& row, std::ostream* out) { *out << row.label; }
};

class RunGuardedBody : public ::testing::TestWithParam<GuardCase> {
protected:
    void SetUp() override
    {
        SetApplicationTitle(QStringLiteral("ぽろみんか"));
        SetErrorBoxRecorder([this](const QString& title, const QString& text) {
            boxes_.emplace_back(title, text);
        });
    }
    void TearDown() override { SetErrorBoxRecorder({}); }

    std::vector<std::pair<QString, QString>> boxes_;
};

TEST_P(RunGuardedBody, ShowsOneErrorBoxAndSkipsTheRestOfTheBody)
{
    const GuardCase& guard = GetParam();
    bool finished = false;
    EXPECT_NO_THROW(RunGuarded([&] {
        if (guard.failure)
            guard.failure();
        finished = true;
    }));
    EXPECT_EQ(finished, !guard.failure);
    EXPECT_EQ(boxes_, guard.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RunGuardedBody,
    ::testing::Values(
        GuardCase{"runs_through", {}, {}},
        GuardCase{"picture_missing",
                  [] { throw FileOpenError("x.bmp"); },
                  {{QStringLiteral("ぽろみんか"),
                    QStringLiteral("\uFF8C\uFF67\uFF72\uFF99 x.bmp は開けません。")}}},
        GuardCase{"other_failure",
                  [] { throw std::runtime_error("こわれた"); },
                  {{QStringLiteral("ぽろみんか"), QStringLiteral("こわれた。")}}}));

} // namespace
