// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// A question with "はい" and "いいえ", in the program's title; true for はい.
bool AskYesNo(const QString& question);

// While set, questions go to the answerer instead of the screen, so tests
// never block on a modal box. An empty function brings the real box back.
using QuestionAnswerer = std::function<bool(const QString& question)>;
void SetQuestionAnswerer(QuestionAnswerer answerer);
