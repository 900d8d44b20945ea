// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Wording.h"

#include "engine/ExerciseState.h"

#include <iterator>

namespace {

// Indexed by [AnswerRight][MarksRight]. A right answer with wrong notation
// still sounds like success: the answer is what the child worked for.
constexpr Verdict verdicts[2][2] = {
    {
        {Message::WrongAnswer, Message::WrongNotation, ResultPicture::AnswerWrong, SoundCue::Wrong},
        {Message::WrongAnswer, Message::None, ResultPicture::AnswerWrong, SoundCue::Wrong},
    },
    {
        {Message::None, Message::WrongNotation, ResultPicture::NotationWrong, SoundCue::Right},
        {Message::RightAnswer, Message::None, ResultPicture::Right, SoundCue::Right},
    },
};

constexpr const char* messages[] = {"", "せいかい！", "こたえがちがうよ。", "上のなおしかたがちがうよ。"};
constexpr const char* captions[] = {"はじめる", "はんてい", "つぎをやる"};
constexpr const char* resultPictures[] = {"", "mascot.bmp", "maru1.bmp", "hatena1.bmp", "batu1.bmp"};
constexpr const char* sounds[] = {"", "maru1.wav", "batu1.wav"};

bool isDigit(std::int32_t value)
{
    return value >= 0 && value <= 9;
}

} // namespace

const Verdict& VerdictFor(const Judgement& judgement)
{
    return verdicts[judgement.AnswerRight][judgement.MarksRight];
}

const char* TextOf(Message message)
{
    return messages[static_cast<int>(message)];
}

const char* TextOf(MainCaption caption)
{
    return captions[static_cast<int>(caption)];
}

const char* FileOf(ResultPicture picture)
{
    return resultPictures[static_cast<int>(picture)];
}

const char* FileOf(SoundCue sound)
{
    return sounds[static_cast<int>(sound)];
}

std::string DigitPictureFileName(std::int32_t digit, bool struck)
{
    if (!isDigit(digit))
        return "nb.bmp";
    return std::string(1, struck ? 'b' : 'n') + static_cast<char>('0' + digit) + ".bmp";
}

const char* OperatorPictureFileName(Operation operation)
{
    return operation == Operation::Addition ? "plus.bmp" : "minus.bmp";
}

std::string FullWidthDigit(std::int32_t digit)
{
    // "０" is U+FF10; the ten digits follow it, and in UTF-8 only the last
    // byte moves.
    return isDigit(digit) ? std::string{'\xEF', '\xBC', static_cast<char>(0x90 + digit)} : std::string();
}

const SettingWording& RangeWording()
{
    static const SettingWording wording{
        "はんい", {"１０までつかう", "２０までつかう", "１００までつかう", "１０００までつかう", "９９９９までつかう"}};
    return wording;
}

const SettingWording& CarryModeWording()
{
    static const SettingWording wording{
        "くりあがり", {"くりあがり（さがり）なし", "くりあがり（さがり）あり", "いろいろ"}};
    return wording;
}

const SettingWording& KindWording()
{
    static const SettingWording wording{"しゅるい", {"たしざん", "ひきざん"}};
    return wording;
}

std::vector<std::string> PictureFiles()
{
    std::vector<std::string> files{DigitPictureFileName(BLANK, false)};
    for (const bool struck : {false, true})
        for (std::int32_t digit = 0; digit <= 9; ++digit)
            files.push_back(DigitPictureFileName(digit, struck));
    files.insert(files.end(), {OperatorPictureFileName(Operation::Addition), OperatorPictureFileName(Operation::Subtraction)});
    files.insert(files.end(), std::begin(resultPictures) + 1, std::end(resultPictures));
    return files;
}

std::vector<std::string> SoundFiles()
{
    return {std::begin(sounds) + 1, std::end(sounds)};
}
