// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet_window/WorksheetWindow.h"

#include "platform/ErrorBox.h"
#include "platform/ProgramIcon.h"
#include "platform/QuestionBox.h"
#include "platform/ToolkitFonts.h"
#include "widgets/ControlPlacement.h"
#include "widgets/RadioGroup.h"
#include "widgets/SettingCaptions.h"
#include "layout/SettingItems.h"
#include "worksheet/SheetGeometry.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetFiles.h"
#include "worksheet/WorksheetPrinting.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include <algorithm>
#include <limits>
#include <random>

namespace {

constexpr int previewWidth = 320;

RadioGroup* settingGroup(const SettingGroupCaptions& captions, int columns, std::int32_t selected, QWidget* parent,
                         QRect geometry)
{
    auto* group = PlaceControl(new RadioGroup(captions.caption, captions.items, columns, parent),
                               captions.caption, geometry, captions.caption);
    group->SetItemIndex(selected);
    return group;
}

QLabel* label(const QString& text, QWidget* parent, QRect geometry)
{
    return PlaceControl(new QLabel(text, parent), text, geometry, text);
}

// Where a parent who started the program from the desktop expects to save.
QString startingFolder()
{
    const QString callerDir = qEnvironmentVariable("POROMINKA_CALLER_DIR");
    return callerDir.isEmpty() ? QDir::homePath() : callerDir;
}

} // namespace

WorksheetWindow::WorksheetWindow(const WorksheetSettings& settings, AnswerKey key, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
{
    setObjectName(QStringLiteral("WorksheetWindow"));
    setWindowTitle(QStringLiteral("プリント"));
    setWindowIcon(ProgramIcon());
    setFont(ProportionalGothicFont(12));
    const int previewHeight = qRound(previewWidth * SHEET_PAGE_SIZE.height() / SHEET_PAGE_SIZE.width());
    setFixedSize(190 + previewWidth + 10, std::max(previewHeight, 550) + 20);

    // The settings stand as on the left of the practice window.
    const SettingItems items = ItemsOf(settings.drill);
    RangeGroup = settingGroup(RangeCaptions(), 1, items.range, this, QRect(16, 10, 151, 131));
    CarryGroup = settingGroup(CarryCaptions(), 1, items.carryMode, this, QRect(16, 150, 151, 87));
    KindGroup = settingGroup(KindCaptions(), 2, items.kind, this, QRect(16, 244, 151, 57));

    label(QStringLiteral("もんだいの かず"), this, QRect(16, 316, 100, 20));
    ProblemCountBox = PlaceControl(new QSpinBox(this), QStringLiteral("ProblemCountBox"), QRect(116, 314, 51, 24),
                                   QStringLiteral("もんだいの かず"));
    ProblemCountBox->setRange(MIN_PROBLEM_COUNT, MAX_PROBLEM_COUNT);
    ProblemCountBox->setValue(settings.problemCount);

    label(QStringLiteral("ばんごう"), this, QRect(16, 348, 50, 20));
    SeedBox = PlaceControl(new QLineEdit(QString::number(settings.seed), this), QStringLiteral("SeedBox"),
                           QRect(66, 346, 101, 24), QStringLiteral("おなじ プリントを つくる ばんごう"));
    SeedBox->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,10}")), SeedBox));
    SeedBox->setToolTip(QStringLiteral("おなじ ばんごうなら おなじ もんだいに なります"));
    OtherProblemsButton = PlaceControl(new QPushButton(QStringLiteral("べつの もんだい"), this),
                                       QStringLiteral("OtherProblemsButton"), QRect(16, 376, 151, 26),
                                       QStringLiteral("べつの もんだい"));

    // In the order of AnswerKey.
    KeyGroup = settingGroup({QStringLiteral("こたえ"),
                             {QStringLiteral("あとの ページに つける"), QStringLiteral("べつの ファイルに する"),
                              QStringLiteral("つけない")}},
                            1, static_cast<std::int32_t>(key), this, QRect(16, 410, 151, 69));

    PdfButton = PlaceControl(new QPushButton(QStringLiteral("PDF に する"), this), QStringLiteral("PdfButton"),
                             QRect(16, 486, 151, 30), QStringLiteral("PDF に する"));
    PrintButton = PlaceControl(new QPushButton(QStringLiteral("いんさつ"), this), QStringLiteral("PrintButton"),
                               QRect(16, 524, 151, 30), QStringLiteral("いんさつ"));
    Preview = PlaceControl(new QLabel(this), QStringLiteral("Preview"), QRect(190, 10, previewWidth, previewHeight),
                           QStringLiteral("1まいめの みほん"));
    Preview->setFrameShape(QFrame::Box);

    for (RadioGroup* group : {RangeGroup, CarryGroup, KindGroup})
        for (QRadioButton* item : group->findChildren<QRadioButton*>())
            connect(item, &QRadioButton::toggled, this, [this](bool on) { if (on) Redraw(); });
    connect(ProblemCountBox, &QSpinBox::valueChanged, this, &WorksheetWindow::Redraw);
    connect(SeedBox, &QLineEdit::textChanged, this, &WorksheetWindow::Redraw);
    connect(OtherProblemsButton, &QPushButton::clicked, this,
            [this] { SeedBox->setText(QString::number(std::random_device{}())); });
    for (QRadioButton* item : KeyGroup->findChildren<QRadioButton*>())
        connect(item, &QRadioButton::toggled, this, [this](bool on) { if (on) Redraw(); });
    connect(PdfButton, &QPushButton::clicked, this, &WorksheetWindow::SavePdf);
    connect(PrintButton, &QPushButton::clicked, this, &WorksheetWindow::Print);
    Redraw();
}

// A seed being typed that is out of range leaves the last sheet standing,
// and it cannot be saved or printed until the seed is whole again.
void WorksheetWindow::Redraw()
{
    const quint64 seed = SeedBox->text().toULongLong();
    const bool seedValid = SeedBox->hasAcceptableInput() && seed <= std::numeric_limits<std::uint32_t>::max();
    PdfButton->setEnabled(seedValid);
    PrintButton->setEnabled(seedValid);
    if (!seedValid)
        return;
    // A sheet for practising one misconception stays one as the settings change.
    settings_ = {SettingsFromItems(RangeGroup->ItemIndex(), CarryGroup->ItemIndex(), KindGroup->ItemIndex()),
                 ProblemCountBox->value(), static_cast<std::uint32_t>(seed), settings_.focus};
    QImage page(Preview->contentsRect().size(), QImage::Format_RGB32);
    QPainter painter(&page);
    PaintFirstPagePreview(painter, sheet(), page.width());
    painter.end();
    Preview->setPixmap(QPixmap::fromImage(page));
}

// The dialog does not ask about replacing a file: the name is only final once
// ".pdf" is added, so the question is asked here, of the files written.
void WorksheetWindow::SavePdf()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDF に する"),
                                                QDir(startingFolder()).filePath(QStringLiteral("プリント.pdf")),
                                                QStringLiteral("PDF (*.pdf)"), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    writeFiles(path, static_cast<AnswerKey>(KeyGroup->ItemIndex()), SheetPdfLayout(), true);
}

// Printing to a file makes the same PDF, written the same safe way, with a
// key after the problems as on paper; the print dialog has asked about a
// file it replaces. A printer gets the pages directly.
void WorksheetWindow::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(SheetPdfLayout());
    // The sheet keeps its own margins, which are wider than a printer needs.
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer.outputFileName().isEmpty()) {
        PrintWorksheet(printer, sheet());
        return;
    }
    const bool noKey = static_cast<AnswerKey>(KeyGroup->ItemIndex()) == AnswerKey::None;
    writeFiles(printer.outputFileName(), noKey ? AnswerKey::None : AnswerKey::After, printer.pageLayout(), false);
}

void WorksheetWindow::writeFiles(const QString& path, AnswerKey key, const QPageLayout& layout, bool ask)
{
    WorksheetFiles files(path, key);
    QStringList replaced;
    for (const QString& file : files.Paths())
        if (QFileInfo::exists(file))
            replaced << QDir::toNativeSeparators(file);
    if (ask && !replaced.isEmpty()
        && !AskYesNo(QStringLiteral("%1 は もう あります。おきかえますか？").arg(replaced.join(QStringLiteral("、")))))
        return;
    QString failure = files.Open();
    if (failure.isEmpty())
        failure = files.Write(DrawWorksheet(settings_), layout);
    if (!failure.isEmpty())
        ShowErrorBox(QStringLiteral("%1 に かけません（%2）").arg(QDir::toNativeSeparators(path), failure));
}

// Printed, a key apart from the problems comes after them all the same: the
// teacher takes its pages away.
Worksheet WorksheetWindow::sheet() const
{
    Worksheet sheet = DrawWorksheet(settings_);
    if (static_cast<AnswerKey>(KeyGroup->ItemIndex()) == AnswerKey::None)
        sheet.parts = SheetParts::Problems;
    return sheet;
}

int OpenWorksheetWindow(const WorksheetSettings& settings, AnswerKey key)
{
    WorksheetWindow window(settings, key);
    window.show();
    return QApplication::exec();
}
