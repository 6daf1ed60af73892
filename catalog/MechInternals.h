// CMechInternals: the internal-structure catalogue, one record per mech tonnage.
//
// A record applies to the mech tonnage equal to ten times its m_Tonnage.
#pragma once

#include "dao/DaoRecordset.h"

#include <string>

class CMechInternals : public CDaoRecordset {
  public:
    CMechInternals();

    float m_Tonnage = 0;
    short m_CT = 0;
    short m_LRT = 0;
    short m_LRA = 0;
    short m_LRL = 0;

    const char* GetRuntimeClassName() const override { return "CMechInternals"; }
    std::string GetDefaultDBName() override;
    std::string GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;
};
