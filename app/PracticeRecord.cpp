// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PracticeRecord.h"

#include "practice_window/TForm1.h"
#include "record/RecordChoices.h"
#include "session/PracticeSession.h"

PracticeRecord::PracticeRecord(PracticeSession& session, TForm1& form, bool wanted, const QString& path)
{
    if (!wanted)
        return;
    store_.emplace(path);
    recorder_.emplace(*store_, true);
    if (store_->IsOpen()) {
        session.RememberFirstTries(recorder_->KeptFirstTries());
        session.ShowHints(HintChosen(*store_));
    }
    sheetsDrawn_ = QObject::connect(&form, &TForm1::sheetDrawn, &form, [this, &session](const SessionView& view) {
        recorder_->SheetDrawn(view, session.Run(), session.Settings());
    });
}

PracticeRecord::~PracticeRecord()
{
    QObject::disconnect(sheetsDrawn_);
}
