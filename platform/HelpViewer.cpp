// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include "platform/BoundedFile.h"
#include "platform/HelpBrowser.h"
#include "platform/HtmlLimits.h"
#include "platform/ProgramZoom.h"
#include "platform/WindowPlacement.h"
#include "platform/ZoomedHtml.h"

#include <QApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QScreen>
#include <QStringDecoder>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The help page is 7 KB of some 240 elements nested 5 deep. Qt's text
// layout takes about a second for 4,000 table cells or 10,000 line breaks,
// half a second for 256 KB of text on one line; its time doubles with each
// further level of nested tables, and its stack runs out some thousands of
// levels down. These bounds leave room for a help page many times larger
// and keep any page well under a second.
constexpr qint64 largestHelpFile = 64 << 10;
constexpr HtmlLimits helpLimits{1000, 16, 4};

const QSize preferredSize(560, 480);
// Qt's margin round a page, at the laid-out size.
constexpr double documentMargin = 4;

// The path formed from the working directory cannot be opened where that
// directory's name is not text or is too long; the bare name always can.
std::optional<QByteArray> readHelpFile(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadBoundedFile(path, largestHelpFile);
    const QString bareName = QFileInfo(path).fileName();
    return bytes || bareName == path ? bytes : ReadBoundedFile(bareName, largestHelpFile);
}

// Text, not the bytes of a program or a picture given the help file's name.
bool isText(const QByteArray& bytes, QString& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    text = utf8(bytes);
    return !utf8.hasError() && std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c < u' ' && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f') || c == u'\x7f';
    });
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new HelpBrowser(this))
{
    setWindowTitle(QStringLiteral("ヘルプ"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(preferredSize);

    // Links are followed by hand: jumps within the help file work, links that
    // lead anywhere else do nothing.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpViewer::OpenContents(const QString& path)
{
    // Fresh text puts the cursor, and so the view, back at the contents page.
    const std::optional<QByteArray> bytes = readHelpFile(path);
    QString text;
    page_.clear();
    showPage();
    if (!bytes) {
        browser_->setPlainText(QStringLiteral("ヘルプファイル %1 がみつかりません。").arg(path));
    } else {
        // A page that would hold the window, or shows not one word, is told
        // of in the window instead.
        if (isText(*bytes, text) && HtmlKeepsWithin(text, helpLimits)) {
            page_ = text;
            showPage();
        }
        if (browser_->toPlainText().trimmed().isEmpty()) {
            page_.clear();
            browser_->setPlainText(QStringLiteral("ヘルプファイル %1 は よめません。").arg(path));
        }
    }
    // The whole window on the screen, caption and all, when it first comes
    // up, whatever the window manager would choose; after that it stays
    // where it was put.
    if (!isVisible()) {
        const QRect screen = this->screen()->availableGeometry();
        QRect frame(QPoint(), (preferredSize * ProgramZoom()).boundedTo(screen.size()));
        frame.moveCenter(screen.center());
        PlaceWindowByOuterGeometry(this, KeptOnScreen(frame, screen));
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::showPage()
{
    // The words the page gives no size of, and the messages told instead of
    // a page, scale with it.
    const double zoom = ProgramZoom();
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    browser_->setFont(font);
    browser_->document()->setDocumentMargin(documentMargin * zoom);
    browser_->setHtml(ZoomedHtml(page_, zoom));
}

bool HelpViewer::event(QEvent* event)
{
    // Scaled anew, the page is read on from where it was.
    if (event->type() == ProgramZoomChangeEvent() && !page_.isEmpty()) {
        QScrollBar* bar = browser_->verticalScrollBar();
        const double readTo = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0;
        showPage();
        bar->setValue(static_cast<int>(readTo * bar->maximum()));
    }
    return QWidget::event(event);
}

void HelpViewer::followLink(const QUrl& link)
{
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        browser_->scrollToAnchor(link.fragment());
}
