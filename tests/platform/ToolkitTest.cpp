#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "platform/CurrentDirectory.h"
#include "platform/EventGuard.h"
#include "platform/HelpViewer.h"
#include "platform/ScreenCursor.h"
#include "platform/SoundPlayer.h"
#include "platform/WindowPlacement.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

TEST(RunGuarded, ShowsOneErrorBoxAndSkipsTheRestOfTheBody)
{
    using Boxes = std::vector<std::pair<std::string, std::string>>;
    const struct { const char* label; std::function<void()> body; Boxes boxes; } cases[] = {
        {"runs through", [] {}, {}},
        {"picture missing", [] { throw FileOpenError("x.bmp"); }, {{"ぽろみんか", "ﾌｧｲﾙ x.bmp は開けません。"}}},
        {"other failure", [] { throw std::runtime_error("こわれた"); }, {{"ぽろみんか", "こわれた。"}}},
    };
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    Boxes boxes;
    SetErrorBoxRecorder([&](const QString& title, const QString& text) {
        boxes.emplace_back(title.toStdString(), text.toStdString());
    });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        boxes.clear();
        bool finished = false;
        EXPECT_NO_THROW(RunGuarded([&] { c.body(); finished = true; }));
        EXPECT_EQ(finished, c.boxes.empty());
        EXPECT_EQ(boxes, c.boxes);
    }
    SetErrorBoxRecorder({});
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

TEST(Help, MissingFileIsToldInTheViewer)
{
    HelpViewer viewer;
    viewer.OpenContents("nothing_here.hlp");
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_FALSE(viewer.testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(viewer.browser()->toPlainText().toStdString(), "ヘルプファイル nothing_here.hlp がみつかりません。");
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
    const QString previous = QDir::currentPath();
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
    QDir::setCurrent(previous);
}

// maru1.wav lasts most of a second: waiting for it would show.
TEST(Sound, IsReportedAndNeverWaitedForNorThrows)
{
    ScratchAssetDirectory scratch;
    scratch.write("text.wav", "just some text");
    scratch.remove("batu1.wav");
    std::vector<std::pair<QString, bool>> heard;
    SetSoundRecorder([&](const QString& name, bool found) { heard.emplace_back(name, found); });
    const std::pair<const char*, bool> cases[] = {{"maru1.wav", true}, {"text.wav", false}, {"batu1.wav", false}};
    for (const auto& [name, found] : cases) {
        SCOPED_TRACE(name);
        heard.clear();
        QElapsedTimer timer;
        timer.start();
        EXPECT_NO_THROW(PlaySoundFile(name));
        EXPECT_NO_THROW(PlaySoundFile(name));
        EXPECT_LT(timer.elapsed(), 500);
        EXPECT_EQ(heard, decltype(heard)(2, {name, found}));
    }
    SetSoundRecorder({});
}

} // namespace
