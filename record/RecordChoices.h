// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class RecordStore;

// The parent's choices, kept with the record: whether judged problems are
// recorded (yes unless turned off) and whether a wrong answer that matches
// a named misconception shows its hint (no unless turned on).
bool RecordingChosen(const RecordStore& store);
bool HintChosen(const RecordStore& store);
void ChooseRecording(RecordStore& store, bool on);
void ChooseHint(RecordStore& store, bool on);
