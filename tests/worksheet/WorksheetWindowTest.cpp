// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/RadioGroup.h"
#include "worksheet_window/WorksheetWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The window opens with the key where the command line put it; 「べつの
// もんだい」 draws a new number, and the preview shows its other problems at
// once.
TEST(WorksheetWindow, OtherProblemsShowAtOnceInThePreview)
{
    WorksheetWindow window({DrillSettings{}, 12, 7}, AnswerKey::Separate);
    EXPECT_EQ(window.KeyGroup->ItemIndex(), 1);
    const QImage before = window.Preview->pixmap().toImage();
    QTest::mouseClick(window.OtherProblemsButton, Qt::LeftButton);
    EXPECT_NE(window.SeedBox->text(), QStringLiteral("7"));
    EXPECT_NE(window.Preview->pixmap().toImage(), before);
}

} // namespace
