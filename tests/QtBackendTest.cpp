// The Qt backend: dialog-unit arithmetic, word wrapping, double-click
// pairing, list keys, accessible names and help sections; a small probe dialog for what is shown
// again, whole rows and the Tab key's focus; help; and one run of the design
// sheet: its looks, About and Equipment Details over it as their templates
// draw them, Alt+F4 on each, and every value the shipped catalogues can put
// in the sheet's boxes and lists, shown whole.

#include "QtWindowProbe.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

TEST(DialogUnitsTest, BaseUnitsRoundAndControlsThatTouchInTheTemplateTouchOnScreen) {
    EXPECT_EQ(BaseUnitsFromFont(52 * 6 + 25, 13).x, 6); // 6.48 rounds down
    EXPECT_EQ(BaseUnitsFromFont(52 * 6 + 26, 13).x, 7); // 6.5 rounds up
    // Edges are converted, not sizes: controls that touch in the template
    // (the U and D buttons of an armour location) touch on screen, and a
    // row of widths adds up to the whole.
    const PixelRect part = DluRectToPixels(0, 0, 3, 3, {7, 13});
    const PixelRect rest = DluRectToPixels(3, 3, 3, 3, {7, 13});
    const PixelRect whole = DluRectToPixels(0, 0, 6, 6, {7, 13});
    EXPECT_EQ(QRect(part.x, part.y, part.width + rest.width, part.height + rest.height),
              QRect(whole.x, whole.y, whole.width, whole.height));
}

TEST(WrapWordsTest, WrapsByWidthAndDropsThePaddingSpaces) {
    const auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(WrapWords("     Add Component", 70, width), (Lines{"Add", "Component"}));
    // A word wider than the line keeps a line of its own.
    EXPECT_EQ(WrapWords("Move Component", 30, width), (Lines{"Move", "Component"}));
    EXPECT_EQ(WrapWords("HEAT SINKS TO BE ALLOCATED", 70, width),
              (Lines{"HEAT SINKS", "TO BE", "ALLOCATED"}));
    EXPECT_TRUE(WrapWords("   ", 70, width).empty());
}

TEST(DoubleClickTrackerTest, OnlyTheSecondPressOfAPairBelongsToADoubleClick) {
    DoubleClickTracker tracker(400, 5);
    // Each press (time, place, button) and whether it is the second of a
    // pair: a third press starts a new pair; too late, too far or another
    // button is a click of its own; a clock that went back pairs nothing.
    const std::tuple<unsigned long, int, int, int, bool> presses[] = {
        {1000, 10, 10, 1, false}, {1200, 12, 9, 1, true},  {1300, 12, 9, 1, false},
        {1800, 12, 9, 1, false},  {1900, 30, 9, 1, false}, {2000, 30, 9, 2, false},
        {2100, 30, 9, 2, true},   {50, 30, 9, 2, false}};
    for (const auto& [time, x, y, button, second] : presses)
        EXPECT_EQ(tracker.IsSecondPress(time, x, y, button), second) << time;
}

// The moves the keyboard scenario does not make: at the ends, and in an empty list.
TEST(ListKeysTest, AtTheEndsAndInAnEmptyListTheSelectionStaysInside) {
    EXPECT_EQ(RowAfterListKey(ListKey::PageDown, 8, 10, 5), 9);
    EXPECT_EQ(RowAfterListKey(ListKey::PageUp, 2, 10, 5), 0);
    EXPECT_EQ(RowAfterListKey(ListKey::End, -1, 10, 5), 9);
    EXPECT_EQ(RowAfterListKey(ListKey::Down, -1, 0, 5), -1);
}

// Every control of the three windows has a help section that the help
// document has (that its name for a screen reader is unique in its window and
// on one line is the accessibility test's). A box without a guide is known by
// its label.
TEST(AccessibleNameTest, EveryControlHasAUniqueOneLineNameAndAHelpSection) {
    std::ifstream file(std::string(KESTRAV_SOURCE_DIR) + "/doc/index.html");
    const std::string document((std::istreambuf_iterator<char>(file)), {});
    ASSERT_FALSE(document.empty());
    const std::map<int, std::string> named = {{IDC_TONNAGE_UP, "Tonnage increase"},
                                              {IDC_ADD_COMPONENT, "Add component"},
                                              {IDC_MAXIMISE_ARMOUR, "Maximise armour"}};
    for (const DialogTemplate* t :
         {&MainDialogTemplate(), &AboutDialogTemplate(), &EquipmentDetailsDialogTemplate()}) {
        for (const DialogItem& item : t->items) {
            if (item.id == IDC_STATIC) continue;
            if (t == &MainDialogTemplate() && named.count(item.id)) {
                EXPECT_EQ(AccessibleNameOf(*t, item), named.at(item.id));
            }
            const ControlGuide* guide = GuideOf(*t, item.id);
            ASSERT_NE(guide, nullptr) << t->caption << " " << item.id;
            EXPECT_NE(document.find(std::string("id=\"") + guide->helpSection + "\""),
                      std::string::npos)
                << "no section " << guide->helpSection;
        }
    }
    // Without a guide, a box is known by its label and a button by its caption on one line.
    const DialogItem items[] = {{ControlKind::Static, IDC_STATIC, "Engine &Name", 0, 0, 40, 10, 0},
                                {ControlKind::Edit, 7, "", 45, 0, 20, 10, 0},
                                {ControlKind::PushButton, 8, "   Add\n Component ", 0, 20, 20, 20,
                                 ControlStyle::MultiLine}};
    const DialogTemplate bare{1, "Bare", 100, 100, "Sans", 8, 0, items};
    EXPECT_EQ(AccessibleNameOf(bare, items[1]), "Engine Name");
    EXPECT_EQ(AccessibleNameOf(bare, items[2]), "Add Component");
}

// ---- Real windows ----

// The probe's window shows again only what changed, draws whole rows only,
// and reports the focus only when the Tab key moves it.
TEST_F(QtWindowTest, OnlyChangesAndWholeRowsAreShownAndOnlyTabFocusIsReported) {
    ProbeDialog dialog;
    platform.body = [&](CDialog&, QDialog& window) {
        auto* list = ControlOf<QListWidget>(window, kProbeList);
        auto* button = ControlOf<QPushButton>(window, kProbeButton);
        auto* edit = ControlOf<QLineEdit>(window, kProbeEdit);
        EXPECT_EQ(edit->text(), "0"); // as the template has it: untouched since
        QListWidgetItem* first = list->item(0);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(edit->text(), "1");
        EXPECT_EQ(list->item(0), first); // the list was not rebuilt
        // A selection alone does not rebuild the list either.
        dialog.m_list.SetCurSel(1);
        platform.Sync(dialog);
        EXPECT_EQ(list->item(0), first);
        dialog.m_list.SetCurSel(-1);
        platform.Sync(dialog);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        // A refused action's entries, shown while its box was up, are taken back.
        dialog.refusePress = true;
        QTest::mouseClick(button, Qt::LeftButton);
        dialog.refusePress = false;
        EXPECT_EQ(platform.boxes, 2);
        platform.boxes = 0;
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), "Beta");
        for (const char* entry : {"Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta", "Iota"})
            dialog.m_list.AddString(entry);
        platform.Sync(dialog);
        // Nine rows do not fit: the row the bottom edge cuts is left blank.
        const QImage shown = list->viewport()->grab().toImage();
        const int cut = shown.height() / list->visualItemRect(list->item(0)).height();
        ASSERT_LT(cut, list->count());
        const QRect strip = list->visualItemRect(list->item(cut)).intersected(shown.rect());
        QImage blank = shown.copy(strip);
        blank.fill(shown.pixel(strip.right() - 1, strip.top()));
        EXPECT_TRUE(shown.copy(strip) == blank) << "row " << cut << " is drawn cut";
        // Neither the program's own focus moves nor a click's are the Tab key's.
        EXPECT_EQ(dialog.setFocusCount, 0);
        // A refusal that leaves the focus, then one that moves it to the
        // window first: a box each, not a second one when the box closes.
        for (bool moveFocusFirst : {false, true}) {
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            dialog.moveFocusFirst = moveFocusFirst;
            button->setFocus(Qt::TabFocusReason);
            list->setFocus(Qt::TabFocusReason);
            QTest::qWait(50);
            EXPECT_EQ(platform.boxes, moveFocusFirst ? 2 : 1);
            EXPECT_EQ(window.focusWidget() == &window, moveFocusFirst);
        }
        EXPECT_EQ(dialog.setFocusCount, 2);
    };
    dialog.DoModal();
}

// Escape and Ctrl+W close the help window.
TEST_F(QtWindowTest, HelpOpensInTheProgramsOwnWindowOrSaysWhereTheDocumentWasLookedFor) {
    TempDir empty;
    ASSERT_TRUE(platform.WinHelp(empty.File("bin/kestrav.HLP"), HELP_CONTEXT, 131174));
    const std::string where = HelpDocumentPath(empty.File("bin"));
    EXPECT_EQ(platform.lastBox,
              "Failed to launch help.\n\nThe help document was looked for at " + where + ".");
    // A message box's OK button carries its text only.
    EXPECT_TRUE(platform.lastBoxIconless);
    EXPECT_EQ(platform.HelpBrowser(), nullptr);
    std::filesystem::create_directories(std::filesystem::path(where).parent_path());
    std::filesystem::copy_file(std::string(KESTRAV_SOURCE_DIR) + "/doc/index.html", where);
    ASSERT_TRUE(platform.WinHelp(empty.File("bin/kestrav.HLP"), HELP_CONTEXT, 131174));
    ASSERT_NE(platform.HelpBrowser(), nullptr); // what it shows: the help scenarios
    // Escape and Ctrl+W close it, as they close a document window.
    for (const QKeyCombination keys :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        ASSERT_TRUE(platform.ShowHelpSection(empty.File("bin/kestrav.HLP"), "armour"));
        QWidget* help = platform.HelpBrowser()->window();
        EXPECT_EQ(platform.HelpBrowser()->source().fragment(), "armour");
        QApplication::setActiveWindow(help);
        QTest::keyClick(platform.HelpBrowser(), keys.key(), keys.keyboardModifiers());
        QCoreApplication::processEvents();
        EXPECT_EQ(platform.HelpBrowser(), nullptr) << keys.toCombined();
    }
    ASSERT_TRUE(platform.WinHelp(empty.File("bin/kestrav.HLP"), HELP_CONTEXT, 131174));
    platform.WinHelp("", HELP_QUIT, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.HelpBrowser(), nullptr);
}

// The sheet, the About box and Equipment Details as their templates draw
// them, each value the shipped catalogues can put in the sheet's boxes and
// lists shown whole, and Alt+F4 ending each window through the Cancel path.
TEST_F(QtWindowTest, TheWindowsShowTheirTemplatesAndEveryValueOfTheShippedCataloguesWhole) {
    // What the boxes can show: the engines' names and ratings, and every
    // weight and count (the half tons from -100 to 100 in the binding pass's
    // format, and the whole numbers up to 999).
    SetCatalogFolderForTesting(KESTRAV_CATALOG_DIR);
    std::vector<std::string> names, ratings, numbers, equipment;
    CMechEngines engines;
    engines.Open();
    for (engines.MoveFirst(); !engines.IsEOF(); engines.MoveNext()) {
        names.push_back(engines.m_EngineName);
        ratings.push_back(std::to_string(engines.m_Rating));
    }
    MechEquipment table;
    table.Open();
    for (table.MoveFirst(); !table.IsEOF(); table.MoveNext())
        equipment.push_back(table.m_Item);
    ASSERT_FALSE(equipment.empty());
    for (int n = -200; n <= 1099; ++n)
        numbers.push_back(QString::number(n <= 200 ? n / 2.0 : n - 100.0).toStdString());
    // What a location list can hold besides its fixed contents: the
    // equipment, and the entries the rules place by themselves.
    std::vector<std::string> slotEntries = equipment;
    slotEntries.insert(slotEntries.end(), {"Engine", "Heat Sink", "Double Sink", "Jump Jet",
                                           "Endo Steel", "Ferro Fibrous"});
    // A label's text, whether it is centred, and whether it is sunken (a heading).
    const std::tuple<const char*, bool, bool> labels[] = {{"WEAPONS AND COMPONENTS", true, true},
                                                          {"LEFT TORSO FRONT", true, false},
                                                          {"Engine Name", false, false}};
    const std::pair<int, Qt::ScrollBarPolicy> bars[] = {{IDC_WEAPONS, Qt::ScrollBarAlwaysOn},
                                                        {IDC_LIST_LEFTTORSO, Qt::ScrollBarAsNeeded},
                                                        {IDC_LIST_HEAD, Qt::ScrollBarAlwaysOff}};
    const auto whole = [](const QLineEdit& edit) {
        return QFontMetrics(edit.font()).horizontalAdvance(edit.text()) <= EditTextRoom(edit);
    };
    // Alt+F4 ends a window as the close box does, from a list as from a button.
    const auto altF4 = [](CDialog& dialog, QDialog& window, int focus) {
        QTest::keyClick(ControlOf<QWidget>(window, focus), Qt::Key_F4, Qt::AltModifier);
        EXPECT_EQ(dialog.GetResult(), IDCANCEL) << focus;
    };
    std::set<std::string> detailsShown;
    platform.body = [&](CDialog& dialog, QDialog& window) {
        const bool sheet = &dialog == AfxGetApp()->m_pMainWnd;
        // Not resizable; a close box always, a minimise box on the sheet only.
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_EQ(window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint |
                                          Qt::WindowMinimizeButtonHint),
                  Qt::WindowCloseButtonHint | (sheet ? Qt::WindowMinimizeButtonHint : Qt::Widget));
        // Each box of the sheet shows each value it can hold, through the
        // dialog's own state; About and Equipment Details (opened below) show theirs.
        for (const DialogItem& item : dialog.Template().items) {
            auto* edit = ControlOf<QLineEdit>(window, item.id);
            if (!edit) continue;
            if (!sheet) {
                EXPECT_TRUE(whole(*edit)) << edit->text().toStdString();
                if (item.id == IDC_DETAILS_NAME) detailsShown.insert(edit->text().toStdString());
                continue;
            }
            for (const std::string& text : item.id == IDC_ENGINE_NAME     ? names
                                           : item.id == IDC_ENGINE_RATING ? ratings
                                                                          : numbers) {
                dialog.GetDlgItem(item.id).SetWindowText(text);
                platform.Sync(dialog);
                EXPECT_TRUE(whole(*edit)) << item.id << " cuts \"" << text << "\"";
            }
        }
        if (!sheet) return altF4(dialog, window, IDOK);
        const QList<QLabel*> all = window.findChildren<QLabel*>();
        for (const auto& [text, centred, sunken] : labels) {
            const auto label =
                std::find_if(all.begin(), all.end(), [&](QLabel* l) { return l->text() == text; });
            ASSERT_NE(label, all.end()) << text;
            EXPECT_EQ(bool((*label)->alignment() & Qt::AlignHCenter), centred) << text;
            EXPECT_EQ((*label)->frameShadow() == QFrame::Sunken, sunken) << text;
        }
        for (const auto& [id, policy] : bars)
            EXPECT_EQ(ControlOf<QListWidget>(window, id)->verticalScrollBarPolicy(), policy) << id;
        const PixelRect r = DluRectToPixels(465, 25, 120, 65, DialogBaseUnitsOf(window.font()));
        EXPECT_EQ(ControlOf<QListWidget>(window, IDC_WEAPONS)->geometry(),
                  QRect(r.x, r.y, r.width, r.height));
        auto* tonnage = ControlOf<QLineEdit>(window, IDC_TONNAGE);
        EXPECT_TRUE(tonnage->alignment() & Qt::AlignHCenter);
        EXPECT_TRUE(tonnage->isReadOnly());
        EXPECT_EQ(tonnage->focusPolicy(), Qt::NoFocus);
        // Every list with every entry it can hold, whole; a list narrower
        // than a name shows it condensed. Only the arm lists, whose fixed
        // actuators leave the least room, may carry a cut name as a tooltip.
        const auto show = [&](int id, const std::vector<std::string>& items) {
            dialog.Control(id).items = items;
            dialog.TouchControl(dialog.Control(id));
            platform.Sync(dialog);
            const auto* list = ControlOf<QListWidget>(window, id);
            for (int row = 0; row < list->count(); ++row)
                EXPECT_TRUE(ShownRowWidth(*list, row) <= ListTextRoom(*list) ||
                            ((id == IDC_LIST_LEFTARM || id == IDC_LIST_RIGHTARM) &&
                             list->item(row)->toolTip() == list->item(row)->text()))
                    << id << " cuts \"" << items[row] << "\"";
        };
        show(IDC_ENGINE_HEATSINKS, {"Heat Sink", "Double Sink"});
        // A location list holds its fixed contents and one entry more at a
        // time (never more than it has rows).
        for (int id :
             {IDC_LIST_HEAD, IDC_LIST_LEFTARM, IDC_LIST_LEFTTORSO, IDC_LIST_CENTRETORSO,
              IDC_LIST_RIGHTTORSO, IDC_LIST_RIGHTARM, IDC_LIST_LEFTLEG, IDC_LIST_RIGHTLEG}) {
            std::vector<std::string> items = dialog.Control(id).items;
            items.emplace_back();
            for (const std::string& entry : slotEntries) {
                items.back() = entry;
                show(id, items);
            }
        }
        // Equipment Details, through a double-click on every weapon.
        for (std::size_t row = 0; row < equipment.size(); ++row) {
            show(IDC_WEAPONS, equipment);
            dialog.DoubleClickList(IDC_WEAPONS, static_cast<int>(row));
        }
        // Menu states never change: greyed stays greyed, checked stays checked.
        std::map<int, QAction*> menu;
        for (QAction* action : window.findChildren<QAction*>())
            menu[action->data().toInt()] = action;
        EXPECT_FALSE(menu.at(ID_MECHTYPES_CLAN)->isEnabled());
        menu.at(ID_MECHTYPES_INNERSPHERE)->trigger();
        EXPECT_TRUE(menu.at(ID_MECHTYPES_INNERSPHERE)->isChecked());
        menu.at(ID_APP_ABOUT)->trigger();
        altF4(dialog, window, IDC_WEAPONS);
    };
    ResetProgramWideValues();
    CKestravDlg design;
    AfxGetApp()->m_pMainWnd = &design;
    design.DoModal();
    AfxGetApp()->m_pMainWnd = nullptr;
    ResetProgramWideValues();
    SetCatalogFolderForTesting("");
    EXPECT_EQ(platform.dialogs, 2 + static_cast<int>(equipment.size())); // About, and Details
    EXPECT_EQ(platform.boxes, 0);
    EXPECT_EQ(detailsShown, std::set<std::string>(equipment.begin(), equipment.end()));
}

} // namespace
