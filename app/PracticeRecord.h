// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/DrillRecorder.h"
#include "record/RecordStore.h"

#include <QObject>
#include <QString>

#include <optional>

class PracticeSession;
class TForm1;

// The practice run joined to the private record, unless --no-record keeps
// it out: the hints' diagnosis starts from the first tries kept from earlier
// runs, hints follow the parent's choice, and each problem's first judgement
// is kept as the window draws it. With --no-record the record is not opened
// at all, so a run on a shared machine leaves no trace.
class PracticeRecord {
public:
    PracticeRecord(PracticeSession& session, TForm1& form, bool wanted, const QString& path = DefaultRecordPath());
    ~PracticeRecord();
    PracticeRecord(const PracticeRecord&) = delete;
    PracticeRecord& operator=(const PracticeRecord&) = delete;

private:
    QMetaObject::Connection sheetsDrawn_;
    std::optional<RecordStore> store_;
    std::optional<DrillRecorder> recorder_;
};
