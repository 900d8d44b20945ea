// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_window/RecordWindow.h"

#include "mistakes/FirstTryRates.h"
#include "mistakes/FocusedProblems.h"
#include "platform/ToolkitFonts.h"
#include "record/DailyTotals.h"
#include "record/RecordChoices.h"
#include "record/RecordStore.h"
#include "record_window/DailyChart.h"
#include "record_window/WorkBesideWorked.h"
#include "worksheet_window/WorksheetWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The child's problems shown for each misconception, the latest first.
constexpr int SHOWN_SIGHTINGS = 3;

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* heading(const QString& text)
{
    auto* label = new QLabel(text);
    label->setFont(ProportionalGothicFont(16, true));
    return label;
}

QLabel* paragraph(const QString& text)
{
    auto* label = new QLabel(text);
    label->setFont(ProportionalGothicFont(13));
    label->setWordWrap(true);
    return label;
}

QString tallyText(const Tally& tally)
{
    if (tally.tried == 0)
        return QStringLiteral("―");
    return QStringLiteral("%1もん中 %2もん（%3%）")
        .arg(tally.tried)
        .arg(tally.rightFirstTime)
        .arg(tally.rightFirstTime * 100 / tally.tried);
}

QWidget* ratesGrid(const std::vector<JudgedProblem>& record)
{
    FirstTryRates rates;
    for (const JudgedProblem& problem : record)
        if (const auto sheet = SheetOf(problem))
            rates.FirstTryJudged(*sheet, problem.outcome != "answer-wrong");
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setColumnStretch(2, 1);
    int row = 0;
    for (int kind = 0; kind < PROBLEM_KIND_COUNT; ++kind, ++row) {
        layout->addWidget(new QLabel(fromView(NameOf(static_cast<ProblemKind>(kind)).ja)), row, 0);
        layout->addWidget(new QLabel(tallyText(rates.OfKind(static_cast<ProblemKind>(kind)))), row, 1);
    }
    for (int columns = 1; columns <= MAX_COLUMNS; ++columns, ++row) {
        layout->addWidget(new QLabel(QStringLiteral("%1けたの もんだい").arg(columns)), row, 0);
        layout->addWidget(new QLabel(tallyText(rates.OfColumns(columns))), row, 1);
    }
    return grid;
}

} // namespace

RecordWindow::RecordWindow(RecordStore& store, QWidget* parent)
    : QWidget(parent), RecordingBox(new QCheckBox(QStringLiteral("きろくを つける"))),
      HintBox(new QCheckBox(QStringLiteral("まちがえたとき ヒントを だす"))),
      EraseButton(new QPushButton(QStringLiteral("きろくを けす"))), store_(store)
{
    setObjectName(QStringLiteral("RecordWindow"));
    setWindowTitle(QStringLiteral("きろく"));
    setFont(ProportionalGothicFont(13));
    RecordingBox->setObjectName(QStringLiteral("RecordingBox"));
    HintBox->setObjectName(QStringLiteral("HintBox"));
    EraseButton->setObjectName(QStringLiteral("EraseButton"));
    RecordingBox->setChecked(RecordingChosen(store_));
    HintBox->setChecked(HintChosen(store_));
    connect(RecordingBox, &QCheckBox::toggled, this, [this](bool on) { ChooseRecording(store_, on); });
    connect(HintBox, &QCheckBox::toggled, this, [this](bool on) { ChooseHint(store_, on); });
    connect(EraseButton, &QPushButton::clicked, this, &RecordWindow::Erase);

    auto* choices = new QHBoxLayout;
    choices->addWidget(RecordingBox);
    choices->addWidget(HintBox);
    choices->addStretch();
    choices->addWidget(EraseButton);
    auto* inner = new QWidget;
    content_ = new QVBoxLayout(inner);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(inner);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(scroll);
    resize(900, 700);
    Fill();
}

void RecordWindow::Fill()
{
    while (QLayoutItem* item = content_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const bool usable = store_.IsOpen();
    for (QWidget* control : {static_cast<QWidget*>(RecordingBox), static_cast<QWidget*>(HintBox),
                             static_cast<QWidget*>(EraseButton)})
        control->setEnabled(usable);
    if (!usable) {
        content_->addWidget(paragraph(QStringLiteral("きろくを ひらけません。 / The record cannot be opened: ")
                                      + store_.Problem()));
        content_->addStretch();
        return;
    }
    const auto record = store_.All();
    content_->addWidget(heading(QStringLiteral("まいにちの きろく")));
    content_->addWidget(record.empty() ? static_cast<QWidget*>(paragraph(QStringLiteral("まだ きろくが ありません。")))
                                       : new DailyChart(DailyTotals(record)));
    content_->addWidget(heading(QStringLiteral("はじめの はんていで せいかいした わりあい")));
    content_->addWidget(ratesGrid(record));
    content_->addWidget(heading(QStringLiteral("みつかった まちがい")));
    const auto named = DiagnosisOf(record).Named();
    if (named.empty())
        content_->addWidget(paragraph(QStringLiteral("くりかえす まちがいは みつかって いません。")));
    for (const Misconception* misconception : named) {
        auto* name = paragraph(fromView(misconception->nameJa) + QStringLiteral(" (") + fromView(misconception->nameEn)
                               + QLatin1Char(')'));
        name->setFont(ProportionalGothicFont(14, true));
        content_->addWidget(name);
        content_->addWidget(paragraph(fromView(misconception->explanationJa)));
        auto* examples = new QHBoxLayout;
        int shown = 0;
        for (auto problem = record.rbegin(); problem != record.rend() && shown < SHOWN_SIGHTINGS; ++problem)
            for (const std::string& id : problem->sightings)
                if (id == misconception->id)
                    if (const auto sheet = SheetOf(*problem))
                        examples->addWidget(new WorkBesideWorked(*sheet, ++shown));
        examples->addStretch();
        content_->addLayout(examples);
        auto* print = new QPushButton(QStringLiteral("この れんしゅうの プリント"));
        print->setObjectName(QStringLiteral("FocusedWorksheetButton"));
        connect(print, &QPushButton::clicked, this, [this, misconception] { OpenFocusedWorksheet(misconception->id); });
        content_->addWidget(print, 0, Qt::AlignLeft);
    }
    content_->addStretch();
}

void RecordWindow::Erase()
{
    const auto answer = QMessageBox::question(this, windowTitle(),
                                              QStringLiteral("きろくを すべて けしますか？ もとに もどせません。"));
    if (answer != QMessageBox::Yes)
        return;
    store_.EraseAll();
    Fill();
}

void RecordWindow::OpenFocusedWorksheet(std::string_view id)
{
    const Misconception& misconception = *FindMisconception(id);
    WorksheetSettings settings;
    settings.drill = FittingSetting(misconception);
    settings.seed = QRandomGenerator::global()->generate();
    settings.focus = std::string(misconception.id);
    auto* window = new WorksheetWindow(settings);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}
