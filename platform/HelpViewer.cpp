// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include "platform/HelpPage.h"
#include "platform/ProgramZoom.h"
#include "platform/WindowPlacement.h"
#include "platform/ZoomedHtml.h"

#include <QApplication>
#include <QScrollBar>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QSize preferredSize(560, 480);
// Qt's margin round a page, at the laid-out size.
constexpr double documentMargin = 4;

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this))
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
    // A file that is not there, or not a page the help's markup allows, is
    // told of in the window instead.
    const HelpPage page = ReadHelpPage(path);
    page_ = page.state == HelpPage::State::Shown ? page.html : QString();
    showPage();
    if (page.state == HelpPage::State::Missing)
        browser_->setPlainText(QStringLiteral("ヘルプファイル %1 がみつかりません。").arg(path));
    else if (page.state == HelpPage::State::Unshowable)
        browser_->setPlainText(QStringLiteral("ヘルプファイル %1 は よめません。").arg(path));
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
    browser_->setFont(AtProgramZoom(QApplication::font()));
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
