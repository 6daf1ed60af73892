// The Equipment Details box: eleven read-only fields bound in member order.

#include "app/EquipmentDetailsDlg.h"

#include "res/Templates.h"
#include "res/resource.h"

CEquipmentDetailsDlg::CEquipmentDetailsDlg(CDialog* parent)
    : CDialog(EquipmentDetailsDialogTemplate(), parent) {}

void CEquipmentDetailsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DETAILS_LONG, m_nLong);
    DDX_Text(pDX, IDC_DETAILS_MEDIUM, m_nMedium);
    DDX_Text(pDX, IDC_DETAILS_CRITICALS, m_fCriticals);
    DDX_Text(pDX, IDC_DETAILS_MINIMUM, m_nMinimum);
    DDX_Text(pDX, IDC_DETAILS_NAME, m_strName);
    DDX_Text(pDX, IDC_DETAILS_SHORT, m_nShort);
    DDX_Text(pDX, IDC_DETAILS_TONNAGE, m_fTonnage);
    DDX_Text(pDX, IDC_DETAILS_DAMAGE, m_nDamage);
    DDX_Text(pDX, IDC_DETAILS_HEAT, m_nHeat);
    DDX_Text(pDX, IDC_DETAILS_TECHLEVEL, m_nTechLevel);
    DDX_Text(pDX, IDC_DETAILS_COST, m_nCost);
}
