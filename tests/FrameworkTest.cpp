// The window framework on its own: list semantics, the binding pass, the
// dispatcher's undo and error report, focus notifications.

#include "framework/WinApp.h"
#include "testing/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const DialogItem kItems[] = {
    {ControlKind::PushButton, 10, "Go", 0, 0, 10, 10, ControlStyle::None},
    {ControlKind::PushButton, 11, "Fail", 0, 0, 10, 10, ControlStyle::None},
    {ControlKind::ListBox, 20, "", 0, 0, 10, 10, ControlStyle::None},
    {ControlKind::ListBox, 21, "", 0, 0, 10, 10, ControlStyle::Sorted},
    {ControlKind::Edit, 30, "", 0, 0, 10, 10, 0},
    {ControlKind::Edit, 31, "", 0, 0, 10, 10, 0},
    {ControlKind::Edit, 32, "", 0, 0, 10, 10, 0},
};
const DialogTemplate kTemplate{1, "Test", 100, 100, "Sans", 8, 0, kItems};

class TestDialog : public CDialog {
  public:
    TestDialog() : CDialog(kTemplate) {}
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 20, list);
        DDX_Control(pDX, 21, sorted);
        DDX_Text(pDX, 30, number);
        DDX_Text(pDX, 31, ratio);
        DDX_Text(pDX, 32, name);
    }
    void OnGo() {
        ++number;
        UpdateData(false);
    }
    // Changes the state and moves the focus, then fails the way a catalogue search does.
    void OnFail() {
        number = 99;
        SetFocus();
        list.AddString("half-done");
        throw CSimpleException(failure);
    }
    void OnMenuFail() { throw CSimpleException(""); }
    void OnListFocus() { ++focusNotifications; }

    CListBox list, sorted;
    int number = 7;
    float ratio = 0.25f;
    std::string name = "x";
    int focusNotifications = 0;
    std::string failure = "engine says no";
};

const MessageMapEntry kEntries[] = {
    ON_BN_CLICKED(10, &TestDialog::OnGo),
    ON_BN_CLICKED(11, &TestDialog::OnFail),
    ON_COMMAND(500, &TestDialog::OnMenuFail),
    ON_LBN_SETFOCUS(20, &TestDialog::OnListFocus),
};

const MessageMap* TestDialog::GetMessageMap() const {
    static const MessageMap map{CDialog::GetMessageMap(), kEntries};
    return &map;
}

class FrameworkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.m_pPlatform = &platform;
        app.m_pszAppName = "kestrav";
        dialog.Create();
    }
    CWinApp app{"kestrav"};
    CHeadlessPlatform platform;
    TestDialog dialog;
};

TEST_F(FrameworkTest, SortedListInsertsAlphabeticallyIgnoringCase) {
    for (const char* text : {"medium Laser", "AC /20", "Large Laser", "ac /2", "Medium Laser"})
        dialog.sorted.AddString(text);
    const std::vector<std::string> expected{"ac /2", "AC /20", "Large Laser", "medium Laser",
                                            "Medium Laser"};
    EXPECT_EQ(dialog.Control(21).items, expected);
}

// Filling in one sort gives the order one AddString each would, equal texts
// included, and the selection stays on its entry.
TEST_F(FrameworkTest, SortedBulkFillMatchesOneInsertionEach) {
    dialog.sorted.AddString("Medium Laser");
    dialog.sorted.AddString("Flamer");
    dialog.sorted.SetCurSel(1); // "Medium Laser"
    dialog.sorted.AddStrings({"medium Laser", "AC /20", "ac /20", "Large Laser", "MEDIUM LASER"});
    const std::vector<std::string> expected{"AC /20",      "ac /20",       "Flamer",
                                            "Large Laser", "Medium Laser", "medium Laser",
                                            "MEDIUM LASER"};
    EXPECT_EQ(dialog.Control(21).items, expected);
    EXPECT_EQ(dialog.sorted.GetCurSel(), 4);
}

TEST_F(FrameworkTest, UnsortedListAppendsAndInsertsAtPosition) {
    CListBox& list = dialog.list;
    for (const char* text : {"Shoulder", "Upper", "Lower", "Foot"})
        list.AddString(text);
    list.InsertString(3, "Hand Actuator");
    EXPECT_EQ(list.GetText(3), "Hand Actuator");
    EXPECT_EQ(list.GetText(4), "Foot");
    EXPECT_EQ(list.GetCount(), 5);
}

TEST_F(FrameworkTest, DeletingKeepsOrDropsTheSelection) {
    CListBox& list = dialog.list;
    for (const char* text : {"a", "b", "c", "d"})
        list.AddString(text);
    list.SetCurSel(2);
    list.DeleteString(0); // above the selection: the same entry stays selected
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetText(1), "c");
    list.DeleteString(1); // the selected entry: no selection
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.DeleteString(LB_ERR), LB_ERR); // the idiom after a failed search
    EXPECT_EQ(list.DeleteString(7), LB_ERR);
    EXPECT_EQ(list.GetCount(), 2);
    std::string text = "kept";
    EXPECT_EQ(list.GetText(2, text), LB_ERR); // past the last entry: nothing read
    EXPECT_EQ(text, "kept");
}

TEST_F(FrameworkTest, PrefixSearchesIgnoreCaseAndTakeTheTopmostMatch) {
    CListBox& list = dialog.list;
    for (const char* text : {"Heat Sinks", "AC /20", "Hand Actuator", "Heat Sink"})
        list.AddString(text);
    EXPECT_EQ(list.FindString(-1, "hand actuator"), 2);
    EXPECT_EQ(list.GetCurSel(), LB_ERR); // find leaves the selection alone
    EXPECT_EQ(list.SelectString(-1, "Heat Sink"), 0);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.FindString(-1, "AC /2"), 1); // a prefix search does find the longer name
    EXPECT_EQ(list.SelectString(-1, "Gyro"), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), 0); // nothing found: the selection stays
}

TEST_F(FrameworkTest, BindingPassFormatsNumbersAsTheSheetShowsThem) {
    // (Whole numbers, halves and the first values of a dialog the scenarios show.)
    EXPECT_EQ(FormatFloat(0.25f), "0.25");
    EXPECT_EQ(FormatFloat(9.75f), "9.75");
    EXPECT_EQ(FormatFloat(-1.5f), "-1.5");
    EXPECT_EQ(FormatFloat(1234567.0f), "1.23457e+06"); // six significant digits
    EXPECT_EQ(FormatInteger(-3), "-3");
}

TEST_F(FrameworkTest, ReadBackRefusesTextThatIsNotANumber) {
    dialog.Control(30).text = "12a";
    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Please enter an integer.");
    dialog.Control(30).text = " 12 ";
    dialog.Control(31).text = "abc";
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(platform.boxes.back().text, "Please enter a number.");
    dialog.Control(31).text = "2.5";
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 12);
    EXPECT_FLOAT_EQ(dialog.ratio, 2.5f);
}

TEST_F(FrameworkTest, AFailingHandlerChangesNothingAndIsReportedWithTheStopIcon) {
    dialog.ClickButton(10);
    EXPECT_EQ(dialog.Control(30).text, "8");
    const DialogState before = dialog.State();
    dialog.ClickButton(11);
    EXPECT_EQ(dialog.Control(20).items, before.controls[2].items);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "engine says no");
    EXPECT_EQ(platform.boxes[0].caption, "kestrav");
    EXPECT_EQ(platform.boxes[0].type, MB_ICONSTOP);
    // The undo restores the controls, not the focus: it stays where it went.
    EXPECT_EQ(dialog.GetFocusId(), kFocusDialog);
}

TEST_F(FrameworkTest, ErrorsWithoutADescriptionGetTheFrameworksFallbackTexts) {
    dialog.failure = "";
    dialog.ClickButton(11);
    dialog.Command(500);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].text, "Internal application error.");
    EXPECT_EQ(platform.boxes[1].text, "Command failed.");
}

TEST_F(FrameworkTest, AListRaisesItsSetFocusNotificationOncePerGain) {
    dialog.ClickList(20, -1);
    dialog.ClickList(20, -1); // already focused: no new gain
    EXPECT_EQ(dialog.focusNotifications, 1);
    dialog.ClickButton(10);
    dialog.GotoDlgCtrl(20); // the focus moved by code counts as a gain too
    EXPECT_EQ(dialog.focusNotifications, 2);
}

TEST_F(FrameworkTest, DisabledControlsIgnoreClicks) {
    dialog.GetDlgItem(10).EnableWindow(false);
    dialog.ClickButton(10);
    EXPECT_EQ(dialog.number, 7);
}

} // namespace
