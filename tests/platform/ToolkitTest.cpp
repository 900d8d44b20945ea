// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "platform/CurrentDirectory.h"
#include "platform/EventGuard.h"
#include "platform/HelpViewer.h"
#include "platform/ScreenCursor.h"
#include "platform/WindowPlacement.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/RecordedErrorBoxes.h"
#include "tests/support/RecordedSounds.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtEndian>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

TEST(RunGuarded, ShowsOneErrorBoxAndSkipsTheRestOfTheBody)
{
    const struct { const char* label; std::function<void()> body; ErrorBoxes boxes; } cases[] = {
        {"runs through", [] {}, {}},
        {"picture missing", [] { throw FileOpenError("x.bmp"); }, {{"ぽろみんか", "ﾌｧｲﾙ x.bmp は開けません。"}}},
        {"other failure", [] { throw std::runtime_error("こわれた"); }, {{"ぽろみんか", "こわれた。"}}},
    };
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    ErrorBoxes boxes;
    const RecordedErrorBoxes recording(boxes);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        boxes.clear();
        bool finished = false;
        EXPECT_NO_THROW(RunGuarded([&] { c.body(); finished = true; }));
        EXPECT_EQ(finished, c.boxes.empty());
        EXPECT_EQ(boxes, c.boxes);
    }
}

// However often the shape is set, one restore leaves no override behind.
TEST(ScreenCursor, HoldsAtMostOneOverrideLevel)
{
    const struct { std::vector<int> shapes; int shown; } cases[] = {
        {{crDrag}, crDrag}, {{crDrag, crDrag}, crDrag}, {{crDrag, crDrag, crDefault}, crDefault},
        {{crDrag, crDefault, crDefault}, crDefault}, {{crDrag, crDefault, crDrag}, crDrag}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.shapes));
        for (int shape : c.shapes)
            SetScreenCursor(shape);
        EXPECT_EQ(ScreenCursor(), c.shown);
        // No override at all reads as the arrow: every widget shows its own.
        const QCursor* override = QGuiApplication::overrideCursor();
        EXPECT_EQ(override ? override->shape() : Qt::ArrowCursor,
                  c.shown == crDrag ? Qt::DragMoveCursor : Qt::ArrowCursor);
        QGuiApplication::restoreOverrideCursor();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        SetScreenCursor(crDefault);
    }
}

TEST(Help, AskedForAgainReusesTheWindowAtTheTop)
{
    ScratchAssetDirectory scratch;
    QByteArray html = "<html><body><h1>つかいかた</h1><p><a href=\"#end\">おわりへ</a></p>";
    for (int i = 0; i < 200; ++i)
        html += "<p>れんしゅう</p>";
    scratch.write("help.hlp", html + "<h2><a name=\"end\">おわり</a></h2></body></html>");
    SetApplicationHelpFile(scratch.path() + "/help.hlp");
    ShowHelpContents();
    HelpViewer* first = ApplicationHelpViewer();
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    QTextBrowser* browser = first->browser();
    // A link within the file scrolls down to its anchor.
    QTextCursor link = browser->document()->find("おわりへ");
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
    ASSERT_GT(browser->verticalScrollBar()->value(), 0);
    ShowHelpContents();
    EXPECT_EQ(ApplicationHelpViewer(), first);
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(browser->toPlainText().startsWith("つかいかた"));
    first->close();
}

// Offscreen windows may or may not get a frame; either way the outer
// rectangle must end up where the layout put it.
TEST(WindowPlacement, OuterRectangleEndsWhereAsked)
{
    const std::pair<const char*, std::function<void(QWidget&)>> cases[] = {
        {"resizable", [](QWidget&) {}},
        {"fixed size", [](QWidget& w) { w.setFixedSize(300, 200); }},
        {"shown before", [](QWidget& w) { w.show(); (void)QTest::qWaitForWindowExposed(&w); }}};
    const QRect outer(33, 15, 645, 352);
    for (const auto& [label, prepare] : cases) {
        SCOPED_TRACE(label);
        QWidget window;
        prepare(window);
        PlaceWindowByOuterGeometry(&window, outer);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        EXPECT_EQ(window.frameGeometry(), outer);
    }
}

// Past PATH_MAX only relative steps work, so the test walks down one directory
// at a time and back out, removing them, before the temporary one goes.
TEST(CurrentDirectory, IsWholeWithOneSeparatorAppended)
{
    namespace fs = std::filesystem;
    const std::pair<const char*, QStringList> cases[] = {
        {"japanese", {QStringLiteral("さんすう"), QStringLiteral("ひっさん 1")}},
        {"over 300 characters", QStringList(4, QString(90, 'd'))},
        {"over PATH_MAX", QStringList(48, QString(90, 'd'))}};
    const CurrentDirectoryGuard previous;
    for (const auto& [label, names] : cases) {
        SCOPED_TRACE(label);
        QTemporaryDir temporary;
        ASSERT_TRUE(QDir::setCurrent(temporary.path()));
        const QString expected = QDir::currentPath() + '/' + names.join('/') + '/';
        for (const QString& name : names) {
            fs::create_directory(QFile::encodeName(name).toStdString());
            fs::current_path(QFile::encodeName(name).toStdString());
        }
        EXPECT_EQ(CurrentDirectoryWithSeparator().toStdString(), expected.toStdString());
        for (auto name = names.crbegin(); name != names.crend(); ++name) {
            fs::current_path("..");
            fs::remove(QFile::encodeName(*name).toStdString());
        }
    }
    ASSERT_TRUE(QDir::setCurrent("/"));
    EXPECT_EQ(CurrentDirectoryWithSeparator().toStdString(), "//");
}

// A sound is asked for again each time; a missing file, or one that cannot
// be played, is no error but a beep, and a mended file plays at the next try.
TEST(Sound, IsReportedAndNeverThrows)
{
    ScratchAssetDirectory scratch;
    QFile original(scratch.path() + "/maru1.wav");
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray wav = original.readAll();
    QByteArray overlong = wav;
    qToLittleEndian<quint32>(0xFFFFFFFFu, overlong.data() + 40);
    scratch.remove("batu1.wav");
    const std::pair<const char*, QByteArray> damaged[] = {
        {"text.wav", "just some text"}, {"empty.wav", {}}, {"header.wav", wav.left(44)},
        {"half.wav", wav.left(wav.size() / 2)}, {"overlong.wav", overlong}};
    for (const auto& [name, bytes] : damaged)
        scratch.write(name, bytes);
    SoundRequests heard;
    const RecordedSounds recording(heard);
    std::vector<std::pair<QString, bool>> cases{{"maru1.wav", true}, {"batu1.wav", false}};
    for (const auto& [name, bytes] : damaged)
        cases.emplace_back(name, false);
    for (const auto& [name, found] : cases) {
        SCOPED_TRACE(name.toStdString());
        heard.clear();
        EXPECT_NO_THROW(PlaySoundFile(name));
        EXPECT_NO_THROW(PlaySoundFile(name));
        EXPECT_EQ(heard, SoundRequests(2, {name, found}));
    }
    scratch.write("half.wav", wav);
    heard.clear();
    PlaySoundFile("half.wav");
    EXPECT_EQ(heard, SoundRequests(1, {"half.wav", true}));
}

} // namespace
