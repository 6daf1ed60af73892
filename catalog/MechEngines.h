// CMechEngines: the engine catalogue, one record per engine rating.
#pragma once

#include "dao/DaoRecordset.h"

#include <string>

class CMechEngines : public CDaoRecordset {
  public:
    CMechEngines();

    short m_Rating = 0;
    float m_Tonnage = 0;
    std::string m_EngineName;

    const char* GetRuntimeClassName() const override { return "CMechEngines"; }
    std::string GetDefaultDBName() override;
    std::string GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;
};
