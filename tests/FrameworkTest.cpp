// The window framework on its own: list semantics, the binding pass, the
// dispatcher's undo and error report, focus; and the sheet's system menu
// minimising it, with its icon painted in the middle of the client area.

#include "tests/TestSupport.h"

#include "framework/NumberText.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {

using Texts = std::vector<std::string>;

// Edits first: the first focus of a new window passes them by.
const DialogItem kItems[] = {{ControlKind::Edit, 30, "", 0, 0, 10, 10, 0},
                             {ControlKind::Edit, 31, "", 0, 0, 10, 10, 0},
                             {ControlKind::PushButton, 10, "Fail", 0, 0, 10, 10, 0},
                             {ControlKind::ListBox, 20, "", 0, 0, 10, 10, ControlStyle::Sorted}};
const DialogTemplate kTemplate{1, "Test", 100, 100, "Sans", 8, 0, kItems};

// The fixture is the window under test, made on the headless platform: two
// number edits, a button and a command that fail, a sorted list.
class FrameworkTest : public CDialog, public SheetTest {
  protected:
    FrameworkTest() : CDialog(kTemplate) { Create(); }
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {ON_BN_CLICKED(10, &FrameworkTest::OnFail),
                                                  ON_COMMAND(500, &FrameworkTest::OnFail),
                                                  ON_LBN_SETFOCUS(20, &FrameworkTest::OnListFocus)};
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 20, list);
        DDX_Text(pDX, 30, number);
        DDX_Text(pDX, 31, ratio);
    }
    // Can disable the button, place the focus and decline the first focus.
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        GetDlgItem(10).EnableWindow(!initDisabled);
        if (initFocus) GotoDlgCtrl(initFocus);
        return initResult;
    }
    // Changes the list and moves the focus, then fails as a catalogue search does.
    void OnFail() {
        SetFocus();
        list.AddString("half-done");
        throw CSimpleException(failure);
    }
    void OnListFocus() { ++focusNotifications; }

    CListBox list;
    int number = 7, focusNotifications = 0, initFocus = 0;
    float ratio = 1234567.0f;
    bool initDisabled = false, initResult = true;
    std::string failure;
};

// Sorted by AddString (case ignored, a shorter name first, equal texts in
// arrival order) and by a bulk fill as one AddString each would; placed by
// InsertString; searched by prefix, topmost first, only Select moving the
// selection; the selection kept on its entry, or dropped with it.
TEST_F(FrameworkTest, ListsSortSearchInsertAndDeleteKeepingTheSelection) {
    list.AddString("Medium Laser");
    list.AddString("AC /20");
    list.SetCurSel(1);
    list.AddStrings({"medium Laser", "Flamer", "ac /20"});
    for (const char* text : {"ac /2", "MEDIUM LASER"})
        list.AddString(text);
    EXPECT_EQ(Control(20).items, (Texts{"ac /2", "AC /20", "ac /20", "Flamer", "Medium Laser",
                                        "medium Laser", "MEDIUM LASER"}));
    EXPECT_EQ(list.FindString(-1, "ac /20"), 1);
    EXPECT_EQ(list.GetCurSel(), 4);
    EXPECT_EQ(list.SelectString(-1, "flam"), 3);
    EXPECT_EQ(list.SelectString(-1, "Gyro"), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), 3);
    list.InsertString(3, "Hand Actuator");
    list.DeleteString(0);
    list.DeleteString(list.GetCurSel()); // the Flamer, if the selection stayed on it
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.DeleteString(LB_ERR), LB_ERR); // the idiom after a failed search
    EXPECT_EQ(list.DeleteString(6), LB_ERR);
    EXPECT_EQ(Control(20).items, (Texts{"AC /20", "ac /20", "Hand Actuator", "Medium Laser",
                                        "medium Laser", "MEDIUM LASER"}));
    std::string text = "kept"; // a row past the end reads nothing
    EXPECT_EQ(list.GetText(6, text), LB_ERR);
    EXPECT_EQ(text, "kept");
    list.SetCurSel(2); // and selecting past the end selects nothing
    list.SetCurSel(6);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
}

// Numbers are shown as the sheet shows them (six significant digits); a
// read-back that is not a number is refused with the framework's words and
// the focus on that control. A failing handler's changes are undone (not the
// focus: it stays where it went) and its error reported, a missing
// description in the framework's words.
TEST_F(FrameworkTest, BadReadBacksAndFailingHandlersAreReportedInABox) {
    EXPECT_EQ(Control(31).text, "1.23457e+06");
    const std::tuple<const char*, const char*, const char*, int> reads[] = {
        {"12a", "1", "Please enter an integer.", 30},
        {" 12 ", "abc", "Please enter a number.", 31},
        {"-3", " 2.5", "", 31}};
    for (const auto& [integer, real, box, focus] : reads) {
        Control(30).text = integer;
        Control(31).text = real;
        EXPECT_EQ(UpdateData(true), *box == '\0');
        EXPECT_EQ(platform.boxes.empty() ? "" : platform.boxes[0].text, box);
        EXPECT_EQ(GetFocusId(), focus);
        platform.boxes.clear();
    }
    EXPECT_EQ(number, -3);
    EXPECT_FLOAT_EQ(ratio, 2.5f);
    const std::tuple<int, const char*, const char*> failures[] = {
        {0, "", "Internal application error."}, {500, "", "Command failed."}};
    for (const auto& [command, what, box] : failures) {
        failure = what;
        command ? Command(command) : ClickButton(10);
        EXPECT_TRUE(Control(20).items.empty());
        EXPECT_EQ(GetFocusId(), kFocusDialog);
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].text, box);
        platform.boxes.clear();
    }
}

// Numbers are written and read back with a point under a locale whose
// printf writes a comma (the toolkit sets the user's locale at start-up).
// setup.sh generates de_DE.UTF-8.
TEST(NumberText, NumbersUseAPointWhateverTheLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not installed";
    char comma[16];
    std::snprintf(comma, sizeof comma, "%g", 1.5);
    const std::vector<std::string> shown = {FormatFloat(1.5f), FormatFloat(0.5f),
                                            FormatFloat(1234567.0f), FormatFloat(-12.25f),
                                            NumberText(32767.5, 9)};
    const std::tuple<const char*, bool, float> reads[] = {
        {"1.5", true, 1.5f}, {" +2.5 ", true, 2.5f}, {"-0.5", true, -0.5f}, {"1,5", false, 0},
        {"1e39", false, 0},  {"+-1", false, 0},      {"", false, 0},        {"1.5x", false, 0}};
    std::vector<std::pair<bool, float>> read;
    for (const auto& [text, ok, value] : reads) {
        float parsed = 0;
        read.emplace_back(ParseFloat(text, parsed), parsed);
    }
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_STREQ(comma, "1,5");
    EXPECT_EQ(shown, (Texts{"1.5", "0.5", "1.23457e+06", "-12.25", "32767.5"}));
    for (std::size_t i = 0; i < std::size(reads); ++i) {
        EXPECT_EQ(read[i].first, std::get<1>(reads[i])) << std::get<0>(reads[i]);
        if (read[i].first) {
            EXPECT_FLOAT_EQ(read[i].second, std::get<2>(reads[i]));
        }
    }
}

// A new window focuses its first enabled button, check box or list, unless
// OnInitDialog declined or placed the focus itself; that first focus raises
// no notification, every later gain of a list's focus does, once.
TEST_F(FrameworkTest, TheFirstFocusAndTheListsFocusNotification) {
    const std::tuple<bool, bool, int, int> starts[] = {
        {false, false, 0, kFocusDialog}, {true, false, 30, 30}, {true, true, 0, 20}};
    for (const auto& [result, disabled, placed, focus] : starts) {
        initResult = result;
        initDisabled = disabled;
        initFocus = placed;
        Create();
        EXPECT_EQ(GetFocusId(), focus);
    }
    ClickButton(10); // disabled: nothing
    EXPECT_TRUE(platform.boxes.empty());
    SetFocus();
    ClickList(20, -1);
    GotoDlgCtrl(20); // already focused: no gain
    EXPECT_EQ(focusNotifications, 1);
}

// Minimised from the system menu and painted, the sheet draws its icon with
// equal margins (within a pixel); not minimised, it draws none.
TEST_F(SheetTest, TheSystemMenuMinimisesAndTheIconIsDrawnInTheMiddle) {
    Start();
    platform.clientCx = 57;
    platform.clientCy = 300;
    sheet->OnPaint();
    sheet->SysCommand(SC_MINIMIZE);
    sheet->OnPaint();
    ASSERT_EQ(platform.icons.size(), 1u);
    const auto [x, y, icon] = platform.icons[0];
    EXPECT_LE(std::abs(x - (57 - 32 - x)), 1);
    EXPECT_LE(std::abs(y - (300 - 32 - y)), 1);
    EXPECT_EQ(icon, sheet->GetIcon(true));
}

} // namespace
