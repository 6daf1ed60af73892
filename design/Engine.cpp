// LookUpEngine: the engine for the current rating, the gyro, and the engine
// heat-sink list kept at the number of sinks the engine cannot hold.

#include "catalog/Search.h"
#include "design/Arithmetic.h"
#include "design/KestravDlg.h"
#include "design/ListEntries.h"
#include "design/Locations.h"
#include "design/Names.h"
#include "design/ProgramValues.h"

void CKestravDlg::LookUpEngine() {
    const int rating = m_nEngineRating;
    SeekFirst(
        g_rsEngines, [rating](const CMechEngines& rs) { return rs.m_Rating == rating; },
        "an engine of rating " + std::to_string(rating));
    m_fEngineTonnage = g_rsEngines.m_Tonnage;
    if (m_chkXLEngine.GetCheck() == BST_CHECKED)
        m_fEngineTonnage = HalveByHalfTonRule(m_fEngineTonnage);
    m_nEngineRating = g_rsEngines.m_Rating;
    m_strEngineName = g_rsEngines.m_EngineName;

    g_nSinksToAllocate = 10 - m_nEngineRating / 25;
    if (g_nSinksToAllocate < 0) g_nSinksToAllocate = 0;

    const char* sinkType = m_chkDoubleHeatSinks.GetCheck() == BST_CHECKED ? kDoubleSink : kHeatSink;
    const int pooled = m_listEngineHeatSinks.GetCount();
    if (g_nSinksToAllocate < pooled + g_nSinksAllocated) {
        // Too many sinks: take every placed engine sink back, then trim the list.
        int excess = pooled + g_nSinksAllocated - g_nSinksToAllocate;
        if (g_nSinksAllocated > 0) {
            excess -= g_nSinksAllocated;
            // In the sink take-back order; where double sinks are taken back
            // too, they go right after the single ones.
            for (Location location : kSinkTakeBackOrder) {
                CListBox& list = LocationList(location);
                while (g_nSinksAllocated > 0 && RemoveFirstEntry(list, kHeatSink)) {
                    --g_nSinksAllocated;
                    --g_nHeatSinks;
                }
                if (!RulesFor(location).takesBackDoubles) continue;
                while (g_nSinksAllocated > 0 && FindEntry(list, kDoubleSink) != LB_ERR) {
                    for (int slot = 0; slot < 3; ++slot)
                        RemoveFirstEntry(list, kDoubleSink);
                    --g_nSinksAllocated;
                    --g_nDoubleSinks;
                }
            }
        }
        for (; excess > 0; --excess)
            RemoveFirstEntry(m_listEngineHeatSinks, sinkType);
    }
    const int missing = g_nSinksToAllocate - (m_listEngineHeatSinks.GetCount() + g_nSinksAllocated);
    if (g_nSinksToAllocate > 0)
        for (int i = 0; i < missing; ++i)
            m_listEngineHeatSinks.AddString(sinkType);

    // The whole part of rating x 0.01 + 0.9, in exact integer arithmetic.
    m_nGyroTonnage = (m_nEngineRating + 90) / 100;
}
