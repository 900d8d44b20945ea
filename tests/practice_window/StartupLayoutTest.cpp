#include "PracticeWindowTest.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <map>

namespace {

using StartupTest = PracticeWindowTest;

TEST_F(StartupTest, OpensWithDefaultSettingsAndNoProblem)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ぽろみんか　Ver.1.10"));

    struct GroupCase {
        RadioGroup* group;
        QString title;
        QStringList items;
    };
    const GroupCase groups[] = {
        {form.RadioGroup1, "はんい", {"１０までつかう", "２０までつかう", "１００までつかう", "１０００までつかう", "９９９９までつかう"}},
        {form.RadioGroup2, "くりあがり", {"くりあがり（さがり）なし", "くりあがり（さがり）あり", "いろいろ"}},
        {form.RadioGroup3, "しゅるい", {"たしざん", "ひきざん"}},
    };
    for (const GroupCase& row : groups) {
        SCOPED_TRACE(row.title.toStdString());
        EXPECT_EQ(row.group->title(), row.title);
        EXPECT_EQ(row.group->ItemIndex(), 0);
        const auto radios = row.group->findChildren<QRadioButton*>();
        ASSERT_EQ(radios.size(), row.items.size());
        for (qsizetype item = 0; item < radios.size(); ++item)
            EXPECT_EQ(radios[item]->text(), row.items[item]);
    }
    // "たしざん" and "ひきざん" stand side by side.
    const auto kinds = form.RadioGroup3->findChildren<QRadioButton*>();
    EXPECT_EQ(kinds[0]->y(), kinds[1]->y());
    EXPECT_LT(kinds[0]->geometry().right(), kinds[1]->x());

    for (QLineEdit* line : {form.Edit8, form.Edit13, form.Edit17, form.Edit18})
        EXPECT_TRUE(line->text().isEmpty()) << line->objectName().toStdString();
    EXPECT_EQ(form.SpeedButton1->text(), QStringLiteral("はじめる"));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             form.Edit9, form.Edit10, form.Edit11, form.Edit12, form.Edit14, form.Edit15, form.Edit16,
             form.Image1, form.Image2, form.Image3, form.Image4, form.Image5, form.Image6, form.Image7,
             form.Image8, form.Image9})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (QWidget* shown : std::initializer_list<QWidget*>{
             form.Image10, form.Shape1, form.Button14, form.Button1, form.Button2, form.Button3, form.Button4,
             form.Button5, form.Button6, form.Button7, form.Button8, form.Button9, form.Button10, form.Button11})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    EXPECT_EQ(form.Button14->text(), QStringLiteral("せいかいを見る"));
    EXPECT_TRUE(form.Button2->isDefault());

    EXPECT_EQ(state.HeldDigit, NO_HELD);
    EXPECT_EQ(state.Operation, OPERATION_ADDITION);
    EXPECT_EQ(state.Phase, PHASE_CLOSED);
    EXPECT_EQ(state.ProblemCount, 0);
    EXPECT_EQ(state.FirstTryCount, 0);
    const DigitRow zeros{0, 0, 0, 0};
    const NotationRow blanks{BLANK, BLANK, BLANK};
    for (const DigitRow* row : {&state.TopDigits, &state.BottomDigits, &state.EnteredAnswer, &state.ExpectedAnswer})
        EXPECT_EQ(*row, zeros);
    EXPECT_EQ(state.EnteredMarks, blanks);
    EXPECT_EQ(state.ExpectedMarks, blanks);
    EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
    EXPECT_EQ(QString::fromStdString(state.ProgramDir), QDir::currentPath() + "/");
    EXPECT_EQ(ScreenCursor(), crDefault);
}

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;
};

// Every control by name, with its place in its parent.
const Placement placements[] = {
    {"Panel4", "Form1", {6, 6, 171, 307}},        {"Panel3", "Form1", {179, 8, 94, 249}},
    {"Panel1", "Form1", {280, 8, 345, 249}},      {"Panel2", "Form1", {259, 272, 366, 41}},
    {"Edit14", "Panel1", {51, 45, 41, 35}},       {"Edit15", "Panel1", {96, 45, 41, 35}},
    {"Edit16", "Panel1", {141, 45, 41, 35}},      {"Image1", "Panel1", {51, 83, 41, 35}},
    {"Image2", "Panel1", {96, 83, 41, 35}},       {"Image3", "Panel1", {141, 83, 41, 35}},
    {"Image4", "Panel1", {186, 83, 41, 35}},      {"Image5", "Panel1", {6, 122, 41, 35}},
    {"Image6", "Panel1", {51, 122, 41, 35}},      {"Image7", "Panel1", {96, 122, 41, 35}},
    {"Image8", "Panel1", {141, 122, 41, 35}},     {"Image9", "Panel1", {186, 122, 41, 35}},
    {"Shape1", "Panel1", {6, 160, 227, 4}},       {"Edit9", "Panel1", {51, 173, 41, 35}},
    {"Edit10", "Panel1", {96, 173, 41, 35}},      {"Edit11", "Panel1", {141, 173, 41, 35}},
    {"Edit12", "Panel1", {186, 173, 41, 35}},     {"Edit8", "Panel1", {192, 8, 145, 20}},
    {"Edit13", "Panel1", {192, 40, 145, 20}},     {"Image10", "Panel1", {248, 72, 81, 81}},
    {"Button14", "Panel1", {240, 168, 97, 25}},   {"SpeedButton1", "Panel1", {240, 200, 97, 41}},
    {"Button10", "Panel2", {6, 6, 27, 27}},       {"Button1", "Panel2", {38, 6, 27, 27}},
    {"Button2", "Panel2", {70, 6, 27, 27}},       {"Button3", "Panel2", {102, 6, 27, 27}},
    {"Button4", "Panel2", {134, 6, 27, 27}},      {"Button5", "Panel2", {166, 6, 27, 27}},
    {"Button6", "Panel2", {198, 6, 27, 27}},      {"Button7", "Panel2", {230, 6, 27, 27}},
    {"Button8", "Panel2", {262, 6, 27, 27}},      {"Button9", "Panel2", {294, 6, 27, 27}},
    {"Button11", "Panel2", {334, 6, 27, 27}},     {"Edit17", "Panel3", {6, 8, 49, 25}},
    {"Label1", "Panel3", {64, 24, 22, 12}},       {"Edit18", "Panel3", {6, 40, 49, 25}},
    {"Label2", "Panel3", {64, 56, 23, 12}},       {"Button12", "Panel3", {8, 88, 81, 25}},
    {"SpeedButton2", "Panel3", {24, 136, 40, 41}}, {"Button13", "Panel3", {8, 200, 81, 36}},
    {"RadioGroup1", "Panel4", {10, 6, 151, 131}}, {"RadioGroup2", "Panel4", {10, 146, 151, 87}},
    {"RadioGroup3", "Panel4", {10, 240, 151, 57}},
};

TEST_F(StartupTest, PlacesEveryControlAndNamesItForScreenReaders)
{
    for (const Placement& row : placements) {
        SCOPED_TRACE(row.name);
        const auto* control = form.findChild<QWidget*>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), row.parent);
        EXPECT_EQ(control->geometry(), row.geometry);
        EXPECT_FALSE(control->accessibleName().isEmpty());
    }
    for (const QRadioButton* item : form.findChildren<QRadioButton*>())
        EXPECT_FALSE(item->accessibleName().isEmpty()) << item->text().toStdString();
}

TEST_F(StartupTest, CaptionsAndColoursOfTheFixedTexts)
{
    const std::map<const char*, QString> captions = {
        {"Button10", "０"}, {"Button1", "１"}, {"Button2", "２"}, {"Button3", "３"}, {"Button4", "４"},
        {"Button5", "５"}, {"Button6", "６"}, {"Button7", "７"}, {"Button8", "８"}, {"Button9", "９"},
        {"Button11", "／"}, {"Label1", "もん"}, {"Label2", "てん"}, {"Button12", "はじめから"},
        {"Button13", "おしまい"}, {"Button14", "せいかいを見る"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(form.findChild<QWidget*>(name)->property("text").toString(), caption) << name;
    EXPECT_EQ(form.Button11->palette().color(QPalette::ButtonText), QColor(128, 128, 0));
    EXPECT_EQ(form.Edit18->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(StartupTest, OnlyTheRestartAndHelpButtonsGiveHints)
{
    const std::map<QString, QString> hints = {
        {"Button12", "１もんめにします"},
        {"SpeedButton2", "ヘルプを見ます"},
    };
    auto widgets = form.findChildren<QWidget*>();
    widgets.append(&form);
    for (const QWidget* widget : widgets) {
        const auto hint = hints.find(widget->objectName());
        EXPECT_EQ(widget->toolTip(), hint == hints.end() ? QString() : hint->second)
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
}

TEST_F(StartupTest, TabRunsThroughTheCellsFromTheUnitsAnswerAndPassesTheMessageLines)
{
    showProblem(OPERATION_ADDITION, 1234, 5678);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    click(form.Edit12);
    ASSERT_EQ(QApplication::focusWidget(), form.Edit12);

    for (QWidget* next : std::initializer_list<QWidget*>{form.Edit11, form.Edit10, form.Edit9, form.Edit16,
                                                          form.Edit15, form.Edit14, form.Button14}) {
        QTest::keyClick(window(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << "expected " << next->objectName().toStdString() << ", at "
                                                     << QApplication::focusWidget()->objectName().toStdString();
    }
}

// Restores the working directory however a test ends.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString& path) { QDir::setCurrent(path); }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    QString previous_ = QDir::currentPath();
};

TEST(PracticeWindowProgramDir, KeepsTheWholeWorkingDirectory)
{
    const QString longName = QString(60, QLatin1Char('k'));
    const struct {
        const char* label;
        QString relative;
    } cases[] = {
        {"longer than 300 characters", QStringList(6, longName).join('/')},
        {"not ASCII", QStringLiteral("さんすう")},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.label);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(row.relative));
        const QString path = QDir(QDir(root.path()).canonicalPath()).filePath(row.relative);
        ASSERT_TRUE(QDir(path).exists());

        WorkingDirectory inside(path);
        ASSERT_EQ(QDir::currentPath(), path);
        ExerciseState state;
        RandomSource random;
        const TForm1 form(state, random);
        EXPECT_EQ(QString::fromStdString(state.ProgramDir), path + "/");
    }
}

} // namespace
