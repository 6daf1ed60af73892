// MechEquipment: the nine columns of table [Equipment], the checks of each
// row, and the components by Item.

#include "catalog/MechEquipment.h"

#include "catalog/CatalogFolder.h"
#include "catalog/CatalogNames.h"
#include "catalog/CatalogueRanges.h"

MechEquipment::MechEquipment(EquipmentRowRule rule) : m_rule(rule) {}

std::string MechEquipment::GetDefaultDBName() {
    return CatalogFile(kEquipmentCatalog);
}

std::string MechEquipment::GetDefaultSQL() {
    return "[Equipment]";
}

void MechEquipment::DoFieldExchange(CDaoFieldExchange* pFX) {
    if (pFX->m_op == CDaoFieldExchange::CollectColumns) m_components.Begin();
    DFX_Text(pFX, "[Item]", m_Item, kNameLength);
    const bool checking = CheckingRows(*this, pFX);
    const std::size_t beforeTonnage = pFX->problems.size();
    DFX_Single(pFX, "[Tonnage]", m_Tonnage, kEquipmentTonnage);
    if (checking)
        CheckTonnageStep(pFX, beforeTonnage, "[Tonnage]", 1, m_Tonnage, kEquipmentTonnage);
    DFX_Single(pFX, "[Criticals]", m_Criticals, kEquipmentCriticals);
    DFX_Short(pFX, "[Damage]", m_Damage);
    DFX_Short(pFX, "[Heat]", m_Heat);
    DFX_Short(pFX, "[Long]", m_Long);
    DFX_Short(pFX, "[Medium]", m_Medium);
    DFX_Short(pFX, "[Minimum]", m_Minimum);
    DFX_Short(pFX, "[Short]", m_Short);
    if (!checking) return;
    if (pFX->problems.empty() && m_rule) m_rule(*this, pFX->problems);
    m_components.Check(pFX, "[Item]", 0, m_Item, *this);
}

bool MechEquipment::Seek(const std::string& item) {
    if (!IsOpen())
        throw CDaoException(kDaoNotOpen,
                            (FileName().empty() ? std::string(GetRuntimeClassName()) : FileName()) +
                                ": the catalogue is not open.");
    const auto* component = m_components.Find(item);
    if (!component) return false;
    static_cast<EquipmentValues&>(*this) = component->kept;
    return true;
}

std::vector<std::string> MechEquipment::Items() const {
    std::vector<std::string> items;
    if (!IsOpen()) return items;
    items.reserve(m_components.InOrder().size());
    for (const auto* component : m_components.InOrder())
        items.push_back(component->kept.m_Item);
    return items;
}
