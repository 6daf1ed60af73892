// The Qt backend: dialog-unit arithmetic, word wrapping, double-click
// pairing, the help document's place, and a small dialog shown in a real
// (offscreen) Qt window: widgets where the template puts them, menu states
// that never change, focus that is reported only when the user moves it, and
// lists rebuilt only when their entries change.

#include "app/KestravApp.h"
#include "framework/qt/DialogUnits.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPlatform.h"
#include "res/Templates.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// ---- Arithmetic ----

TEST(DialogUnitsTest, BaseUnitsAreTheRoundedAverageLetterWidthAndTheLineHeight) {
    EXPECT_EQ(BaseUnitsFromFont(52 * 6, 13).x, 6);
    EXPECT_EQ(BaseUnitsFromFont(52 * 6 + 25, 13).x, 6); // 6.48 rounds down
    EXPECT_EQ(BaseUnitsFromFont(52 * 6 + 26, 13).x, 7); // 6.5 rounds up
    EXPECT_EQ(BaseUnitsFromFont(350, 14).y, 14);
}

TEST(DialogUnitsTest, CoordinatesAreQuartersAndEighthsOfTheBaseUnits) {
    const DialogBaseUnits base{7, 13};
    EXPECT_EQ(HorizontalDluToPixels(4, base), 7);
    EXPECT_EQ(VerticalDluToPixels(8, base), 13);
    // The design sheet: 677 x 436 units is 1184.75 x 708.5 pixels, rounded.
    const PixelRect sheet = DialogClientRect(MainDialogTemplate(), base);
    EXPECT_EQ(sheet.width, 1185);
    EXPECT_EQ(sheet.height, 709);
    const PixelRect classic = DialogClientRect(MainDialogTemplate(), DialogBaseUnits{6, 13});
    EXPECT_EQ(classic.width, 1016); // 1015.5
    EXPECT_EQ(classic.height, 709);
}

TEST(DialogUnitsTest, ControlsThatTouchInTheTemplateTouchOnScreen) {
    const DialogBaseUnits base{7, 13};
    // The U button sits directly above the D button in every armour location.
    for (const DialogItem& up : MainDialogTemplate().items) {
        if (up.text == nullptr || std::string(up.text) != "U") continue;
        const PixelRect u = DluRectToPixels(up.x, up.y, up.cx, up.cy, base);
        const PixelRect d = DluRectToPixels(up.x, up.y + up.cy, up.cx, up.cy, base);
        EXPECT_EQ(u.y + u.height, d.y) << up.id;
    }
    // Converting edges keeps a row of widths adding up to the whole.
    const PixelRect left = DluRectToPixels(0, 0, 3, 3, base);
    const PixelRect right = DluRectToPixels(3, 3, 3, 3, base);
    const PixelRect whole = DluRectToPixels(0, 0, 6, 6, base);
    EXPECT_EQ(left.width + right.width, whole.width);
    EXPECT_EQ(left.height + right.height, whole.height);
}

TEST(WrapWordsTest, WrapsByWidthAndDropsThePaddingSpaces) {
    const auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(WrapWords("     Add Component", 70, width), (Lines{"Add", "Component"}));
    EXPECT_EQ(WrapWords("     Add Component", 200, width), (Lines{"Add Component"}));
    // A word wider than the line keeps a line of its own.
    EXPECT_EQ(WrapWords("Move Component", 30, width), (Lines{"Move", "Component"}));
    EXPECT_EQ(WrapWords("HEAT SINKS TO BE ALLOCATED", 70, width),
              (Lines{"HEAT SINKS", "TO BE", "ALLOCATED"}));
    EXPECT_TRUE(WrapWords("   ", 70, width).empty());
}

TEST(DoubleClickTrackerTest, OnlyTheSecondPressOfAPairBelongsToADoubleClick) {
    DoubleClickTracker tracker(400, 5);
    EXPECT_FALSE(tracker.IsSecondPress(1000, 10, 10, 1));
    EXPECT_TRUE(tracker.IsSecondPress(1200, 12, 9, 1));
    // A third press starts a new pair.
    EXPECT_FALSE(tracker.IsSecondPress(1300, 12, 9, 1));
    // Too late, too far, or another button: a click of its own.
    EXPECT_FALSE(tracker.IsSecondPress(1800, 12, 9, 1));
    EXPECT_FALSE(tracker.IsSecondPress(1900, 30, 9, 1));
    EXPECT_FALSE(tracker.IsSecondPress(2000, 30, 9, 2));
    EXPECT_TRUE(tracker.IsSecondPress(2100, 30, 9, 2));
    // A clock that went back is not a double-click.
    EXPECT_FALSE(tracker.IsSecondPress(50, 30, 9, 2));
}

TEST(HelpDocumentTest, LivesBesideTheProgramAndOpensAtTheWindowsTopic) {
    EXPECT_EQ(HelpDocumentPath("/opt/kestrav/bin"), "/opt/kestrav/share/doc/kestrav/index.html");
    EXPECT_EQ(HelpDocumentPath("build/bin"), "build/share/doc/kestrav/index.html");
    EXPECT_EQ(HelpAnchor(131174), "context-131174");
}

// ---- A small dialog in a real window ----

constexpr int kButton = 10;
constexpr int kList = 12;
constexpr int kEdit = 13;
constexpr int kOtherList = 14;

const DialogItem kProbeItems[] = {
    {ControlKind::PushButton, kButton, "Press", 10, 10, 50, 14, ControlStyle::None},
    {ControlKind::ListBox, kList, "", 70, 10, 60, 60, ControlStyle::VScroll},
    {ControlKind::Edit, kEdit, "", 10, 50, 40, 14, ControlStyle::Centred},
    {ControlKind::ListBox, kOtherList, "", 140, 10, 60, 60,
     ControlStyle::Sorted | ControlStyle::VScroll | ControlStyle::AlwaysScroll},
};

const DialogTemplate& ProbeTemplate() {
    static const DialogTemplate t{500,
                                  "Probe",
                                  210,
                                  80,
                                  "MS Sans Serif",
                                  8,
                                  DialogStyle::Caption | DialogStyle::SysMenu |
                                      DialogStyle::MinimizeBox,
                                  kProbeItems};
    return t;
}

// A dialog whose list counts its set-focus notifications and may refuse
// them the way a placing rule does: focus to the window, then a box.
class ProbeDialog : public CDialog {
  public:
    ProbeDialog() : CDialog(ProbeTemplate()) {}
    const MessageMap* GetMessageMap() const override;
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        SetMenu(&MainMenu());
        m_list.Attach(this, kList);
        m_list.AddString("Alpha");
        m_list.AddString("Beta");
        return true;
    }
    void OnSetfocusList() {
        ++setFocusCount;
        if (!refuse) return;
        if (moveFocusFirst) SetFocus();
        MessageBox("Cannont fit component into this location.", "ALLOCATION ERROR");
    }
    void OnPress() { GetDlgItem(kEdit).SetWindowText(std::to_string(++presses)); }

    CListBox m_list;
    int setFocusCount = 0;
    int presses = 0;
    bool refuse = false;
    bool moveFocusFirst = true;
};

const MessageMapEntry kProbeEntries[] = {
    ON_LBN_SETFOCUS(kList, &ProbeDialog::OnSetfocusList),
    ON_BN_CLICKED(kButton, &ProbeDialog::OnPress),
};

const MessageMap* ProbeDialog::GetMessageMap() const {
    static const MessageMap map{CDialog::GetMessageMap(), kProbeEntries};
    return &map;
}

// Runs a test body inside the dialog's modal loop, answering message boxes.
class ProbePlatform : public CQtPlatform {
  public:
    std::function<void(ProbeDialog&, QDialog&)> body;
    int boxes = 0;

  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        QTimer::singleShot(0, &window, [this, &dialog, &window] {
            body(static_cast<ProbeDialog&>(dialog), window);
            if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
            Sync(dialog);
        });
    }
    void MessageBoxShown(QMessageBox& box) override {
        ++boxes;
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    }
};

class QtWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "kestrav_unit_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) application = new QApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete application;
        application = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(AfxGetApp(), nullptr);
        AfxGetApp()->m_pPlatform = &platform;
    }
    void TearDown() override { AfxGetApp()->m_pPlatform = nullptr; }

    // Shows the probe dialog and runs body while it is on screen.
    void Run(const std::function<void(ProbeDialog&, QDialog&)>& body) {
        platform.body = body;
        ProbeDialog dialog;
        dialog.DoModal();
    }

    template <class W> W* Widget(QDialog& window, int id) {
        return window.findChild<W*>(QString::number(id));
    }

    ProbePlatform platform;
    static QApplication* application;
};

QApplication* QtWindowTest::application = nullptr;

TEST_F(QtWindowTest, WidgetsFollowTheTemplate) {
    Run([this](ProbeDialog&, QDialog& window) {
        // (Its size and caption the real-window test checks on the program itself.)
        EXPECT_EQ(window.minimumSize(), window.maximumSize()); // not resizable
        EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        auto* list = Widget<QListWidget>(window, kList);
        auto* sorted = Widget<QListWidget>(window, kOtherList);
        auto* edit = Widget<QLineEdit>(window, kEdit);
        ASSERT_TRUE(list && sorted && edit);
        EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        EXPECT_EQ(sorted->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
        const DialogBaseUnits base = DialogBaseUnitsOf(DialogFont(ProbeTemplate()));
        const PixelRect r = DluRectToPixels(70, 10, 60, 60, base);
        EXPECT_EQ(list->geometry(), QRect(r.x, r.y, r.width, r.height));
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), "Beta");
    });
}

TEST_F(QtWindowTest, MenuStatesNeverChange) {
    Run([](ProbeDialog&, QDialog& window) {
        auto find = [&window](int id) -> QAction* {
            for (QAction* a : window.findChildren<QAction*>())
                if (a->data().toInt() == id) return a;
            return nullptr;
        };
        QAction* clan = find(32779);
        QAction* inner = find(32780);
        QAction* level2 = find(32783);
        ASSERT_TRUE(clan && inner && level2);
        EXPECT_FALSE(clan->isEnabled());
        EXPECT_TRUE(inner->isChecked());
        inner->trigger();
        EXPECT_TRUE(inner->isChecked());
        level2->trigger();
        EXPECT_FALSE(level2->isChecked());
    });
}

TEST_F(QtWindowTest, TabFocusIsReportedAndFocusGivenBackAfterARefusalIsNot) {
    for (bool moveFocusFirst : {true, false}) {
        platform.boxes = 0;
        Run([this, moveFocusFirst](ProbeDialog& dialog, QDialog& window) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            auto* list = Widget<QListWidget>(window, kList);
            auto* button = Widget<QPushButton>(window, kButton);
            // The program's own focus moves are not the user's.
            EXPECT_EQ(dialog.setFocusCount, 0);
            list->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(dialog.setFocusCount, 1);
            EXPECT_EQ(dialog.GetFocusId(), kList);
            button->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(dialog.GetFocusId(), kButton);
            dialog.refuse = true;
            dialog.moveFocusFirst = moveFocusFirst;
            list->setFocus(Qt::TabFocusReason);
            QTest::qWait(50);
            // One refusal, not a second one when the box closes.
            EXPECT_EQ(platform.boxes, 1);
            EXPECT_EQ(dialog.setFocusCount, 2);
            if (moveFocusFirst) {
                EXPECT_EQ(dialog.GetFocusId(), kFocusDialog);
                EXPECT_EQ(window.focusWidget(), &window);
            }
        });
    }
}

TEST_F(QtWindowTest, OnlyControlsThatChangedAreShownAgain) {
    Run([this](ProbeDialog& dialog, QDialog& window) {
        auto* list = Widget<QListWidget>(window, kList);
        auto* button = Widget<QPushButton>(window, kButton);
        auto* edit = Widget<QLineEdit>(window, kEdit);
        QListWidgetItem* first = list->item(0);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(edit->text(), "1");
        EXPECT_EQ(list->item(0), first); // the list was not rebuilt
        // A selection alone does not rebuild the list either.
        dialog.m_list.SetCurSel(1);
        platform.Sync(dialog);
        EXPECT_EQ(list->item(0), first);
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->selectedItems().front()->text(), "Beta");
        dialog.m_list.AddString("Gamma");
        platform.Sync(dialog);
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(2)->text(), "Gamma");
        dialog.m_list.SetCurSel(-1);
        platform.Sync(dialog);
        EXPECT_TRUE(list->selectedItems().isEmpty());
    });
}

} // namespace
