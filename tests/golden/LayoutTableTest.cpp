// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <map>

namespace {

// Every control of the practice window by its name: place and size within
// the window's client area, and whether it shows at start-up. The browser's
// page is checked against this table, read from the program itself, so the
// two cannot drift apart unnoticed. With DRILL_REMAKE_GOLDEN set the table is
// written anew instead of compared.
QByteArray layoutTable(const QWidget& window)
{
    const QRegularExpression named("^(Edit|Button|Image|Panel|RadioGroup|SpeedButton|Label|Shape)[0-9]+$");
    std::map<QString, QString> rows; // ordered by name, so the file diffs well
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!named.match(control->objectName()).hasMatch())
            continue;
        const QPoint place = control->mapTo(&window, QPoint(0, 0));
        rows[control->objectName()] = QStringLiteral("{\"rect\": [%1, %2, %3, %4], \"shown\": %5}")
                                          .arg(place.x()).arg(place.y()).arg(control->width())
                                          .arg(control->height())
                                          .arg(control->isVisibleTo(&window) ? "true" : "false");
    }
    QString table = QStringLiteral("{\n  \"Form1\": {\"rect\": [0, 0, %1, %2], \"shown\": true}")
                        .arg(window.width()).arg(window.height());
    for (const auto& [name, row] : rows)
        table += QStringLiteral(",\n  \"%1\": %2").arg(name, row);
    return (table + QStringLiteral("\n}\n")).toUtf8();
}

class LayoutTable : public DrillWindowsFixture {};

TEST_F(LayoutTable, PracticeWindow)
{
    const QByteArray actual = layoutTable(form);
    QFile reference(QDir(DRILL_GOLDEN_DIR).filePath(QStringLiteral("practice_layout.json")));
    if (qEnvironmentVariableIsSet("DRILL_REMAKE_GOLDEN")) {
        ASSERT_TRUE(reference.open(QIODevice::WriteOnly));
        reference.write(actual);
        return;
    }
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(actual), QString::fromUtf8(reference.readAll()));
}

} // namespace
