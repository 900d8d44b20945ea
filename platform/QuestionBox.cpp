// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QuestionBox.h"

#include "platform/ApplicationTitle.h"
#include "platform/ProgramZoom.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QuestionAnswerer& answerer()
{
    static QuestionAnswerer value;
    return value;
}
} // namespace

void SetQuestionAnswerer(QuestionAnswerer newAnswerer)
{
    answerer() = std::move(newAnswerer);
}

bool AskYesNo(const QString& question)
{
    if (answerer())
        return answerer()(question);
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), question, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole));
    box.setFont(AtProgramZoom(box.font()));
    box.exec();
    return box.clickedButton() == yes;
}
