#include "DrillWindows.h"

#include "ApplicationHelp.h"
#include "EntryCell.h"
#include "HelpViewer.h"
#include "PictureBox.h"
#include "SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

namespace {

using RunTrouble = DrillWindows;

// A help file long enough to scroll, its title on top.
QByteArray helpFile()
{
    QByteArray html = "<html><head><meta charset=\"utf-8\"></head><body><h1>ぽろみんか の つかいかた</h1>";
    for (int i = 0; i < 200; ++i)
        html += "<p>れんしゅう " + QByteArray::number(i) + "</p>";
    return html + "</body></html>";
}

TEST_F(RunTrouble, HelpLeavesThePracticeAlone)
{
    click(form.SpeedButton1);
    pose(OPERATION_ADDITION, 48, 37);
    writeAnswer(85);
    const auto practice = StateFields(state);
    const QStringList face = practiceFace();
    const QString expectedFile = QString::fromStdString(state.ProgramDir) + QStringLiteral("zumirano.hlp");

    // Without the file the viewer says so itself.
    assets.remove(QStringLiteral("zumirano.hlp"));
    click(form.SpeedButton2);
    EXPECT_EQ(ApplicationHelpFile(), expectedFile);
    EXPECT_EQ(QFileInfo(expectedFile).absolutePath(), QFileInfo(assets.path()).absoluteFilePath());
    HelpViewer* viewer = ApplicationHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->browser()->toPlainText().contains(QStringLiteral("zumirano.hlp")));

    // Once the file is there, the same viewer shows it from the top, every time.
    assets.write(QStringLiteral("zumirano.hlp"), helpFile());
    for (int press = 0; press < 2; ++press) {
        SCOPED_TRACE(press);
        click(form.SpeedButton2);
        EXPECT_EQ(ApplicationHelpViewer(), viewer);
        EXPECT_EQ(ApplicationHelpFile(), expectedFile);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
        EXPECT_TRUE(viewer->browser()->toPlainText().startsWith(QStringLiteral("ぽろみんか の つかいかた")));
        QScrollBar* scroll = viewer->browser()->verticalScrollBar();
        EXPECT_EQ(scroll->value(), 0);
        ASSERT_GT(scroll->maximum(), 0);
        scroll->setValue(scroll->maximum());
    }

    EXPECT_EQ(StateFields(state), practice);
    EXPECT_EQ(practiceFace(), face);
    EXPECT_TRUE(errorBoxes.empty());
}

// A result picture that cannot be read stops the judging before anything is
// played or counted; the same entries can be judged again once it is back.
struct MissingPictureCase {
    const char* picture;
    std::int32_t answer;
    bool carryWritten;
    const char* answerMessage;
    const char* notationMessage;
    const char* sound;
    std::int32_t phaseAfter;
    const char* scoreAfter;
};

const MissingPictureCase missingPictureCases[] = {
    {"batu1.bmp", 84, true, "こたえがちがうよ。", "", "batu1.wav", PHASE_RETRYING, ""},
    {"maru1.bmp", 85, true, "せいかい！", "", "maru1.wav", PHASE_CLOSED, "100"},
    {"hatena1.bmp", 85, false, "", "上のなおしかたがちがうよ。", "maru1.wav", PHASE_CLOSED, "100"},
};

TEST_F(RunTrouble, MissingResultPictureStopsTheJudging)
{
    for (const MissingPictureCase& c : missingPictureCases) {
        SCOPED_TRACE(c.picture);
        errorBoxes.clear();
        sounds.clear();
        click(form.Button12);
        pose(OPERATION_ADDITION, 48, 37);
        writeAnswer(c.answer);
        if (c.carryWritten)
            writeMark(2, 1);
        assets.remove(QString::fromLatin1(c.picture));
        const auto beforeJudging = StateFields(state);

        click(form.SpeedButton1);
        EXPECT_EQ(errorBoxes, (decltype(errorBoxes){{QStringLiteral("ぽろみんか"),
                                                     QStringLiteral("ﾌｧｲﾙ %1 は開けません。").arg(c.picture)}}));
        EXPECT_EQ(form.Edit8->text(), QString::fromUtf8(c.answerMessage));
        EXPECT_EQ(form.Edit13->text(), QString::fromUtf8(c.notationMessage));
        EXPECT_TRUE(sounds.empty());
        EXPECT_EQ(StateFields(state), beforeJudging);
        EXPECT_EQ(form.SpeedButton1->text(), QStringLiteral("はんてい"));
        EXPECT_EQ(form.Edit17->text(), QString());
        EXPECT_EQ(form.Edit18->text(), QString());

        restoreAsset(QString::fromLatin1(c.picture));
        click(form.SpeedButton1);
        EXPECT_EQ(errorBoxes.size(), 1u);
        EXPECT_EQ(form.Image10->PictureFileName(), QString::fromLatin1(c.picture));
        EXPECT_EQ(sounds, (decltype(sounds){{QString::fromLatin1(c.sound), true}}));
        EXPECT_EQ(state.Phase, c.phaseAfter);
        EXPECT_EQ(form.Edit18->text(), QString::fromUtf8(c.scoreAfter));
    }
}

TEST_F(RunTrouble, MissingSoundsDoNotStopTheRun)
{
    assets.remove(QStringLiteral("maru1.wav"));
    assets.remove(QStringLiteral("batu1.wav"));
    click(form.SpeedButton1);
    pose(OPERATION_ADDITION, 26, 13);
    writeAnswer(38);
    click(form.SpeedButton1);
    EXPECT_EQ(sounds, (decltype(sounds){{QStringLiteral("batu1.wav"), false}}));
    EXPECT_EQ(state.Phase, PHASE_RETRYING);
    EXPECT_EQ(form.Image10->PictureFileName(), QStringLiteral("batu1.bmp"));

    carry(9, form.Edit12);
    click(form.SpeedButton1);
    EXPECT_EQ(sounds.back(), std::make_pair(QStringLiteral("maru1.wav"), false));
    EXPECT_EQ(state.Phase, PHASE_CLOSED);
    EXPECT_EQ(form.SpeedButton1->text(), QStringLiteral("つぎをやる"));
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("0"));
    EXPECT_TRUE(errorBoxes.empty());
}

// Closing the practice window ends the program, even with "おてほん" and the
// help open.
class ProgramEnd : public DrillWindows {
protected:
    void endWith(const std::function<void()>& gesture);
};

void ProgramEnd::endWith(const std::function<void()>& gesture)
{
    click(form.SpeedButton1);
    click(form.Button14);
    click(form.SpeedButton2);
    ASSERT_TRUE(form2.isVisible());
    ASSERT_TRUE(ApplicationHelpViewer()->isVisible());

    // The program ends when the event loop does; a second's grace catches a
    // window that keeps it running.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    // Qt closes the remaining windows itself once the loop is told to quit,
    // so "おてほん" is looked at when the last window counts as closed.
    bool modelAnswerStillUp = false;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &form2,
                     [&] { modelAnswerStillUp = form2.isVisible(); });
    QTimer::singleShot(0, &form, gesture);
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, qApp, [] { QApplication::exit(1); });
    stuck.start(1000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(modelAnswerStillUp);
    EXPECT_EQ(lastClosed.count(), 1);
}

TEST_F(ProgramEnd, ByOshimai)
{
    endWith([this] { click(form.Button13); });
}

TEST_F(ProgramEnd, ByTheCloseBox)
{
    endWith([this] { form.close(); });
}

} // namespace
