// MechEquipment: the weapons and equipment catalogue, one record per component.
//
// Its current record is the data of the component waiting to be placed; the
// rules set m_Tonnage and m_Criticals to 0 in memory once it has been placed.
//
// Each row is checked once, when the set is opened: its values against their
// ranges, its tonnage in quarter tons, its Item against every earlier row
// (the first row of an Item is used, a later one left out), and against the
// rules' own demands (a row rule the sheet gives, which knows the names the
// sheet writes itself). Seek makes the component of an Item current in
// constant time, however many rows the catalogue holds.
#pragma once

#include "catalog/RowChecks.h"
#include "dao/DaoRecordset.h"

#include <string>
#include <vector>

// The values of one component: the record set's members.
struct EquipmentValues {
    std::string m_Item;
    float m_Tonnage = 0;
    float m_Criticals = 0;
    short m_Damage = 0;
    short m_Heat = 0;
    short m_Long = 0;
    short m_Medium = 0;
    short m_Minimum = 0;
    short m_Short = 0;
};

class MechEquipment;
// What the rules demand of a row whose values are all in range: each value
// they refuse is noted in problems, which leaves the row out.
using EquipmentRowRule = void (*)(const EquipmentValues& row,
                                  std::vector<DaoFieldProblem>& problems);

class MechEquipment : public CDaoRecordset, public EquipmentValues {
  public:
    explicit MechEquipment(EquipmentRowRule rule = nullptr);

    const char* GetRuntimeClassName() const override { return "MechEquipment"; }
    std::string GetDefaultDBName() override;
    std::string GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Makes the component of that Item current; false, and nothing changed,
    // when no row kept has it. A set that is not open raises its error.
    bool Seek(const std::string& item);
    // The Item of every row kept, in the table's order, without moving the set.
    std::vector<std::string> Items() const;

  private:
    EquipmentRowRule m_rule;
    FirstRowOfEachKey<std::string, EquipmentValues> m_components;
};
