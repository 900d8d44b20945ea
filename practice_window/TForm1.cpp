// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window/TForm1.h"

#include "platform/CurrentDirectory.h"
#include "platform/ProgramIcon.h"
#include "platform/ProgramVersion.h"
#include "platform/ToolkitFonts.h"
#include "platform/WindowPlacement.h"
#include "widgets/ControlPlacement.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/Panel.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/SettingCaptions.h"
#include "widgets/SpeedButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor olive(128, 128, 0);

QLineEdit* readOnlyBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

} // namespace

TForm1::TForm1(PracticeSession& session, QWidget* parent)
    : QWidget(parent)
    , session_(session)
    , drawn_(session.View())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ぽろみんか　Ver.") + QLatin1String(CaptionVersion));
    setWindowIcon(ProgramIcon());
    setFont(ProportionalGothicFont(12));
    setMouseTracking(true);
    PlaceWindowByOuterGeometry(this, QRect(33, 15, 645, 352));

    BuildProblemPanel();
    BuildKeypadPanel();
    BuildCounterPanel();
    BuildSettingsPanel();
    // No control hands a mouse event on to the panel or window behind it,
    // where a move would let go of the symbol being carried.
    for (QWidget* control : findChildren<QWidget*>())
        control->setAttribute(Qt::WA_NoMousePropagation);
    RouteEntryGestures();
    RouteRunButtons();
    SetTabOrder();
    FormCreate();
}

void TForm1::BuildProblemPanel()
{
    Panel1 = PlaceControl(new Panel(this), "Panel1", QRect(280, 8, 345, 249), QStringLiteral("もんだい"));
    Panel1->setMouseTracking(true);

    columns_ = BuildColumnSum<EntryCell>(Panel1, PRACTICE_SUM_ORIGIN, {"Edit14", "Edit15", "Edit16"},
                                         {"Edit9", "Edit10", "Edit11", "Edit12"});
    const QFont cellFont = FixedGothicFont(27, true);
    for (EntryCell* cell : columns_.notationCells) {
        cell->setFont(cellFont);
        SetTextColour(cell, blue);
    }
    for (EntryCell* cell : columns_.answerCells)
        cell->setFont(cellFont);
    std::tie(Edit14, Edit15, Edit16) = std::tuple_cat(columns_.notationCells);
    std::tie(Edit9, Edit10, Edit11, Edit12) = std::tuple_cat(columns_.answerCells);
    std::tie(Image1, Image2, Image3, Image4) = std::tuple_cat(columns_.upperDigits);
    std::tie(Image6, Image7, Image8, Image9) = std::tuple_cat(columns_.lowerDigits);
    Image5 = columns_.operatorSign;
    Shape1 = columns_.ruleLine;
    // Only the upper digits that can be struck follow the pointer.
    for (int column = 0; column < 3; ++column)
        columns_.upperDigits[column]->setMouseTracking(true);

    Edit8 = PlaceControl(readOnlyBox(Panel1), "Edit8", QRect(192, 8, 145, 20), QStringLiteral("こたえの メッセージ"));
    Edit13 = PlaceControl(readOnlyBox(Panel1), "Edit13", QRect(192, 40, 145, 20), QStringLiteral("うえの メモの メッセージ"));
    // The message lines are read, not visited: Tab passes them by.
    Edit8->setFocusPolicy(Qt::ClickFocus);
    Edit13->setFocusPolicy(Qt::ClickFocus);

    Image10 = PlaceControl(new PictureBox(Panel1), "Image10", QRect(248, 72, 81, 81), QStringLiteral("けっかの え"));
    Image10->SetAutoSize(false);
    Image10->SetPicture(QPixmap(QStringLiteral(":/art/startup.png")));

    Button14 = PlaceControl(new QPushButton(QStringLiteral("せいかいを見る"), Panel1), "Button14",
                     QRect(240, 168, 97, 25), QStringLiteral("せいかいを見る"));
    Button14->setAutoDefault(true);

    SpeedButton1 = PlaceControl(new SpeedButton(Panel1), "SpeedButton1", QRect(240, 200, 97, 41),
                         QStringLiteral("はじめる・はんてい・つぎをやる"));
    SpeedButton1->setFont(FixedGothicFont(17));
    // A double click would start a problem and judge it empty at once.
    SpeedButton1->SetActsOncePerDoubleClick(true);
}

void TForm1::BuildKeypadPanel()
{
    Panel2 = PlaceControl(new Panel(this), "Panel2", QRect(259, 272, 366, 41), QStringLiteral("すうじの キー"));
    Panel2->setMouseTracking(true);

    struct KeyDescription {
        KeypadKey* TForm1::*member;
        const char* name;
        int left;
        char16_t caption;
        std::int32_t symbol;
    };
    // "０" to "９" stand 32 pixels apart; the slash stands a little apart.
    const KeyDescription keys[] = {
        {&TForm1::Button10, "Button10", 6, u'０', 0},   {&TForm1::Button1, "Button1", 38, u'１', 1},
        {&TForm1::Button2, "Button2", 70, u'２', 2},    {&TForm1::Button3, "Button3", 102, u'３', 3},
        {&TForm1::Button4, "Button4", 134, u'４', 4},   {&TForm1::Button5, "Button5", 166, u'５', 5},
        {&TForm1::Button6, "Button6", 198, u'６', 6},   {&TForm1::Button7, "Button7", 230, u'７', 7},
        {&TForm1::Button8, "Button8", 262, u'８', 8},   {&TForm1::Button9, "Button9", 294, u'９', 9},
        {&TForm1::Button11, "Button11", 334, u'／', HELD_SLASH},
    };
    const QFont keyFont = FixedGothicFont(16, true);
    for (const KeyDescription& key : keys) {
        const QString caption(QChar(key.caption));
        auto* button = PlaceControl(new KeypadKey(caption, Panel2), key.name, QRect(key.left, 6, 27, 27),
                             key.symbol == HELD_SLASH ? QStringLiteral("ななめせん ／")
                                                      : QStringLiteral("すうじ %1").arg(caption));
        button->setFont(keyFont);
        if (key.symbol == HELD_SLASH)
            SetTextColour(button, olive);
        this->*key.member = button;
        const std::int32_t symbol = key.symbol;
        connect(button, &KeypadKey::pressed, this,
                [this, symbol] { Act([symbol](PracticeSession& s) { s.PickUpSymbol(symbol); }); });
    }
    // Enter activates the default key, which has nothing to do on a click.
    // No key is auto-default: outside a dialog such a key takes the heavier
    // frame while it has the focus, and the default one gives it up for good.
    Button2->setDefault(true);
}

void TForm1::BuildCounterPanel()
{
    Panel3 = PlaceControl(new Panel(this), "Panel3", QRect(179, 8, 94, 249), QStringLiteral("せいせき"));

    Edit17 = PlaceControl(readOnlyBox(Panel3), "Edit17", QRect(6, 8, 49, 25), QStringLiteral("もんだいの かず"));
    Edit17->setFont(FixedGothicFont(17, true));
    Label1 = PlaceControl(new QLabel(QStringLiteral("もん"), Panel3), "Label1", QRect(64, 24, 22, 12), QStringLiteral("もん"));
    Edit18 = PlaceControl(readOnlyBox(Panel3), "Edit18", QRect(6, 40, 49, 25), QStringLiteral("てんすう"));
    Edit18->setFont(FixedGothicFont(17, true));
    SetTextColour(Edit18, red);
    Label2 = PlaceControl(new QLabel(QStringLiteral("てん"), Panel3), "Label2", QRect(64, 56, 23, 12), QStringLiteral("てん"));

    Button12 = PlaceControl(new QPushButton(QStringLiteral("はじめから"), Panel3), "Button12",
                     QRect(8, 88, 81, 25), QStringLiteral("はじめから"));
    Button12->setAutoDefault(true);
    SpeedButton2 = PlaceControl(new SpeedButton(Panel3), "SpeedButton2", QRect(24, 136, 40, 41), QStringLiteral("ヘルプ"));
    SpeedButton2->SetGlyph(QPixmap(QStringLiteral(":/art/help_button.png")));
    Button13 = PlaceControl(new QPushButton(QStringLiteral("おしまい"), Panel3), "Button13",
                     QRect(8, 200, 81, 36), QStringLiteral("おしまい"));
    Button13->setAutoDefault(true);
}

void TForm1::BuildSettingsPanel()
{
    Panel4 = PlaceControl(new Panel(this), "Panel4", QRect(6, 6, 171, 307), QStringLiteral("せってい"));

    const auto group = [this](const SettingGroupCaptions& captions, int columns, const char* name, QRect place) {
        return PlaceControl(new RadioGroup(captions.caption, captions.items, columns, Panel4), name, place,
                            captions.caption);
    };
    RadioGroup1 = group(RangeCaptions(), 1, "RadioGroup1", QRect(10, 6, 151, 131));
    RadioGroup2 = group(CarryCaptions(), 1, "RadioGroup2", QRect(10, 146, 151, 87));
    RadioGroup3 = group(KindCaptions(), 2, "RadioGroup3", QRect(10, 240, 151, 57));
}

// Within each panel the Tab key follows the order the child is used to, the
// answer from the units leftwards first; the panels follow one another.
void TForm1::SetTabOrder()
{
    QWidget* const chain[] = {
        Edit12, Edit11, Edit10, Edit9, Edit16, Edit15, Edit14, Edit8, Edit13, Button14,
        Button1, Button2, Button3, Button4, Button5, Button6, Button7, Button8, Button9, Button10, Button11,
        Edit17, Button13, Button12, Edit18,
        RadioGroup1, RadioGroup2, RadioGroup3,
    };
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TForm1::FormCreate()
{
    for (PictureBox* picture : {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9})
        picture->hide();
    for (EntryCell* cell : {Edit9, Edit10, Edit11, Edit12, Edit14, Edit15, Edit16})
        cell->hide();
    SpeedButton1->setText(QString::fromUtf8(TextOf(drawn_.mainCaption)));
    programDirectory_ = CurrentDirectoryWithSeparator();
    Button12->setToolTip(QStringLiteral("１もんめにします"));
    SpeedButton2->setToolTip(QStringLiteral("ヘルプを見ます"));
}
