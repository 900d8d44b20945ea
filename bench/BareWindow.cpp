// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the drill's start-up: a bare Qt window of the same size
// showing a line of Japanese text in the same face, and nothing else.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("ぽろみんか　ひっさんの れんしゅう"));
    label.setFont(QFont(QStringLiteral("IPAPGothic"), 12));
    label.resize(645, 352);
    label.show();
    return application.exec();
}
