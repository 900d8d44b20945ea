// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include "platform/HelpPage.h"
#include "platform/WindowPlacement.h"

#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QSize preferredSize(560, 480);

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
    if (page.state == HelpPage::State::Shown)
        browser_->setHtml(page.html);
    else if (page.state == HelpPage::State::Missing)
        browser_->setPlainText(QStringLiteral("ヘルプファイル %1 がみつかりません。").arg(path));
    else
        browser_->setPlainText(QStringLiteral("ヘルプファイル %1 は よめません。").arg(path));
    // The whole window on the screen, caption and all, when it first comes
    // up, whatever the window manager would choose; after that it stays
    // where it was put.
    if (!isVisible()) {
        const QRect screen = this->screen()->availableGeometry();
        QRect frame(QPoint(), preferredSize.boundedTo(screen.size()));
        frame.moveCenter(screen.center());
        PlaceWindowByOuterGeometry(this, KeptOnScreen(frame, screen));
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::followLink(const QUrl& link)
{
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        browser_->scrollToAnchor(link.fragment());
}
