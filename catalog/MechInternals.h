// CMechInternals: the internal-structure catalogue, one record per mech tonnage.
//
// A record applies to the mech tonnage equal to ten times its m_Tonnage. Each
// row is checked once, when the set is opened: its values against their
// ranges, its tonnage in quarter tons, and its tonnage against every earlier
// row (the first row of a tonnage is used, a later one left out).
#pragma once

#include "catalog/RowChecks.h"
#include "dao/DaoRecordset.h"

#include <string>

// The values of one structure: the record set's members.
struct InternalValues {
    float m_Tonnage = 0;
    short m_CT = 0;
    short m_LRT = 0;
    short m_LRA = 0;
    short m_LRL = 0;
};

class CMechInternals : public CDaoRecordset, public InternalValues {
  public:
    CMechInternals();

    const char* GetRuntimeClassName() const override { return "CMechInternals"; }
    std::string GetDefaultDBName() override;
    std::string GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

  private:
    struct Nothing {};
    FirstRowOfEachKey<float, Nothing> m_tonnages;
};
