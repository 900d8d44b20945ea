// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordChoices.h"

#include "record/RecordStore.h"

namespace {

const QString recording = QStringLiteral("recording");
const QString hint = QStringLiteral("hint");

} // namespace

bool RecordingChosen(const RecordStore& store)
{
    return store.Choice(recording, true);
}

bool HintChosen(const RecordStore& store)
{
    return store.Choice(hint, false);
}

void ChooseRecording(RecordStore& store, bool on)
{
    store.SetChoice(recording, on);
}

void ChooseHint(RecordStore& store, bool on)
{
    store.SetChoice(hint, on);
}
