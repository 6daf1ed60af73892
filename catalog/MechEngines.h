// CMechEngines: the engine catalogue, one record per engine rating.
//
// Each row is checked once, when the set is opened: its values against their
// ranges, its tonnage in quarter tons, and its rating against every earlier
// row (the first row of a rating is used, a later one left out).
#pragma once

#include "catalog/RowChecks.h"
#include "dao/DaoRecordset.h"

#include <string>

// The values of one engine: the record set's members.
struct EngineValues {
    short m_Rating = 0;
    float m_Tonnage = 0;
    std::string m_EngineName;
};

class CMechEngines : public CDaoRecordset, public EngineValues {
  public:
    CMechEngines();

    const char* GetRuntimeClassName() const override { return "CMechEngines"; }
    std::string GetDefaultDBName() override;
    std::string GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

  private:
    struct Nothing {};
    FirstRowOfEachKey<short, Nothing> m_ratings;
};
