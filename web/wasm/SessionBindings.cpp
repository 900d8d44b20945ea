// SPDX-License-Identifier: GPL-3.0-or-later
// The practice session as the browser drives it. The page hands every
// gesture to a WebSession, has the pictures of the next view read, and then
// settles the view: a picture it could not read is reported to the session,
// which takes the event back as the desktop does. The view comes out with
// its words, digits and file names written out, so the page draws it and
// looks nothing up. Node imports the same module to replay event scripts
// against the desktop's build of the session.
#include "engine/DrillSettings.h"
#include "session/PracticeSession.h"
#include "session/ScreenUpdate.h"
#include "session/SessionView.h"
#include "session/Wording.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <vector>

using emscripten::val;

namespace {

// Setting items as the radio groups number them, index 0 first; an index
// past the items picks the nearest one.
DrillSettings SettingsFromItems(int range, int carryMode, int kind)
{
    return {static_cast<Range>(std::clamp(range, 0, RANGE_COUNT - 1)),
            static_cast<CarryMode>(std::clamp(carryMode, 0, CARRY_MODE_COUNT - 1)),
            kind == 1 ? Operation::Subtraction : Operation::Addition};
}

Target TargetOf(TargetKind kind, int column)
{
    return {kind, column};
}

val Strings(const std::vector<std::string>& texts)
{
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

// A picture's file name, or nothing where no picture shows.
std::string PictureOf(std::int32_t digit, bool struck)
{
    return digit == BLANK ? std::string() : DigitPictureFileName(digit, struck);
}

template <std::size_t N>
val CellTexts(const std::array<CellView, N>& cells)
{
    std::vector<std::string> texts;
    for (const CellView& cell : cells)
        texts.push_back(FullWidthDigit(cell.shown));
    return Strings(texts);
}

val LowerPictures(const DigitRow& digits)
{
    std::vector<std::string> files;
    for (const std::int32_t digit : digits)
        files.push_back(PictureOf(digit, false));
    return Strings(files);
}

val Counter(const std::optional<std::int32_t>& value)
{
    return val(value ? std::to_string(*value) : std::string());
}

// おてほん writes a carry of nothing and a lowered 0 differently; the
// worked answer already holds BLANK wherever nothing is written.
val WorkedAnswerOf(const WorkedSum& sum)
{
    std::vector<std::string> notation, upper, answer;
    for (std::size_t column = 0; column < sum.notation.size(); ++column)
        notation.push_back(FullWidthDigit(sum.notation[column]));
    for (std::size_t column = 0; column < sum.upper.size(); ++column)
        upper.push_back(PictureOf(sum.upper[column], column < sum.lent.size() && sum.lent[column]));
    for (const std::int32_t digit : sum.answer)
        answer.push_back(FullWidthDigit(digit));
    val worked = val::object();
    worked.set("operatorPicture", std::string(OperatorPictureFileName(sum.operation)));
    worked.set("notationTexts", Strings(notation));
    worked.set("upperPictures", Strings(upper));
    worked.set("lowerPictures", LowerPictures(sum.lower));
    worked.set("answerTexts", Strings(answer));
    return worked;
}

val Drawable(const SessionView& view)
{
    std::vector<std::string> upper;
    for (const UpperDigitView& digit : view.upperDigits)
        upper.push_back(PictureOf(digit.digit, digit.struck));
    val drawn = val::object();
    drawn.set("problemShown", view.problemShown);
    drawn.set("sheetNumber", view.sheetNumber);
    drawn.set("operatorPicture", std::string(OperatorPictureFileName(view.operation)));
    drawn.set("upperPictures", Strings(upper));
    drawn.set("lowerPictures", LowerPictures(view.lowerDigits));
    drawn.set("answerTexts", CellTexts(view.answerCells));
    drawn.set("notationTexts", CellTexts(view.notationCells));
    drawn.set("answerMessage", std::string(TextOf(view.answerMessage)));
    drawn.set("notationMessage", SecondMessageLine(view));
    drawn.set("resultPicture", std::string(FileOf(view.resultPicture)));
    drawn.set("mainCaption", std::string(TextOf(view.mainCaption)));
    drawn.set("problemCount", Counter(view.shownProblemCount));
    drawn.set("score", Counter(view.shownScore));
    drawn.set("carrying", view.carriedSymbol != NO_HELD);
    drawn.set("workedAnswerShown", view.workedAnswerShown);
    drawn.set("workedAnswer", WorkedAnswerOf(view.workedAnswer));
    drawn.set("sound", std::string(FileOf(view.sound)));
    drawn.set("openHelp", view.openHelp);
    drawn.set("raiseWorkedAnswer", view.raiseWorkedAnswer);
    drawn.set("unreadableFile", view.unreadableFile);
    return drawn;
}

class WebSession {
public:
    explicit WebSession(unsigned seed)
        : session_(seed)
        , drawn_(session_.View())
    {
    }

    void ChooseSettings(int range, int carryMode, int kind) { session_.ChooseSettings(SettingsFromItems(range, carryMode, kind)); }
    void PickUpSymbol(int symbol) { session_.PickUpSymbol(symbol); }
    void PointerEnters(TargetKind kind, int column) { session_.PointerEnters(TargetOf(kind, column)); }
    void Tap(TargetKind kind, int column) { session_.Tap(TargetOf(kind, column)); }
    void PressCell(TargetKind kind, int column, bool forwards)
    {
        session_.PressCell(TargetOf(kind, column), forwards ? StepDirection::Forwards : StepDirection::Backwards);
    }
    void ClickUpperDigit(int column) { session_.ClickUpperDigit(column); }
    // A key's text: a digit, from the main keys, the number pad or an input
    // method's full-width digits, goes into the cell; anything else does
    // nothing.
    void TypeKey(TargetKind kind, int column, const std::u16string& text)
    {
        if (const auto digit = TypedDigit(text))
            session_.TypeDigit(TargetOf(kind, column), *digit);
    }
    void EraseCell(TargetKind kind, int column) { session_.EraseCell(TargetOf(kind, column)); }
    void PressMainButton() { session_.PressMainButton(); }
    void Restart() { session_.Restart(); }
    void ShowWorkedAnswer() { session_.ShowWorkedAnswer(); }
    void PutAwayWorkedAnswer() { session_.PutAwayWorkedAnswer(); }
    void AskForHelp() { session_.AskForHelp(); }
    void PoseProblem(int operationSign, int upper, int lower)
    {
        session_.PoseProblem(operationSign < 0 ? Operation::Subtraction : Operation::Addition, upper, lower);
    }

    // The pictures the page must have read before it settles the view.
    val PicturesToRead() const { return Strings(::PicturesToRead(drawn_, session_.View())); }

    // The view to draw now; `readable` tells, for each picture the view
    // needs, whether the page could read it.
    val Settle(val readable)
    {
        drawn_ = ViewToDraw(session_, drawn_, [&](const std::string& file) { return readable(file).as<bool>(); });
        return Drawable(drawn_);
    }

    // The view last settled as canonical text, the same on every build.
    std::string Describe() const { return DescribeView(drawn_); }

private:
    PracticeSession session_;
    SessionView drawn_;
};

val AllPictureFiles()
{
    return Strings(PictureFiles());
}

val AllSoundFiles()
{
    return Strings(SoundFiles());
}

} // namespace

EMSCRIPTEN_BINDINGS(porominka)
{
    emscripten::enum_<TargetKind>("TargetKind")
        .value("AnswerCell", TargetKind::AnswerCell)
        .value("NotationCell", TargetKind::NotationCell)
        .value("UpperDigit", TargetKind::UpperDigit)
        .value("Background", TargetKind::Background)
        .value("NeutralControl", TargetKind::NeutralControl);
    emscripten::class_<WebSession>("WebSession")
        .constructor<unsigned>()
        .function("chooseSettings", &WebSession::ChooseSettings)
        .function("pickUpSymbol", &WebSession::PickUpSymbol)
        .function("pointerEnters", &WebSession::PointerEnters)
        .function("tap", &WebSession::Tap)
        .function("pressCell", &WebSession::PressCell)
        .function("clickUpperDigit", &WebSession::ClickUpperDigit)
        .function("typeKey", &WebSession::TypeKey)
        .function("eraseCell", &WebSession::EraseCell)
        .function("pressMainButton", &WebSession::PressMainButton)
        .function("restart", &WebSession::Restart)
        .function("showWorkedAnswer", &WebSession::ShowWorkedAnswer)
        .function("putAwayWorkedAnswer", &WebSession::PutAwayWorkedAnswer)
        .function("askForHelp", &WebSession::AskForHelp)
        .function("poseProblem", &WebSession::PoseProblem)
        .function("picturesToRead", &WebSession::PicturesToRead)
        .function("settle", &WebSession::Settle)
        .function("describe", &WebSession::Describe);
    emscripten::function("pictureFiles", &AllPictureFiles);
    emscripten::function("soundFiles", &AllSoundFiles);
    emscripten::constant("helpFile", std::string(HELP_FILE));
}
