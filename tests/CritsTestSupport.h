// A design sheet for the critical-slot tests, driven the way a person does it:
// choose in the weapons list and press Add Component, click into a location
// list to place, click an entry and double-click it to remove, select and
// press Move Component.
#pragma once

#include "design/ProgramValues.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

inline const Strings kFixedArm{"Shoulder", "Upper Arm Actuator", "Lower Arm Actuator",
                               "Hand Actuator"};

class CritsTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        Start();
    }

    // The user chooses name in the weapons list and presses Add Component.
    void Add(const std::string& name) {
        const Strings weapons = Items(IDC_WEAPONS);
        const auto at = std::find(weapons.begin(), weapons.end(), name);
        ASSERT_NE(at, weapons.end()) << name;
        sheet->ClickList(IDC_WEAPONS, static_cast<int>(at - weapons.begin()));
        sheet->ClickButton(IDC_ADD_COMPONENT);
    }
    // A click into a location list below its entries: a placement request.
    void Place(int listId) { sheet->ClickList(listId, -1); }
    void AddAndPlace(const std::string& name, int listId) {
        Add(name);
        Place(listId);
    }
    // A click on an entry, then the second click of a double-click.
    void Remove(int listId, int row) {
        sheet->ClickList(listId, row);
        sheet->DoubleClickList(listId, row);
    }
    void Select(int listId, int row) { sheet->ClickList(listId, row); }
    void Move() { sheet->ClickButton(IDC_MOVE_COMPONENT); }
    // A double-click on the first entry of the engine heat-sink list.
    void TakeEngineSink() {
        sheet->ClickList(IDC_ENGINE_HEATSINKS, 0);
        sheet->DoubleClickList(IDC_ENGINE_HEATSINKS, 0);
    }

    // Entries put straight into a list, to set a design up.
    void Fill(int listId, const std::string& entry, int count) {
        CListBox list;
        list.Attach(sheet.get(), listId);
        for (int i = 0; i < count; ++i)
            list.AddString(entry);
    }
    // A new tonnage and speed with their engine, as the tonnage and speed rules leave them.
    void SetTonnageAndSpeed(int tonnage, int speed) {
        sheet->m_nTonnage = tonnage;
        sheet->m_nSpeed = speed;
        sheet->m_nEngineRating = tonnage * speed;
        sheet->LookUpEngine();
        sheet->LookUpInternals();
        sheet->RecalculateTonnage();
        sheet->UpdateData(false);
    }

    std::string Remaining() const { return Text(IDC_TONNAGE_REMAINING); }
    int Count(int listId, const std::string& entry) const {
        const Strings items = Items(listId);
        return static_cast<int>(std::count(items.begin(), items.end(), entry));
    }
    int Selection(int listId) const { return sheet->Control(listId).selection; }
    // A move in progress: the design controls are locked.
    bool Locked() const { return !Enabled(IDC_TONNAGE_UP); }

    // The message boxes shown since the last call, as "CAPTION: text".
    Strings Boxes() {
        Strings shown;
        for (std::size_t i = m_seen; i < platform.boxes.size(); ++i)
            shown.push_back(platform.boxes[i].caption + ": " + platform.boxes[i].text);
        m_seen = platform.boxes.size();
        return shown;
    }

  private:
    std::size_t m_seen = 0;
};

inline const std::string kCannotFit = "ALLOCATION ERROR: Cannont fit component into this location.";
inline const std::string kNoTonnage =
    "ALLOCATION ERROR: Insuficient tonnage remaining to fit that equipment.";
