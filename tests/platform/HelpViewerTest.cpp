#include "ApplicationHelp.h"
#include "HelpViewer.h"
#include "QtPrinting.h"
#include "ScratchAssetDirectory.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// A contents page on top, a long page below it, a link within the file and
// one out of it.
QByteArray helpHtml()
{
    QByteArray html = "<html><head><meta charset=\"utf-8\"></head><body>"
                      "<h1>ぽろみんか の つかいかた</h1>"
                      "<p><a href=\"#end\">おわりへ</a></p>"
                      "<p><a href=\"https://example.org/\">そとへ</a></p>";
    for (int i = 0; i < 200; ++i)
        html += "<p>れんしゅう " + QByteArray::number(i) + "</p>";
    return html + "<h2><a name=\"end\">おわり</a></h2></body></html>";
}

// Clicks the middle of the first place the browser shows `text`.
void clickText(QTextBrowser* browser, const QString& text)
{
    QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    found.setPosition(found.selectionStart() + text.size() / 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(found).center());
}

TEST(HelpViewerFile, MissingFileIsToldInTheViewerItself)
{
    ScratchAssetDirectory scratch;
    HelpViewer viewer;
    viewer.OpenContents("nothing_here.hlp");
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("nothing_here.hlp"));
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("みつかりません"));
    EXPECT_FALSE(viewer.testAttribute(Qt::WA_QuitOnClose));
}

TEST(HelpViewerFile, HelpTwiceReusesOneWindowAtTheContentsPage)
{
    ScratchAssetDirectory scratch;
    scratch.write("zumirano.hlp", helpHtml());
    SetApplicationHelpFile(scratch.path() + "/zumirano.hlp");

    ShowHelpContents();
    HelpViewer* first = ApplicationHelpViewer();
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    QTextBrowser* browser = first->browser();
    EXPECT_TRUE(browser->toPlainText().startsWith("ぽろみんか の つかいかた"));

    // A link out of the file leaves the page as it was...
    const QString shown = browser->toPlainText();
    clickText(browser, "そとへ");
    EXPECT_EQ(browser->toPlainText(), shown);

    // ...one within it scrolls down to its anchor...
    clickText(browser, "おわりへ");
    ASSERT_GT(browser->verticalScrollBar()->value(), 0);

    // ...and help asked for again comes back to the top, in the same window.
    ShowHelpContents();
    EXPECT_EQ(ApplicationHelpViewer(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(browser->toPlainText().startsWith("ぽろみんか の つかいかた"));
    first->close();
}

} // namespace
