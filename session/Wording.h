// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Judge.h"
#include "engine/Operation.h"

#include <cstdint>
#include <string>
#include <vector>

// Everything the drill says, shows and plays, by id, and the one table that
// turns the ids into texts (UTF-8) and file names (relative to the working
// directory). Every screen reads it here.

// The two message lines beside the sum.
enum class Message { None, RightAnswer, WrongAnswer, WrongNotation };

// The main button: it starts, judges and moves on.
enum class MainCaption { Start, Judge, Next };

// The picture beside the sum: the start-up art built into the program, the
// mascot while a problem is worked on, then the verdict.
enum class ResultPicture { Startup, Mascot, Right, NotationWrong, AnswerWrong };

// The sound a judgement plays.
enum class SoundCue { None, Right, Wrong };

// What a judgement shows and plays.
struct Verdict {
    Message answerMessage;
    Message notationMessage;
    ResultPicture picture;
    SoundCue sound;
};

const Verdict& VerdictFor(const Judgement& judgement);

const char* TextOf(Message message);
const char* TextOf(MainCaption caption);
// Empty for the start-up art, which is no file.
const char* FileOf(ResultPicture picture);
// Empty for no sound.
const char* FileOf(SoundCue sound);

// "n0.bmp" to "n9.bmp", or struck through "b0.bmp" to "b9.bmp"; any value
// outside 0 to 9 gives the blank picture "nb.bmp".
std::string DigitPictureFileName(std::int32_t digit, bool struck);
// "plus.bmp" or "minus.bmp".
const char* OperatorPictureFileName(Operation operation);
// "０" to "９", the full-width digit a cell shows; nothing outside 0 to 9.
std::string FullWidthDigit(std::int32_t digit);

// A setting as the settings panel words it: its caption and its items in
// the order they are listed.
struct SettingWording {
    const char* caption;
    std::vector<const char*> items;
};
const SettingWording& RangeWording();
const SettingWording& CarryModeWording();
const SettingWording& KindWording();

// The help file, in the program's directory.
inline constexpr const char* HELP_FILE = "zumirano.hlp";

// Every picture and every sound file the drill may read.
std::vector<std::string> PictureFiles();
std::vector<std::string> SoundFiles();
