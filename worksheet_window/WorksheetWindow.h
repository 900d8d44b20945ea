// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheet/WorksheetSettings.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class RadioGroup;
struct Worksheet;

// "プリント": a worksheet made from the desktop. The three settings as the
// practice window has them, the number of problems and the seed, a preview
// of the first page, and two buttons to save the sheet as a PDF or print it.
class WorksheetWindow : public QWidget {
    Q_OBJECT
public:
    explicit WorksheetWindow(const WorksheetSettings& settings, QWidget* parent = nullptr);

    RadioGroup* RangeGroup;
    RadioGroup* CarryGroup;
    RadioGroup* KindGroup;
    QSpinBox* ProblemCountBox;
    QLineEdit* SeedBox;
    QLabel* Preview;
    QPushButton* PdfButton;
    QPushButton* PrintButton;

private:
    void Redraw();
    void SavePdf();
    void Print();

    WorksheetSettings settings_;
};

// Opens the window with the settings given and runs until it is closed.
int OpenWorksheetWindow(const WorksheetSettings& settings);
