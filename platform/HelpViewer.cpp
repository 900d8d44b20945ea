// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include <QFile>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("ヘルプ"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 480);

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
    QFile file(path);
    // Fresh text puts the cursor, and so the view, back at the contents page.
    if (file.open(QIODevice::ReadOnly))
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    else
        browser_->setPlainText(QStringLiteral("ヘルプファイル %1 がみつかりません。").arg(path));
    // The whole page in sight when it first comes up, whatever the window
    // manager would choose; after that it stays where it was put.
    if (!isVisible()) {
        QRect frame = geometry();
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
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
