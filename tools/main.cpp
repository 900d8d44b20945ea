// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/AssetFiles.h"

#include <QDir>
#include <QTextStream>

// Draws the program's digit, sign and judgement pictures and synthesises its
// sounds, writing them into the repository given as the only argument.
int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_assets <repository root>\n";
        return 2;
    }
    const QStringList failed = AssetFiles::writeAll(QDir(QString::fromLocal8Bit(argv[1])));
    for (const QString& path : failed)
        err << "make_assets: cannot write " << path << '\n';
    return failed.isEmpty() ? 0 : 1;
}
