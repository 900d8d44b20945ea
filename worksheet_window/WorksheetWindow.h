// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetFiles.h"
#include "worksheet/WorksheetSettings.h"

#include <QWidget>

class QLabel;
class QPageLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class RadioGroup;

// "プリント": a worksheet made from the desktop. The three settings as the
// practice window has them, the number of problems and the number that makes
// the same sheet (with a button for other problems), where the key goes, a
// live preview of the first page, and two buttons to save the sheet as a PDF
// or print it.
class WorksheetWindow : public QWidget {
    Q_OBJECT
public:
    explicit WorksheetWindow(const WorksheetSettings& settings, AnswerKey key = AnswerKey::After,
                             QWidget* parent = nullptr);

    RadioGroup* RangeGroup;
    RadioGroup* CarryGroup;
    RadioGroup* KindGroup;
    QSpinBox* ProblemCountBox;
    QLineEdit* SeedBox;
    // A new number, and so other problems, at once in the preview.
    QPushButton* OtherProblemsButton;
    // Where the key goes, as --key: after, in a file of its own, or nowhere.
    RadioGroup* KeyGroup;
    QLabel* Preview;
    QPushButton* PdfButton;
    QPushButton* PrintButton;

private:
    void Redraw();
    void SavePdf();
    void Print();
    // The files of the sheet at `path`, after asking about any it replaces
    // when `ask`; a failure is told in an error box.
    void writeFiles(const QString& path, AnswerKey key, const QPageLayout& layout, bool ask);
    // The sheet as the window would print it: without its key when none is asked for.
    Worksheet sheet() const;

    WorksheetSettings settings_;
};

// Opens the window with the settings given and runs until it is closed.
int OpenWorksheetWindow(const WorksheetSettings& settings, AnswerKey key);
