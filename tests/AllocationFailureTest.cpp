// Memory running out anywhere: the start-up, and one action of each family,
// with the N-th allocation failing, for every N until the start-up or the
// action runs whole. The program never ends by an escaping exception and
// never shows a half-made sheet: a start-up gives the blank sheet that refuses
// every design action, with a message saying what failed; an action is
// refused with a message and changes nothing.
//
// The unit-test program's global operator new is replaced here: armed on one
// thread, it throws std::bad_alloc at the N-th allocation of that thread and
// counts on; disarmed (always, outside these tests) it is malloc.

#include "app/KestravApp.h"
#include "catalog/CatalogFolder.h"
#include "design/Messages.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "testing/KestravDlgTestAccess.h"
#include "tests/TestSupport.h"

#include <cstdlib>
#include <functional>
#include <new>
#include <tuple>

namespace {

thread_local bool t_armed = false;
thread_local long t_failAt = 0; // 0: none fails, they are only counted
thread_local long t_allocations = 0;

void Arm(long failAt) {
    t_allocations = 0;
    t_failAt = failAt;
    t_armed = true;
}

// Disarms; the number of allocations made while armed.
long Disarm() {
    t_armed = false;
    return t_allocations;
}

} // namespace

void* operator new(std::size_t size) {
    if (t_armed && ++t_allocations == t_failAt) throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

const char kActionOutOfMemory[] = "There is not enough memory to do that. Nothing was changed.";

// What a refused action must leave as it was: the values, the program-wide
// values, and each control's text, entries, check mark and enabled state.
auto Snapshot(CKestravDlg& sheet) {
    std::vector<std::tuple<std::string, std::vector<std::string>, bool, bool>> controls;
    for (const ControlState& c : sheet.State().controls)
        controls.emplace_back(c.text, c.items, c.checked, c.enabled);
    return std::tuple(CKestravDesignValues(sheet), SaveProgramValues(), controls);
}

struct AllocationFailureTest : SheetTest {
    // A new sheet started on the project's catalogues with the N-th allocation
    // of its start-up failing (0: none); the allocations the start-up made.
    long StartFailing(long failAt) {
        SetCatalogFolderForTesting(KESTRAV_CATALOG_DIR);
        ResetProgramWideValues();
        platform.boxes.clear();
        sheet = std::make_unique<CKestravDlg>();
        theApp.m_pMainWnd = sheet.get();
        Arm(failAt);
        sheet->Create();
        return Disarm();
    }
};

// A start-up that ran out of memory: one box with the stop icon saying so and
// naming what was being done (the catalogue being read, or the window), the
// constructor's values on every box and no entries, every member named for
// the scenarios, design actions refused, and File, Exit ending the window.
TEST_F(AllocationFailureTest, AStartUpOutOfMemoryGivesTheBlankSheetThatRefuses) {
    StartFailing(0); // the program-wide tables, built once
    const long allocations = StartFailing(0);
    ASSERT_TRUE(platform.boxes.empty());
    const std::size_t members = sheet->Members().size();
    ASSERT_GT(allocations, 100);
    for (long n = 1; n <= allocations; ++n) {
        ASSERT_GE(StartFailing(n), n); // the N-th failed
        SCOPED_TRACE("allocation " + std::to_string(n) + " of " + std::to_string(allocations));
        ASSERT_EQ(platform.boxes.size(), 1u);
        const CHeadlessPlatform::Box box = platform.boxes[0];
        EXPECT_EQ(box.type, MB_ICONSTOP);
        if (sheet->IsEnded()) {
            // The window could not even be built: it ends at once, saying so.
            EXPECT_EQ(box.text, "There is not enough memory to open the window.");
            continue;
        }
        EXPECT_NE(box.text.find("not enough memory"), std::string::npos) << box.text;
        EXPECT_TRUE(box.text.starts_with(KESTRAV_CATALOG_DIR) ||
                    box.text.starts_with("Kestrav's window: "))
            << box.text;
        EXPECT_EQ(sheet->Members().size(), members);
        EXPECT_EQ(Text(IDC_TONNAGE), "10");
        EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "0.5");
        EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");
        for (int id : {IDC_WEAPONS, IDC_LIST_HEAD, IDC_LIST_LEFTARM, IDC_ENGINE_HEATSINKS})
            EXPECT_TRUE(Items(id).empty()) << id;
        const auto before = Snapshot(*sheet);
        sheet->ClickButton(IDC_TONNAGE_UP);
        ASSERT_EQ(platform.boxes.size(), 2u);
        EXPECT_EQ(platform.boxes[1].text, kCataloguesUnreadText + box.text);
        EXPECT_TRUE(Snapshot(*sheet) == before);
        sheet->Command(ID_FILE_EXIT);
        EXPECT_TRUE(sheet->IsEnded());
        EXPECT_EQ(platform.boxes.size(), 2u);
    }
}

struct Family {
    const char* name;
    std::function<void(CKestravDlg&)> setUp; // before the action, on a new sheet
    std::function<void(CKestravDlg&)> act;
};

void Choose(CKestravDlg& sheet, const std::string& name) {
    sheet.ClickList(IDC_WEAPONS, KestravDlgTestAccess::Weapons(sheet).FindString(-1, name));
}

void AddComponent(CKestravDlg& sheet, const std::string& name) {
    Choose(sheet, name);
    sheet.ClickButton(IDC_ADD_COMPONENT);
}

void PlaceLaserInRightTorso(CKestravDlg& sheet) {
    AddComponent(sheet, "Medium Laser");
    sheet.ClickList(IDC_LIST_RIGHTTORSO, -1);
    sheet.FocusGained(kFocusDialog);
    sheet.ClickList(IDC_LIST_RIGHTTORSO, 0);
}

void Nothing(CKestravDlg&) {}

const Family kFamilies[] = {
    {"Tonnage", Nothing, [](CKestravDlg& s) { s.ClickButton(IDC_TONNAGE_UP); }},
    {"Speed", Nothing, [](CKestravDlg& s) { s.ClickButton(IDC_SPEED_UP); }},
    {"Armour", Nothing, [](CKestravDlg& s) { s.ClickButton(IDC_ARMOUR_UP); }},
    {"JumpJets", Nothing, [](CKestravDlg& s) { s.ClickButton(IDC_JUMPJETS_UP); }},
    {"Options", Nothing, [](CKestravDlg& s) { s.ClickButton(IDC_ENDO_STEEL); }},
    {"Add", [](CKestravDlg& s) { Choose(s, "PPC"); },
     [](CKestravDlg& s) { s.ClickButton(IDC_ADD_COMPONENT); }},
    {"Place", [](CKestravDlg& s) { AddComponent(s, "Medium Laser"); },
     [](CKestravDlg& s) { s.ClickList(IDC_LIST_RIGHTTORSO, -1); }},
    {"Remove", PlaceLaserInRightTorso,
     [](CKestravDlg& s) { s.DoubleClickList(IDC_LIST_RIGHTTORSO, 0); }},
    {"Move", PlaceLaserInRightTorso, [](CKestravDlg& s) { s.ClickButton(IDC_MOVE_COMPONENT); }},
    {"EngineSink", [](CKestravDlg& s) { s.DoubleClickList(IDC_ENGINE_HEATSINKS, 0); },
     [](CKestravDlg& s) { s.ClickList(IDC_LIST_RIGHTARM, -1); }},
};

struct ActionOutOfMemoryTest : AllocationFailureTest, ::testing::WithParamInterface<Family> {};

// For N = 1, 2, ... the action runs with its N-th allocation failing, on the
// same sheet (a refused action leaves it as it was), until it runs whole.
TEST_P(ActionOutOfMemoryTest, IsRefusedAndChangesNothing) {
    const Family& family = GetParam();
    StartFailing(0);
    family.setUp(*sheet);
    ASSERT_TRUE(platform.boxes.empty());
    long n = 1;
    for (;; ++n) {
        sheet->FocusGained(kFocusDialog); // a click into a list is a new request
        const auto before = Snapshot(*sheet);
        const std::size_t boxes = platform.boxes.size();
        Arm(n);
        family.act(*sheet);
        if (Disarm() < n) break; // it ran whole
        SCOPED_TRACE("allocation " + std::to_string(n));
        ASSERT_EQ(platform.boxes.size(), boxes + 1);
        EXPECT_EQ(platform.boxes.back().text, kActionOutOfMemory);
        EXPECT_EQ(platform.boxes.back().type, MB_ICONSTOP);
        ASSERT_TRUE(Snapshot(*sheet) == before);
    }
    // The action, run whole at last, did what it does, without a box.
    EXPECT_GT(n, 1);
    EXPECT_EQ(platform.boxes.size(), static_cast<std::size_t>(n - 1));
}

INSTANTIATE_TEST_SUITE_P(Families, ActionOutOfMemoryTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
