// MechEquipment: the weapons and equipment catalogue, one record per component.
//
// Its current record is the data of the component waiting to be placed; the
// rules set m_Tonnage and m_Criticals to 0 in memory once it has been placed.
#pragma once

#include "dao/DaoRecordset.h"

#include <string>

class MechEquipment : public CDaoRecordset {
  public:
    MechEquipment();

    std::string m_Item;
    float m_Tonnage = 0;
    float m_Criticals = 0;
    short m_Damage = 0;
    short m_Heat = 0;
    short m_Long = 0;
    short m_Medium = 0;
    short m_Minimum = 0;
    short m_Short = 0;

    const char* GetRuntimeClassName() const override { return "MechEquipment"; }
    std::string GetDefaultDBName() override;
    std::string GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;
};
