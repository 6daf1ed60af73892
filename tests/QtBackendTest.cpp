// The Qt backend: dialog-unit arithmetic, word wrapping, double-click
// pairing, list keys and labels; a small probe dialog in a real (offscreen)
// window for focus, Alt+F4, what is shown again, cut rows and help; and the
// design sheet and About box themselves: their widgets take the templates'
// looks, and every value the shipped catalogues can put in the sheet's
// boxes and lists shows whole.

#include "app/AboutDlg.h"
#include "app/KestravApp.h"
#include "catalog/CatalogFolder.h"
#include "design/KestravDlg.h"
#include "framework/qt/DialogUnits.h"
#include "framework/qt/DialogWindow.h"
#include "res/resource.h"
#include "testing/QtWindowProbe.h"
#include "tests/TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

TEST(DialogUnitsTest, BaseUnitsRoundAndControlsThatTouchInTheTemplateTouchOnScreen) {
    EXPECT_EQ(BaseUnitsFromFont(52 * 6 + 25, 13).x, 6); // 6.48 rounds down
    EXPECT_EQ(BaseUnitsFromFont(52 * 6 + 26, 13).x, 7); // 6.5 rounds up
    EXPECT_EQ(BaseUnitsFromFont(350, 14).y, 14);
    const DialogBaseUnits base{7, 13};
    EXPECT_EQ(HorizontalDluToPixels(4, base), 7);
    EXPECT_EQ(VerticalDluToPixels(8, base), 13);
    // The design sheet: 677 x 436 units is 1184.75 x 708.5 pixels, rounded.
    const PixelRect sheet = DialogClientRect(MainDialogTemplate(), base);
    EXPECT_EQ(QSize(sheet.width, sheet.height), QSize(1185, 709));
    // The U button sits directly above the D button in every armour location.
    for (const DialogItem& up : MainDialogTemplate().items) {
        if (up.text == nullptr || std::string(up.text) != "U") continue;
        const PixelRect u = DluRectToPixels(up.x, up.y, up.cx, up.cy, base);
        EXPECT_EQ(u.y + u.height, DluRectToPixels(up.x, up.y + up.cy, 1, 1, base).y) << up.id;
    }
    // Converting edges keeps a row of widths adding up to the whole.
    const PixelRect left = DluRectToPixels(0, 0, 3, 3, base);
    const PixelRect right = DluRectToPixels(3, 3, 3, 3, base);
    const PixelRect whole = DluRectToPixels(0, 0, 6, 6, base);
    EXPECT_EQ(QSize(left.width + right.width, left.height + right.height),
              QSize(whole.width, whole.height));
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

// The moves the keyboard scenario does not make: at the ends, and in an empty list.
TEST(ListKeysTest, MoveTheSelectionAsANativeListBoxDoes) {
    struct Case {
        ListKey key;
        int current, count, page, row;
    };
    const Case cases[] = {
        {ListKey::Down, 2, 10, 5, 3},     {ListKey::Up, 0, 10, 5, 0},
        {ListKey::PageDown, 2, 10, 5, 6}, {ListKey::PageDown, 8, 10, 5, 9},
        {ListKey::PageUp, 7, 10, 5, 3},   {ListKey::PageUp, 2, 10, 5, 0},
        {ListKey::End, -1, 10, 5, 9},     {ListKey::Down, -1, 0, 5, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowAfterListKey(c.key, c.current, c.count, c.page), c.row)
            << static_cast<int>(c.key) << " from " << c.current;
}

TEST(LabelTest, EveryBoxAndListIsKnownByItsLabelOrHeading) {
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
        const auto item = std::find_if(sheet.items.begin(), sheet.items.end(),
                                       [id](const DialogItem& i) { return i.id == id; });
        ASSERT_NE(item, sheet.items.end()) << id;
        EXPECT_EQ(LabelOf(sheet, *item), label) << id;
    }
    for (const DialogTemplate* t : {&sheet, &EquipmentDetailsDialogTemplate()})
        for (const DialogItem& item : t->items)
            if (item.kind == ControlKind::Edit || item.kind == ControlKind::ListBox) {
                EXPECT_FALSE(LabelOf(*t, item).empty()) << item.id;
            }
}

// ---- Real windows ----

class QtWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { application = StartOffscreenApplication(); }
    static void TearDownTestSuite() {
        delete application;
        application = nullptr;
    }
    void SetUp() override { AfxGetApp()->m_pPlatform = &platform; }
    void TearDown() override { AfxGetApp()->m_pPlatform = nullptr; }

    // Shows the probe dialog and runs body while it is on screen.
    void Run(const std::function<void(ProbeDialog&, QDialog&)>& body) {
        platform.body = [&body](CDialog& d, QDialog& w) { body(static_cast<ProbeDialog&>(d), w); };
        ProbeDialog dialog;
        dialog.DoModal();
    }
    // Starts the design sheet on the shipped catalogues; body runs for it and
    // for every dialog opened over it.
    void RunSheet(const std::function<void(CDialog&, QDialog&)>& body) {
        platform.body = body;
        SetCatalogFolderForTesting(KESTRAV_CATALOG_DIR);
        ResetProgramWideValues();
        {
            CKestravDlg sheet;
            AfxGetApp()->m_pMainWnd = &sheet;
            sheet.DoModal();
            AfxGetApp()->m_pMainWnd = nullptr;
        }
        ResetProgramWideValues();
        SetCatalogFolderForTesting("");
    }
    template <class W> static W* Widget(QDialog& window, int id) {
        return window.findChild<W*>(QString::number(id));
    }

    WindowPlatform platform;
    static QApplication* application;
};

QApplication* QtWindowTest::application = nullptr;

// The sheet and the About box over it, as their templates draw them.
TEST_F(QtWindowTest, TheWidgetsShowTheirTemplatesLooks) {
    struct Look {
        const char* label;
        bool centred, sunken;
    };
    const Look labels[] = {
        {"WEAPONS AND COMPONENTS", true, true}, // a heading
        {"LEFT TORSO FRONT", true, false},
        {"Engine Name", false, false},
    };
    const std::pair<int, Qt::ScrollBarPolicy> lists[] = {
        {IDC_WEAPONS, Qt::ScrollBarAlwaysOn},
        {IDC_LIST_LEFTTORSO, Qt::ScrollBarAsNeeded},
        {IDC_LIST_HEAD, Qt::ScrollBarAlwaysOff}};
    std::vector<std::string> shown;
    RunSheet([&](CDialog& dialog, QDialog& window) {
        shown.push_back(window.windowTitle().toStdString());
        const bool sheet = &dialog == AfxGetApp()->m_pMainWnd;
        EXPECT_EQ(window.minimumSize(), window.maximumSize()); // not resizable
        EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(bool(window.windowFlags() & Qt::WindowMinimizeButtonHint), sheet);
        if (!sheet) return;
        EXPECT_EQ(window.font().family(), kTemplateFace); // installed by the set-up script
        for (const Look& look : labels) {
            const QList<QLabel*> all = window.findChildren<QLabel*>();
            const auto label = std::find_if(all.begin(), all.end(),
                                            [&](QLabel* l) { return l->text() == look.label; });
            ASSERT_NE(label, all.end()) << look.label;
            EXPECT_EQ(bool((*label)->alignment() & Qt::AlignHCenter), look.centred) << look.label;
            EXPECT_EQ((*label)->frameShadow() == QFrame::Sunken, look.sunken) << look.label;
        }
        for (const auto& [id, policy] : lists)
            EXPECT_EQ(Widget<QListWidget>(window, id)->verticalScrollBarPolicy(), policy) << id;
        const PixelRect r = DluRectToPixels(465, 25, 120, 65, DialogBaseUnitsOf(window.font()));
        EXPECT_EQ(Widget<QListWidget>(window, IDC_WEAPONS)->geometry(),
                  QRect(r.x, r.y, r.width, r.height));
        auto* edit = Widget<QLineEdit>(window, IDC_TONNAGE);
        EXPECT_TRUE(edit->alignment() & Qt::AlignHCenter);
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
        // A screen reader names a box by its label once it listens.
        QAccessible::setActive(true);
        EXPECT_EQ(Widget<QLineEdit>(window, IDC_ENGINE_NAME)->accessibleName(), "Engine Name");
        QAccessible::setActive(false);
        // Menu states never change: greyed stays greyed, checked stays checked.
        std::map<int, QAction*> menu;
        for (QAction* action : window.findChildren<QAction*>())
            menu[action->data().toInt()] = action;
        EXPECT_FALSE(menu.at(ID_MECHTYPES_CLAN)->isEnabled());
        menu.at(ID_MECHTYPES_INNERSPHERE)->trigger();
        EXPECT_TRUE(menu.at(ID_MECHTYPES_INNERSPHERE)->isChecked());
        menu.at(ID_TECHLEVEL_2)->trigger();
        EXPECT_FALSE(menu.at(ID_TECHLEVEL_2)->isChecked());
        menu.at(ID_APP_ABOUT)->trigger();
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"Kestrav", "About Kestrav"}));
    EXPECT_EQ(platform.boxes, 0);
}

TEST_F(QtWindowTest, TabFocusIsReportedAndFocusGivenBackAfterARefusalIsNot) {
    for (bool moveFocusFirst : {true, false}) {
        platform.boxes = 0;
        Run([this, moveFocusFirst](ProbeDialog& dialog, QDialog& window) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            auto* list = Widget<QListWidget>(window, probe::kList);
            auto* button = Widget<QPushButton>(window, probe::kButton);
            // The program's own focus moves are not the user's.
            EXPECT_EQ(dialog.setFocusCount, 0);
            list->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(dialog.setFocusCount, 1);
            EXPECT_EQ(dialog.GetFocusId(), probe::kList);
            button->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(dialog.GetFocusId(), probe::kButton);
            dialog.refuse = true;
            dialog.moveFocusFirst = moveFocusFirst;
            list->setFocus(Qt::TabFocusReason);
            QTest::qWait(50);
            // One refusal, not a second one when the box closes.
            EXPECT_EQ(platform.boxes, 1);
            EXPECT_EQ(dialog.setFocusCount, 2);
            EXPECT_EQ(window.focusWidget() == &window, moveFocusFirst);
        });
    }
}

// Alt+F4 ends the window as the close box does, from whichever control has the focus.
TEST_F(QtWindowTest, AltF4EndsTheWindowThroughTheCancelPath) {
    for (int id : {probe::kList, probe::kButton}) {
        Run([this, id](ProbeDialog& dialog, QDialog& window) {
            QTest::keyClick(Widget<QWidget>(window, id), Qt::Key_F4, Qt::AltModifier);
            EXPECT_TRUE(dialog.IsEnded()) << id;
            EXPECT_EQ(dialog.GetResult(), IDCANCEL) << id;
        });
    }
}

TEST_F(QtWindowTest, OnlyControlsThatChangedAreShownAgainAndOnlyWholeRows) {
    Run([this](ProbeDialog& dialog, QDialog& window) {
        auto* list = Widget<QListWidget>(window, probe::kList);
        auto* edit = Widget<QLineEdit>(window, probe::kEdit);
        EXPECT_EQ(edit->text(), "0"); // as the template has it: untouched since
        QListWidgetItem* first = list->item(0);
        QTest::mouseClick(Widget<QPushButton>(window, probe::kButton), Qt::LeftButton);
        EXPECT_EQ(edit->text(), "1");
        EXPECT_EQ(list->item(0), first); // the list was not rebuilt
        // A selection alone does not rebuild the list either.
        dialog.m_list.SetCurSel(1);
        platform.Sync(dialog);
        EXPECT_EQ(list->item(0), first);
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->selectedItems().front()->text(), "Beta");
        dialog.m_list.SetCurSel(-1);
        for (const char* entry : {"Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta", "Iota"})
            dialog.m_list.AddString(entry);
        platform.Sync(dialog);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        ASSERT_EQ(list->count(), 9);
        EXPECT_EQ(list->item(8)->text(), "Iota");
        // Nine rows do not fit: the row the bottom edge cuts is left blank.
        const QImage shown = list->viewport()->grab().toImage();
        int cut = 0;
        while (cut < list->count() &&
               list->visualItemRect(list->item(cut)).bottom() < shown.height())
            ++cut;
        ASSERT_LT(cut, list->count());
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
        EXPECT_TRUE(platform.lastBoxIconless); // a message box's OK button carries its text only
        EXPECT_EQ(platform.HelpBrowser(), nullptr);
        std::filesystem::create_directories(empty.File("share/doc/kestrav"));
        std::filesystem::copy_file(std::string(KESTRAV_SOURCE_DIR) + "/doc/index.html", where);
        ASSERT_TRUE(platform.WinHelp(empty.File("bin/kestrav.HLP"), HELP_CONTEXT, 131174));
        EXPECT_EQ(platform.boxes, 1);
        ASSERT_NE(platform.HelpBrowser(), nullptr);
        EXPECT_TRUE(platform.HelpBrowser()->window()->isVisible());
        EXPECT_TRUE(platform.HelpBrowser()->toPlainText().contains("Catalogue values"));
        platform.WinHelp("", HELP_QUIT, 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(platform.HelpBrowser(), nullptr);
    });
}

// ---- Every value the shipped catalogues can show fits the sheet ----

bool EditShowsWhole(const QLineEdit& edit) {
    return QFontMetrics(edit.font()).horizontalAdvance(edit.text()) <= EditTextRoom(edit);
}

TEST_F(QtWindowTest, EveryValueOfTheShippedCataloguesShowsWholeInItsBoxOrList) {
    SetCatalogFolderForTesting(KESTRAV_CATALOG_DIR);
    const SheetValues values = ReadSheetValues();
    ASSERT_FALSE(values.engineNames.empty());
    ASSERT_FALSE(values.equipment.empty());
    std::set<std::string> detailsShown;
    RunSheet([&](CDialog& dialog, QDialog& window) {
        // Each box shows each value it can hold, through the dialog's own state.
        const bool sheet = &dialog == AfxGetApp()->m_pMainWnd;
        for (const DialogItem& item : dialog.Template().items) {
            auto* edit = Widget<QLineEdit>(window, item.id);
            if (!edit) continue;
            if (!sheet) { // Equipment Details, opened below
                EXPECT_TRUE(EditShowsWhole(*edit)) << edit->text().toStdString();
                if (item.id == IDC_DETAILS_NAME) detailsShown.insert(edit->text().toStdString());
                continue;
            }
            const std::vector<std::string>& texts = item.id == IDC_ENGINE_NAME ? values.engineNames
                                                    : item.id == IDC_ENGINE_RATING ? values.ratings
                                                                                   : values.numbers;
            for (const std::string& text : texts) {
                dialog.Control(item.id).text = text;
                dialog.TouchControl(dialog.Control(item.id));
                platform.Sync(dialog);
                EXPECT_TRUE(EditShowsWhole(*edit)) << item.id << " cuts \"" << text << "\"";
            }
        }
        if (!sheet) return;
        // Every list with every entry it can hold, whole; a list narrower
        // than a name shows it condensed. Only the arm lists, whose fixed
        // actuators leave the least room, may carry a cut name as a tooltip.
        for (int id : {IDC_WEAPONS, IDC_ENGINE_HEATSINKS, IDC_LIST_HEAD, IDC_LIST_LEFTARM,
                       IDC_LIST_LEFTTORSO, IDC_LIST_CENTRETORSO, IDC_LIST_RIGHTTORSO,
                       IDC_LIST_RIGHTARM, IDC_LIST_LEFTLEG, IDC_LIST_RIGHTLEG}) {
            auto* list = Widget<QListWidget>(window, id);
            ASSERT_NE(list, nullptr);
            // A location list holds its fixed contents and one entry more at
            // a time (never more than it has rows); the others hold them all.
            std::vector<std::vector<std::string>> held;
            if (id == IDC_WEAPONS) {
                held = {values.equipment};
            } else if (id == IDC_ENGINE_HEATSINKS) {
                held = {{"Heat Sink", "Double Sink"}};
            } else {
                held = {dialog.Control(id).items};
                for (const std::string& entry : values.slotEntries) {
                    held.push_back(held.front());
                    held.back().push_back(entry);
                }
            }
            const bool arm = id == IDC_LIST_LEFTARM || id == IDC_LIST_RIGHTARM;
            for (const std::vector<std::string>& items : held) {
                dialog.Control(id).items = items;
                dialog.TouchControl(dialog.Control(id));
                platform.Sync(dialog);
                for (int row = 0; row < list->count(); ++row)
                    EXPECT_TRUE(ShownRowWidth(*list, row) <= ListTextRoom(*list) ||
                                (arm && list->item(row)->toolTip() == list->item(row)->text()))
                        << id << " cuts \"" << list->item(row)->text().toStdString() << "\"";
            }
        }
        // Equipment Details, through a double-click on every weapon.
        for (std::size_t row = 0; row < values.equipment.size(); ++row) {
            dialog.Control(IDC_WEAPONS).items = values.equipment;
            dialog.TouchControl(dialog.Control(IDC_WEAPONS));
            dialog.DoubleClickList(IDC_WEAPONS, static_cast<int>(row));
        }
    });
    EXPECT_EQ(platform.boxes, 0);
    EXPECT_EQ(detailsShown,
              std::set<std::string>(values.equipment.begin(), values.equipment.end()));
}

} // namespace
