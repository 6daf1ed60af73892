// The Qt backend: dialog-unit arithmetic, word wrapping, double-click
// pairing, list keys, labels, and a small dialog shown in a real (offscreen)
// Qt window: widgets where the template puts them, menu states that never
// change, focus that is reported only when the user moves it, lists rebuilt
// only when their entries change, whole rows, the help window. Last, the
// design sheet itself with every value the shipped catalogues can put in its
// boxes and lists: each fits.

#include "app/KestravApp.h"
#include "catalog/CatalogFolder.h"
#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "design/KestravDlg.h"
#include "framework/qt/DialogUnits.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPlatform.h"
#include "res/Templates.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>

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

TEST(ListKeysTest, MoveTheSelectionAsANativeListBoxDoes) {
    struct Case {
        ListKey key;
        int current, count, page, row;
    };
    const Case cases[] = {
        {ListKey::Down, 2, 10, 5, 3},     {ListKey::Down, 9, 10, 5, 9},
        {ListKey::Up, 2, 10, 5, 1},       {ListKey::Up, 0, 10, 5, 0},
        {ListKey::Home, 7, 10, 5, 0},     {ListKey::End, 2, 10, 5, 9},
        {ListKey::PageDown, 2, 10, 5, 6}, {ListKey::PageDown, 8, 10, 5, 9},
        {ListKey::PageUp, 7, 10, 5, 3},   {ListKey::PageUp, 2, 10, 5, 0},
        {ListKey::Down, -1, 10, 5, 0},    {ListKey::End, -1, 10, 5, 9},
        {ListKey::Down, -1, 0, 5, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowAfterListKey(c.key, c.current, c.count, c.page), c.row)
            << static_cast<int>(c.key) << " from " << c.current;
}

TEST(ListKeysTest, TypeAheadFindsTheNextEntryByItsFirstLettersIgnoringCase) {
    const std::vector<std::string> entries{"AC /10", "AC /2", "Flamer", "Large Laser", "LRM 5"};
    EXPECT_EQ(RowByTypedPrefix(entries, -1, "l"), 3);
    EXPECT_EQ(RowByTypedPrefix(entries, 3, "l"), 4);  // the same letter steps on
    EXPECT_EQ(RowByTypedPrefix(entries, 4, "l"), 3);  // and round again
    EXPECT_EQ(RowByTypedPrefix(entries, 3, "la"), 3); // a longer word may stay
    EXPECT_EQ(RowByTypedPrefix(entries, 0, "ac /2"), 1);
    EXPECT_EQ(RowByTypedPrefix(entries, 0, "z"), -1);
}

TEST(LabelTest, EveryBoxAndListOfTheSheetIsKnownByItsLabelOrHeading) {
    const DialogTemplate& sheet = MainDialogTemplate();
    const std::pair<int, const char*> named[] = {
        {IDC_ENGINE_NAME, "Engine Name"},
        {IDC_TONNAGE, "TONNAGE"},
        {IDC_WEAPONS, "WEAPONS AND COMPONENTS"},
        {IDC_LIST_LEFTTORSO, "L/TORSO"},
        {IDC_ARMOUR_HEAD, "HEAD"},
        {IDC_TONNAGE_REMAINING, "TONNAGE REMAINING"},
        {IDC_LIST_HEAD, "HEAD"},
    };
    for (const auto& [id, label] : named) {
        const DialogItem* item = nullptr;
        for (const DialogItem& candidate : sheet.items)
            if (candidate.id == id) item = &candidate;
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(LabelOf(sheet, *item), label) << id;
    }
    for (const DialogTemplate* t : {&sheet, &EquipmentDetailsDialogTemplate()}) {
        for (const DialogItem& item : t->items) {
            if (item.kind != ControlKind::Edit && item.kind != ControlKind::ListBox) continue;
            EXPECT_FALSE(LabelOf(*t, item).empty()) << item.id;
        }
    }
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
    std::string lastBox;          // the text of the last message box
    bool lastBoxIconless = false; // its OK button carried no icon

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
        lastBox = box.text().toStdString();
        lastBoxIconless = box.button(QMessageBox::Ok)->icon().isNull();
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
        EXPECT_EQ(window.font().family(), kTemplateFace); // installed by the set-up script
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

// Alt+F4 ends the window as the close box does, from whichever control has the focus.
TEST_F(QtWindowTest, AltF4EndsTheWindowThroughTheCancelPath) {
    for (int id : {kList, kButton}) {
        Run([this, id](ProbeDialog& dialog, QDialog& window) {
            QTest::keyClick(Widget<QWidget>(window, id), Qt::Key_F4, Qt::AltModifier);
            EXPECT_TRUE(dialog.IsEnded()) << id;
            EXPECT_EQ(dialog.GetResult(), IDCANCEL) << id;
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

TEST_F(QtWindowTest, ListKeysMoveTheSelectionOnlyAndTheLastCutRowIsNotDrawn) {
    Run([this](ProbeDialog& dialog, QDialog& window) {
        auto* list = Widget<QListWidget>(window, kList);
        for (const char* entry : {"Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta", "Iota"})
            dialog.m_list.AddString(entry);
        platform.Sync(dialog);
        list->setFocus();
        const int focusCount = dialog.setFocusCount;
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(dialog.m_list.GetCurSel(), 0);
        QTest::keyClick(list, Qt::Key_End);
        EXPECT_EQ(dialog.m_list.GetCurSel(), 8);
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClicks(list, "ep");
        EXPECT_EQ(dialog.m_list.GetCurSel(), 4);
        EXPECT_EQ(list->selectedItems().front()->text(), "Epsilon");
        EXPECT_EQ(dialog.setFocusCount, focusCount); // no notification: nothing placed
        EXPECT_EQ(dialog.m_list.GetCount(), 9);
        // Nine rows do not fit: the row the bottom edge cuts is left blank.
        QTest::keyClick(list, Qt::Key_Home);
        const QImage shown = list->viewport()->grab().toImage();
        int cut = -1;
        for (int row = 0; row < list->count() && cut < 0; ++row)
            if (list->visualItemRect(list->item(row)).bottom() >= shown.height()) cut = row;
        ASSERT_GE(cut, 0);
        const QRect strip = list->visualItemRect(list->item(cut)).intersected(shown.rect());
        const QRgb background = shown.pixel(strip.right() - 1, strip.top());
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x)
                ASSERT_EQ(shown.pixel(x, y), background) << "row " << cut << " is drawn cut";
    });
}

TEST_F(QtWindowTest, HelpOpensInTheProgramsOwnWindowOrSaysWhereTheDocumentWasLookedFor) {
    TempDir empty;
    Run([this, &empty](ProbeDialog&, QDialog&) {
        ASSERT_TRUE(platform.WinHelp(empty.File("bin/kestrav.HLP"), HELP_CONTEXT, 131174));
        const std::string where = HelpDocumentPath(empty.File("bin"));
        EXPECT_EQ(platform.lastBox,
                  "Failed to launch help.\n\nThe help document was looked for at " + where + ".");
        // A message box's OK button carries its text only.
        EXPECT_TRUE(platform.lastBoxIconless);
        EXPECT_EQ(platform.HelpBrowser(), nullptr);
        std::filesystem::create_directories(empty.File("share/doc/kestrav"));
        std::filesystem::copy_file(std::string(KESTRAV_SOURCE_DIR) + "/doc/index.html", where);
        platform.boxes = 0;
        ASSERT_TRUE(platform.WinHelp(empty.File("bin/kestrav.HLP"), HELP_CONTEXT, 131174));
        EXPECT_EQ(platform.boxes, 0);
        QTextBrowser* browser = platform.HelpBrowser();
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->window()->isVisible());
        EXPECT_EQ(browser->source().fragment(), "context-131174");
        EXPECT_TRUE(browser->toPlainText().contains("Catalogue values"));
        platform.WinHelp("", HELP_QUIT, 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(platform.HelpBrowser(), nullptr);
    });
}

// ---- Every value the shipped catalogues can show fits the sheet ----

// The widest texts each control of the sheet can show, on the project's catalogues.
struct SheetValues {
    std::vector<std::string> engineNames, ratings, numbers, equipment, slotEntries;
};

SheetValues ReadSheetValues() {
    SheetValues values;
    CMechEngines engines;
    engines.Open();
    for (engines.MoveFirst(); !engines.IsEOF(); engines.MoveNext()) {
        values.engineNames.push_back(engines.m_EngineName);
        values.ratings.push_back(std::to_string(engines.m_Rating));
    }
    engines.Close();
    MechEquipment equipment;
    equipment.Open();
    for (equipment.MoveFirst(); !equipment.IsEOF(); equipment.MoveNext())
        values.equipment.push_back(equipment.m_Item);
    equipment.Close();
    // Every weight and count the sheet shows: the half tons from -100 to 100
    // in the binding pass's format, and the whole numbers up to 999.
    for (int halves = -200; halves <= 200; ++halves) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*g", 6, halves / 2.0);
        values.numbers.push_back(text);
    }
    for (int n = 100; n <= 999; ++n)
        values.numbers.push_back(std::to_string(n));
    // What a location list can hold besides the catalogue and its own fixed
    // contents: the entries the rules place by themselves.
    values.slotEntries = {"Engine",   "Heat Sink",  "Double Sink",
                          "Jump Jet", "Endo Steel", "Ferro Fibrous"};
    values.slotEntries.insert(values.slotEntries.end(), values.equipment.begin(),
                              values.equipment.end());
    return values;
}

bool EditShowsWhole(const QLineEdit& edit) {
    return QFontMetrics(edit.font()).horizontalAdvance(edit.text()) <= EditTextRoom(edit);
}

// The entries of a list that it cuts, and whether each cut one has its tooltip.
std::vector<std::string> CutEntries(const QListWidget& list, bool* allHaveTooltips) {
    std::vector<std::string> cut;
    *allHaveTooltips = true;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        if (ShownRowWidth(list, row) <= ListTextRoom(list)) continue;
        cut.push_back(item->text().toStdString());
        if (item->toolTip() != item->text()) *allHaveTooltips = false;
    }
    return cut;
}

class FitPlatform : public CQtPlatform {
  public:
    std::function<void(CDialog&)> onSheet;
    std::function<void(CDialog&)> onDetails;
    int boxes = 0;

  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        const bool sheet = AfxGetApp()->m_pMainWnd == &dialog;
        QTimer::singleShot(0, &window, [this, &dialog, sheet] {
            (sheet ? onSheet : onDetails)(dialog);
            if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
            Sync(dialog);
        });
    }
    void MessageBoxShown(QMessageBox& box) override {
        ++boxes;
        box.accept();
    }
};

TEST_F(QtWindowTest, EveryValueOfTheShippedCataloguesShowsWholeInItsBoxOrList) {
    SetCatalogFolderForTesting(KESTRAV_CATALOG_DIR);
    const SheetValues values = ReadSheetValues();
    ASSERT_FALSE(values.engineNames.empty());
    ASSERT_FALSE(values.equipment.empty());
    FitPlatform fit;
    AfxGetApp()->m_pPlatform = &fit;
    std::set<std::string> detailsShown;
    fit.onDetails = [&](CDialog& details) {
        for (const DialogItem& item : details.Template().items) {
            auto* edit = qobject_cast<QLineEdit*>(fit.ControlWidget(details, item.id));
            if (!edit) continue;
            EXPECT_TRUE(EditShowsWhole(*edit)) << "Equipment Details " << item.id << " cuts \""
                                               << edit->text().toStdString() << "\"";
            if (item.id == 1134) detailsShown.insert(edit->text().toStdString());
        }
    };
    fit.onSheet = [&](CDialog& sheet) {
        // A screen reader says "Engine Name, Fusion 250": every box and list
        // is named by its label once assistive technology listens.
        QAccessible::setActive(true);
        EXPECT_EQ(fit.ControlWidget(sheet, IDC_ENGINE_NAME)->accessibleName(), "Engine Name");
        for (const DialogItem& item : sheet.Template().items) {
            if (item.kind != ControlKind::Edit && item.kind != ControlKind::ListBox) continue;
            EXPECT_FALSE(fit.ControlWidget(sheet, item.id)->accessibleName().isEmpty()) << item.id;
        }
        QAccessible::setActive(false);
        // Each box shows each value it can hold, through the sheet's own state.
        auto show = [&](int id, const std::string& text) {
            ControlState& control = sheet.Control(id);
            control.text = text;
            sheet.TouchControl(control);
            fit.Sync(sheet);
        };
        for (const DialogItem& item : sheet.Template().items) {
            auto* edit = qobject_cast<QLineEdit*>(fit.ControlWidget(sheet, item.id));
            if (!edit) continue;
            const std::vector<std::string>& shown = item.id == IDC_ENGINE_NAME ? values.engineNames
                                                    : item.id == IDC_ENGINE_RATING ? values.ratings
                                                                                   : values.numbers;
            for (const std::string& text : shown) {
                show(item.id, text);
                EXPECT_TRUE(EditShowsWhole(*edit)) << item.id << " cuts \"" << text << "\" ("
                                                   << LabelOf(sheet.Template(), item) << ")";
            }
        }
        // Every list with every entry it can hold, whole; a list narrower than
        // a catalogue name shows it condensed. Only the arm lists, whose fixed
        // actuators leave the least room, may carry a cut name as a tooltip.
        const std::pair<int, const std::vector<std::string>*> lists[] = {
            {IDC_WEAPONS, &values.equipment},           {IDC_ENGINE_HEATSINKS, nullptr},
            {IDC_LIST_HEAD, &values.slotEntries},       {IDC_LIST_LEFTARM, &values.slotEntries},
            {IDC_LIST_LEFTTORSO, &values.slotEntries},  {IDC_LIST_CENTRETORSO, &values.slotEntries},
            {IDC_LIST_RIGHTTORSO, &values.slotEntries}, {IDC_LIST_RIGHTARM, &values.slotEntries},
            {IDC_LIST_LEFTLEG, &values.slotEntries},    {IDC_LIST_RIGHTLEG, &values.slotEntries},
        };
        const std::vector<std::string> sinks{"Heat Sink", "Double Sink"};
        for (const auto& [id, entries] : lists) {
            ControlState& control = sheet.Control(id);
            const std::vector<std::string> fixed = control.items;
            auto* list = qobject_cast<QListWidget*>(fit.ControlWidget(sheet, id));
            ASSERT_NE(list, nullptr);
            // A location list holds its fixed contents and one entry more
            // at a time (never more than it has rows); the others hold all.
            std::vector<std::vector<std::string>> shown;
            if (entries == &values.slotEntries) {
                shown.push_back(fixed);
                for (const std::string& entry : *entries) {
                    shown.push_back(fixed);
                    shown.back().push_back(entry);
                }
            } else {
                shown.push_back(entries ? *entries : sinks);
            }
            std::set<std::string> cut;
            bool tooltips = true;
            for (const std::vector<std::string>& held : shown) {
                sheet.Control(id).items = held;
                sheet.TouchControl(sheet.Control(id));
                fit.Sync(sheet);
                bool all = false;
                for (const std::string& entry : CutEntries(*list, &all))
                    cut.insert(entry);
                tooltips = tooltips && all;
            }
            std::string cutText;
            for (const std::string& entry : cut)
                cutText += " \"" + entry + "\"";
            if (id == IDC_LIST_LEFTARM || id == IDC_LIST_RIGHTARM) {
                EXPECT_TRUE(tooltips) << id << " cuts without a tooltip:" << cutText;
                if (!cut.empty()) std::printf("%d keeps a tooltip for%s\n", id, cutText.c_str());
            } else {
                EXPECT_TRUE(cut.empty()) << id << " cuts" << cutText;
            }
        }
        // Equipment Details, through a double-click on every weapon.
        for (std::size_t row = 0; row < values.equipment.size(); ++row) {
            ControlState& weapons = sheet.Control(IDC_WEAPONS);
            weapons.items = values.equipment;
            sheet.TouchControl(weapons);
            sheet.DoubleClickList(IDC_WEAPONS, static_cast<int>(row));
        }
    };
    ResetProgramWideValues();
    {
        CKestravDlg sheet;
        AfxGetApp()->m_pMainWnd = &sheet;
        sheet.DoModal();
        AfxGetApp()->m_pMainWnd = nullptr;
    }
    ResetProgramWideValues();
    SetCatalogFolderForTesting("");
    AfxGetApp()->m_pPlatform = &platform;
    EXPECT_EQ(fit.boxes, 0);
    EXPECT_EQ(detailsShown.size(),
              std::set<std::string>(values.equipment.begin(), values.equipment.end()).size());
}

} // namespace
