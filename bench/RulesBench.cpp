// How long one user action takes on a live design, rules only (no window):
// each benchmark plays an action and its opposite, so the design returns to
// where it was and every iteration does the same work; the time reported is
// per pair.

#include "app/KestravApp.h"
#include "catalog/CatalogFolder.h"
#include "design/KestravDlg.h"
#include "design/ProgramValues.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

// A design of 50 t at speed 4 with some armour, jets and weapons placed.
class LiveDesign {
  public:
    LiveDesign() {
        SetCatalogFolderForTesting(KESTRAV_CATALOG_DIR);
        g_rsEquipment.Close();
        g_rsEngines.Close();
        g_rsInternals.Close();
        RestoreProgramValues(ProgramValues{});
        theApp.m_pPlatform = &platform;
        theApp.m_pszAppName = "kestrav";
        sheet = std::make_unique<CKestravDlg>();
        theApp.m_pMainWnd = sheet.get();
        sheet->Create();
        for (int i = 0; i < 8; ++i) sheet->ClickButton(IDC_TONNAGE_UP);
        for (int i = 0; i < 3; ++i) sheet->ClickButton(IDC_SPEED_UP);
        for (int i = 0; i < 6; ++i) sheet->ClickButton(IDC_ARMOUR_UP);
        for (int i = 0; i < 2; ++i) sheet->ClickButton(IDC_JUMPJETS_UP);
        AddAndPlace("Medium Laser", IDC_LIST_RIGHTTORSO);
        AddAndPlace("SRM 4", IDC_LIST_RIGHTTORSO);
    }
    ~LiveDesign() {
        theApp.m_pMainWnd = nullptr;
        sheet.reset();
        theApp.m_pPlatform = nullptr;
    }
    int Row(int list, const std::string& text) {
        const auto& items = sheet->Control(list).items;
        return static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
    }
    void AddAndPlace(const std::string& item, int list) {
        sheet->ClickList(IDC_WEAPONS, Row(IDC_WEAPONS, item));
        sheet->ClickButton(IDC_ADD_COMPONENT);
        sheet->ClickList(list, -1);
    }
    CHeadlessPlatform platform;
    std::unique_ptr<CKestravDlg> sheet;
};

void Pair(benchmark::State& state, int up, int down) {
    LiveDesign design;
    for (auto _ : state) {
        design.sheet->ClickButton(up);
        design.sheet->ClickButton(down);
    }
}

void BM_Tonnage(benchmark::State& s) { Pair(s, IDC_TONNAGE_UP, IDC_TONNAGE_DOWN); }
void BM_Speed(benchmark::State& s) { Pair(s, IDC_SPEED_DOWN, IDC_SPEED_UP); }
void BM_Armour(benchmark::State& s) { Pair(s, IDC_ARMOUR_UP, IDC_ARMOUR_DOWN); }
void BM_ArmourUD(benchmark::State& s) { Pair(s, IDC_UP_LA, IDC_DOWN_LA); }
void BM_JumpJets(benchmark::State& s) { Pair(s, IDC_JUMPJETS_DOWN, IDC_JUMPJETS_UP); }
void BM_Option(benchmark::State& s) { Pair(s, IDC_ENDO_STEEL, IDC_ENDO_STEEL); }

// Add Component on a selected item (the pending component is replaced each time).
void BM_Add(benchmark::State& state) {
    LiveDesign design;
    design.sheet->ClickList(IDC_WEAPONS, design.Row(IDC_WEAPONS, "PPC"));
    for (auto _ : state) design.sheet->ClickButton(IDC_ADD_COMPONENT);
}

// Add, place into L/TORSO, remove again by a double-click.
void BM_PlaceAndRemove(benchmark::State& state) {
    LiveDesign design;
    CKestravDlg& sheet = *design.sheet;
    for (auto _ : state) {
        design.AddAndPlace("Medium Laser", IDC_LIST_LEFTTORSO);
        sheet.ClickButton(IDC_TONNAGE_UP);  // the focus leaves the list
        sheet.ClickButton(IDC_TONNAGE_DOWN);
        sheet.DoubleClickList(IDC_LIST_LEFTTORSO, design.Row(IDC_LIST_LEFTTORSO, "Medium Laser"));
    }
}

// Move a placed weapon out of R/TORSO and back into it.
void BM_Move(benchmark::State& state) {
    LiveDesign design;
    CKestravDlg& sheet = *design.sheet;
    for (auto _ : state) {
        sheet.ClickList(IDC_LIST_RIGHTTORSO, design.Row(IDC_LIST_RIGHTTORSO, "SRM 4"));
        sheet.ClickButton(IDC_MOVE_COMPONENT);
        sheet.ClickList(IDC_LIST_LEFTTORSO, -1);
        sheet.ClickList(IDC_LIST_LEFTTORSO, design.Row(IDC_LIST_LEFTTORSO, "SRM 4"));
        sheet.ClickButton(IDC_MOVE_COMPONENT);
        sheet.ClickList(IDC_LIST_RIGHTTORSO, -1);
    }
}

// Take an engine heat sink from the engine list, place it, give it back.
void BM_EngineSink(benchmark::State& state) {
    LiveDesign design;
    CKestravDlg& sheet = *design.sheet;
    for (auto _ : state) {
        sheet.ClickList(IDC_ENGINE_HEATSINKS, 0);
        sheet.DoubleClickList(IDC_ENGINE_HEATSINKS, 0);
        sheet.ClickList(IDC_LIST_LEFTLEG, -1);
        sheet.DoubleClickList(IDC_LIST_LEFTLEG, design.Row(IDC_LIST_LEFTLEG, "Heat Sink"));
        sheet.ClickButton(IDC_TONNAGE_UP);
        sheet.ClickButton(IDC_TONNAGE_DOWN);
    }
}

} // namespace

BENCHMARK(BM_Tonnage);
BENCHMARK(BM_Speed);
BENCHMARK(BM_Armour);
BENCHMARK(BM_ArmourUD);
BENCHMARK(BM_JumpJets);
BENCHMARK(BM_Option);
BENCHMARK(BM_Add);
BENCHMARK(BM_PlaceAndRemove);
BENCHMARK(BM_Move);
BENCHMARK(BM_EngineSink);
BENCHMARK_MAIN();
