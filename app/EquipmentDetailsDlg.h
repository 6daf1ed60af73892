// CEquipmentDetailsDlg: the catalogue data of one component (template 134),
// read-only. TECH LEVEL and COST are always 0.
#pragma once

#include "framework/Dialog.h"

#include <string>

class CEquipmentDetailsDlg : public CDialog {
  public:
    explicit CEquipmentDetailsDlg(CDialog* parent);
    void DoDataExchange(CDataExchange* pDX) override;

    int m_nLong = 0;
    int m_nMedium = 0;
    float m_fCriticals = 0;
    int m_nMinimum = 0;
    std::string m_strName;
    int m_nShort = 0;
    float m_fTonnage = 0;
    int m_nDamage = 0;
    int m_nHeat = 0;
    int m_nTechLevel = 0;
    int m_nCost = 0;
};
