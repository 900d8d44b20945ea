// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ErrorBox.h"

#include "platform/ApplicationTitle.h"
#include "platform/ProgramZoom.h"

#include <QApplication>
#include <QMessageBox>

namespace {
ErrorBoxRecorder& recorder()
{
    static ErrorBoxRecorder value;
    return value;
}
} // namespace

void SetErrorBoxRecorder(ErrorBoxRecorder newRecorder)
{
    recorder() = std::move(newRecorder);
}

void ShowErrorBox(const QString& message)
{
    const QString title = ApplicationTitle();
    const QString text = message + QStringLiteral("。");
    if (recorder()) {
        recorder()(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setFont(AtProgramZoom(box.font()));
    box.exec();
}
