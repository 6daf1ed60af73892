// CKestravDlg: construction, the binding pass, the event table, start-up, and
// the undo of a failed action.

#include "design/KestravDlg.h"

#include "design/ConstructionOptions.h"

#include "design/Messages.h"
#include "design/ProgramValues.h"
#include "framework/WinApp.h"
#include "res/Templates.h"
#include "res/resource.h"

#include <algorithm>
#include <array>
#include <exception>
#include <iterator>
#include <new>
#include <vector>

namespace {

// What a design action saves before it runs: the controls, the value members,
// the program-wide values and each catalogue's current values (what the rules
// read of the record they stand on).
class CDesignUndoState : public CUndoState {
  public:
    CKestravDesignValues values;
    ProgramValues program;
    EquipmentValues equipment;
    EngineValues engines;
    InternalValues internals;
};

// Opens one catalogue; a table without records cannot give the design its values.
void OpenCatalogue(CDaoRecordset& catalogue, bool mayBeEmpty) {
    catalogue.Open();
    if (!mayBeEmpty && catalogue.RecordCount() == 0 && catalogue.LeftOutCount() != 0)
        throw CDaoException(kDaoNoCurrentRecord, catalogue.FileName() + kEveryRowLeftOutText +
                                                     LeftOutRowsReport({&catalogue}));
    if (!mayBeEmpty && catalogue.RecordCount() == 0)
        throw CDaoException(kDaoNoCurrentRecord, catalogue.FileName() + kEmptyCatalogueText);
}

const char kOutOfMemoryAtStartText[] = "there is not enough memory to start.";

// The text of a start-up failure, starting with the catalogue being read: the
// first one not open yet, or the equipment catalogue whose rows fill the lists.
std::string StartUpFailure(const std::exception_ptr& failure, bool windowReady) {
    std::string text;
    try {
        std::rethrow_exception(failure);
    } catch (const CDaoException& error) {
        return error.m_strDescription; // it starts with its file
    } catch (const CException& error) {
        error.GetErrorMessage(text);
    } catch (const std::bad_alloc&) {
        text = kOutOfMemoryAtStartText;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
    }
    if (text.empty()) text = "unknown error";
    if (!windowReady) return "Kestrav's window: " + text;
    CDaoRecordset* reading = &g_rsEquipment;
    for (CDaoRecordset* catalogue :
         {static_cast<CDaoRecordset*>(&g_rsEngines), static_cast<CDaoRecordset*>(&g_rsInternals)})
        if (!catalogue->IsOpen()) {
            reading = catalogue;
            break;
        }
    return reading->GetDefaultDBName() + ": " + text;
}

} // namespace

CKestravDlg::CKestravDlg(CDialog* parent)
    : CDialog(MainDialogTemplate(), parent), m_hIcon(IDR_MAINFRAME) {}

CKestravDlg::~CKestravDlg() = default;

// The handlers by control and notification, and a click handler for each
// construction option.
const MessageMap* CKestravDlg::GetMessageMap() const {
    using D = CKestravDlg;
    static const MessageMapEntry kEntries[] = {
        ON_BN_CLICKED(IDC_TONNAGE_UP, &D::OnTonnageIncrease),
        ON_BN_CLICKED(IDC_TONNAGE_DOWN, &D::OnTonnageDecrease),
        ON_BN_CLICKED(IDC_SPEED_UP, &D::OnSpeedIncrease),
        ON_BN_CLICKED(IDC_SPEED_DOWN, &D::OnSpeedDecrease),
        ON_BN_CLICKED(IDC_ARMOUR_UP, &D::OnArmourIncrease),
        ON_BN_CLICKED(IDC_ARMOUR_DOWN, &D::OnArmourDecrease),
        ON_BN_CLICKED(IDC_UP_HEAD, &D::OnArmourUpHead),
        ON_BN_CLICKED(IDC_DOWN_HEAD, &D::OnArmourDownHead),
        ON_BN_CLICKED(IDC_UP_LTFRONT, &D::OnArmourUpLTFront),
        ON_BN_CLICKED(IDC_DOWN_LTFRONT, &D::OnArmourDownLTFront),
        ON_BN_CLICKED(IDC_UP_CTFRONT, &D::OnArmourUpCTFront),
        ON_BN_CLICKED(IDC_DOWN_CTFRONT, &D::OnArmourDownCTFront),
        ON_BN_CLICKED(IDC_UP_RTFRONT, &D::OnArmourUpRTFront),
        ON_BN_CLICKED(IDC_DOWN_RTFRONT, &D::OnArmourDownRTFront),
        ON_BN_CLICKED(IDC_UP_LTREAR, &D::OnArmourUpLTRear),
        ON_BN_CLICKED(IDC_DOWN_LTREAR, &D::OnArmourDownLTRear),
        ON_BN_CLICKED(IDC_UP_CTREAR, &D::OnArmourUpCTRear),
        ON_BN_CLICKED(IDC_DOWN_CTREAR, &D::OnArmourDownCTRear),
        ON_BN_CLICKED(IDC_UP_RTREAR, &D::OnArmourUpRTRear),
        ON_BN_CLICKED(IDC_DOWN_RTREAR, &D::OnArmourDownRTRear),
        ON_BN_CLICKED(IDC_UP_LA, &D::OnArmourUpLA),
        ON_BN_CLICKED(IDC_DOWN_LA, &D::OnArmourDownLA),
        ON_BN_CLICKED(IDC_UP_RA, &D::OnArmourUpRA),
        ON_BN_CLICKED(IDC_DOWN_RA, &D::OnArmourDownRA),
        ON_BN_CLICKED(IDC_UP_LL, &D::OnArmourUpLL),
        ON_BN_CLICKED(IDC_DOWN_LL, &D::OnArmourDownLL),
        ON_BN_CLICKED(IDC_UP_RL, &D::OnArmourUpRL),
        ON_BN_CLICKED(IDC_DOWN_RL, &D::OnArmourDownRL),
        ON_BN_CLICKED(IDC_BALANCE_ARMOUR, &D::OnBalanceArmour),
        ON_BN_CLICKED(IDC_JUMPJETS_UP, &D::OnJumpJetsIncrease),
        ON_BN_CLICKED(IDC_JUMPJETS_DOWN, &D::OnJumpJetsDecrease),
        ON_LBN_DBLCLK(IDC_WEAPONS, &D::OnDblclkWeapons),
        ON_BN_CLICKED(IDC_ADD_COMPONENT, &D::OnAddComponent),
        ON_LBN_SETFOCUS(IDC_LIST_HEAD, &D::OnSetfocusHead),
        ON_LBN_SETFOCUS(IDC_LIST_CENTRETORSO, &D::OnSetfocusCentreTorso),
        ON_LBN_SETFOCUS(IDC_LIST_LEFTARM, &D::OnSetfocusLeftArm),
        ON_LBN_SETFOCUS(IDC_LIST_RIGHTTORSO, &D::OnSetfocusRightTorso),
        ON_LBN_SETFOCUS(IDC_LIST_LEFTLEG, &D::OnSetfocusLeftLeg),
        ON_LBN_SETFOCUS(IDC_LIST_RIGHTLEG, &D::OnSetfocusRightLeg),
        ON_LBN_SETFOCUS(IDC_LIST_LEFTTORSO, &D::OnSetfocusLeftTorso),
        ON_LBN_SETFOCUS(IDC_LIST_RIGHTARM, &D::OnSetfocusRightArm),
        ON_LBN_DBLCLK(IDC_LIST_HEAD, &D::OnDblclkHead),
        ON_LBN_DBLCLK(IDC_LIST_CENTRETORSO, &D::OnDblclkCentreTorso),
        ON_LBN_DBLCLK(IDC_LIST_LEFTARM, &D::OnDblclkLeftArm),
        ON_LBN_DBLCLK(IDC_LIST_RIGHTTORSO, &D::OnDblclkRightTorso),
        ON_LBN_DBLCLK(IDC_LIST_LEFTLEG, &D::OnDblclkLeftLeg),
        ON_LBN_DBLCLK(IDC_LIST_RIGHTLEG, &D::OnDblclkRightLeg),
        ON_LBN_DBLCLK(IDC_LIST_LEFTTORSO, &D::OnDblclkLeftTorso),
        ON_LBN_DBLCLK(IDC_LIST_RIGHTARM, &D::OnDblclkRightArm),
        ON_BN_CLICKED(IDC_MOVE_COMPONENT, &D::OnMoveComponent),
        ON_LBN_DBLCLK(IDC_ENGINE_HEATSINKS, &D::OnDblclkEngineHeatSinks),
        ON_COMMAND(ID_FILE_NEW, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_FILE_OPEN, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_FILE_SAVE, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_FILE_SAVE_AS, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_FILE_PRINT, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_MECHTYPES_CLAN, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_MECHTYPES_INNERSPHERE, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_TECHLEVEL_1, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_TECHLEVEL_2, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_TECHLEVEL_3, &D::OnMenuPlaceholder),
        ON_COMMAND(ID_FILE_EXIT, &D::OnExit),
        ON_COMMAND(ID_APP_ABOUT, &D::OnAppAbout),
    };
    // Built in place, without the heap: the first dispatch cannot run out of memory.
    constexpr std::size_t kFixed = std::size(kEntries);
    static const std::array<MessageMapEntry, kFixed + ConstructionOptions::kTable.size()> entries =
        [] {
            std::array<MessageMapEntry, kFixed + ConstructionOptions::kTable.size()> all{};
            std::copy(std::begin(kEntries), std::end(kEntries), all.begin());
            std::size_t at = kFixed;
            for (const ConstructionOption& option : ConstructionOptions::kTable)
                all[at++] = ON_BN_CLICKED(option.controlId, option.handler);
            return all;
        }();
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

void CKestravDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MAXIMISE_ARMOUR, m_btnMaximiseArmour);
    DDX_Control(pDX, IDC_ADD_COMPONENT, m_btnAddComponent);
    DDX_Control(pDX, IDC_TONNAGE_UP, m_btnTonnageUp);
    DDX_Control(pDX, IDC_TONNAGE_DOWN, m_btnTonnageDown);
    DDX_Control(pDX, IDC_SPEED_UP, m_btnSpeedUp);
    DDX_Control(pDX, IDC_SPEED_DOWN, m_btnSpeedDown);
    DDX_Control(pDX, IDC_JUMPJETS_UP, m_btnJumpJetsUp);
    DDX_Control(pDX, IDC_JUMPJETS_DOWN, m_btnJumpJetsDown);
    DDX_Control(pDX, IDC_UP_RTFRONT, m_btnArmourUpRTFront);
    DDX_Control(pDX, IDC_DOWN_RTFRONT, m_btnArmourDownRTFront);
    DDX_Control(pDX, IDC_UP_RTREAR, m_btnArmourUpRTRear);
    DDX_Control(pDX, IDC_DOWN_RTREAR, m_btnArmourDownRTRear);
    DDX_Control(pDX, IDC_UP_RL, m_btnArmourUpRL);
    DDX_Control(pDX, IDC_DOWN_RL, m_btnArmourDownRL);
    DDX_Control(pDX, IDC_UP_LTREAR, m_btnArmourUpLTRear);
    DDX_Control(pDX, IDC_DOWN_LTREAR, m_btnArmourDownLTRear);
    DDX_Control(pDX, IDC_UP_CTREAR, m_btnArmourUpCTRear);
    DDX_Control(pDX, IDC_DOWN_CTREAR, m_btnArmourDownCTRear);
    DDX_Control(pDX, IDC_UP_RA, m_btnArmourUpRA);
    DDX_Control(pDX, IDC_DOWN_RA, m_btnArmourDownRA);
    DDX_Control(pDX, IDC_UP_LTFRONT, m_btnArmourUpLTFront);
    DDX_Control(pDX, IDC_DOWN_LTFRONT, m_btnArmourDownLTFront);
    DDX_Control(pDX, IDC_UP_LL, m_btnArmourUpLL);
    DDX_Control(pDX, IDC_DOWN_LL, m_btnArmourDownLL);
    DDX_Control(pDX, IDC_UP_LA, m_btnArmourUpLA);
    DDX_Control(pDX, IDC_DOWN_LA, m_btnArmourDownLA);
    DDX_Control(pDX, IDC_UP_HEAD, m_btnArmourUpHead);
    DDX_Control(pDX, IDC_DOWN_HEAD, m_btnArmourDownHead);
    DDX_Control(pDX, IDC_UP_CTFRONT, m_btnArmourUpCTFront);
    DDX_Control(pDX, IDC_DOWN_CTFRONT, m_btnArmourDownCTFront);
    DDX_Control(pDX, IDC_ARMOUR_UP, m_btnArmourUp);
    DDX_Control(pDX, IDC_ARMOUR_DOWN, m_btnArmourDown);
    DDX_Control(pDX, IDC_ENGINE_HEATSINKS, m_listEngineHeatSinks);
    for (const ConstructionOption& option : ConstructionOptions::kTable)
        DDX_ControlNamed(pDX, option.controlId, this->*option.box, option.member);
    DDX_Control(pDX, IDC_BALANCE_ARMOUR, m_btnBalanceArmour);
    DDX_Control(pDX, IDC_LIST_RIGHTTORSO, m_listRightTorso);
    DDX_Control(pDX, IDC_LIST_CENTRETORSO, m_listCentreTorso);
    DDX_Control(pDX, IDC_LIST_RIGHTLEG, m_listRightLeg);
    DDX_Control(pDX, IDC_LIST_RIGHTARM, m_listRightArm);
    DDX_Control(pDX, IDC_LIST_LEFTTORSO, m_listLeftTorso);
    DDX_Control(pDX, IDC_LIST_LEFTLEG, m_listLeftLeg);
    DDX_Control(pDX, IDC_LIST_HEAD, m_listHead);
    DDX_Control(pDX, IDC_LIST_LEFTARM, m_listLeftArm);
    DDX_Control(pDX, IDC_WEAPONS, m_listWeapons);
    DDX_Text(pDX, IDC_SPEED, m_nSpeed);
    DDX_Text(pDX, IDC_ARMOUR, m_fArmour);
    DDX_Text(pDX, IDC_JUMPJETS, m_nJumpJets);
    DDX_Text(pDX, IDC_GYRO_TONNAGE, m_nGyroTonnage);
    DDX_Text(pDX, IDC_INTERNAL_LEGS, m_nInternalLegs);
    DDX_Text(pDX, IDC_LIFESUPPORT_TONNAGE, m_nLifeSupportTonnage);
    DDX_Text(pDX, IDC_INTERNAL_HEAD, m_nInternalHead);
    DDX_Text(pDX, IDC_INTERNAL_TORSO, m_nInternalTorso);
    DDX_Text(pDX, IDC_ARMOUR_POINTS_REMAINING, m_nArmourPointsRemaining);
    DDX_Text(pDX, IDC_INTERNAL_ARMS, m_nInternalArms);
    DDX_Text(pDX, IDC_ARMOUR_CTREAR, m_nArmourCTRear);
    DDX_Text(pDX, IDC_ENGINE_TONNAGE, m_fEngineTonnage);
    DDX_Text(pDX, IDC_ARMOUR_HEAD, m_nArmourHead);
    DDX_Text(pDX, IDC_ARMOUR_LA, m_nArmourLA);
    DDX_Text(pDX, IDC_ARMOUR_LL, m_nArmourLL);
    DDX_Text(pDX, IDC_INTERNAL_SIDETORSO, m_nInternalSideTorso);
    DDX_Text(pDX, IDC_ARMOUR_LTFRONT, m_nArmourLTFront);
    DDX_Text(pDX, IDC_ARMOUR_LTREAR, m_nArmourLTRear);
    DDX_Text(pDX, IDC_ARMOUR_RA, m_nArmourRA);
    DDX_Text(pDX, IDC_ARMOUR_RL, m_nArmourRL);
    DDX_Text(pDX, IDC_ARMOUR_RTFRONT, m_nArmourRTFront);
    DDX_Text(pDX, IDC_ARMOUR_CTFRONT, m_nArmourCTFront);
    DDX_Text(pDX, IDC_ARMOUR_RTREAR, m_nArmourRTRear);
    DDX_Text(pDX, IDC_COCKPIT_TONNAGE, m_nCockpitTonnage);
    DDX_Text(pDX, IDC_ENGINE_RATING, m_nEngineRating);
    DDX_Text(pDX, IDC_INTERNAL_TONNAGE, m_fInternalTonnage);
    DDX_Text(pDX, IDC_TONNAGE, m_nTonnage);
    DDX_Text(pDX, IDC_TONNAGE_REMAINING, m_fTonnageRemaining);
    DDX_Text(pDX, IDC_TOTAL_INTERNAL, m_nTotalInternal);
    DDX_Text(pDX, IDC_ENGINE_NAME, m_strEngineName);
    DDX_Text(pDX, IDC_CRITS_REMAINING, m_nCritsRemaining);
    DDX_Text(pDX, IDC_ARMOUR_FACTOR, m_nArmourFactor);
    DDX_Text(pDX, IDC_MAX_HEAT_DISSIPATED, m_nMaxHeatDissipated);
    DDX_Text(pDX, IDC_MAX_HEAT_GENERATED, m_nMaxHeatGenerated);
    DDX_Text(pDX, IDC_TOTAL_DAMAGE, m_nTotalDamage);
}

// Start-up: the window set-up, the catalogues, the first values of the design,
// all of it under one guard. An error in any step (a catalogue that cannot be
// opened, memory running out) ends the sequence there; the sheet goes back to
// the constructor values and empty lists, the reason is told, and design
// actions are refused from then on.
bool CKestravDlg::OnInitDialog() {
    std::unique_ptr<CUndoState> blank;
    try {
        blank = SaveUndoState();
        CDialog::OnInitDialog(); // the first binding pass

        // The window: icon, menu bar, system-menu About entry.
        SetIcon(m_hIcon, true);
        SetIcon(m_hIcon, false);
        SetMenu(&MainMenu());
        const std::string about = LoadAboutString();
        if (!about.empty()) {
            CMenu systemMenu = GetSystemMenu();
            systemMenu.AppendSeparator();
            systemMenu.AppendMenu(IDM_ABOUTBOX, about);
        }
        m_bWindowReady = true;

        StartDesign();
    } catch (...) {
        FailStart(std::current_exception(), blank.get());
    }
    return true;
}

void CKestravDlg::FailStart(const std::exception_ptr& failure, CUndoState* blank) noexcept {
    m_bStartFailed = true;
    try {
        m_strCatalogueError = StartUpFailure(failure, m_bWindowReady);
    } catch (...) {
        m_strCatalogueError.clear(); // StartFailureText tells it without the file
    }
    // Without a blank state the failure came first of all: nothing had changed.
    if (blank) RestoreUndoState(*blank);
    // The undo keeps the weapons list's entries; a blank sheet has none.
    if (ControlState* weapons = FindControl(IDC_WEAPONS); weapons && !weapons->items.empty()) {
        weapons->items.clear();
        weapons->selection = LB_ERR;
        TouchControl(*weapons);
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    // The menu bar (made on first use) and the constructor values shown,
    // naming every member if the first pass was cut short.
    try {
        SetMenu(&MainMenu());
        UpdateData(false);
    } catch (...) {
    }
    AfxMessageBoxNoThrow(StartFailureText(), MB_ICONSTOP);
}

const char* CKestravDlg::StartFailureText() const noexcept {
    return m_strCatalogueError.empty() ? "Kestrav could not start: there is not enough memory."
                                       : m_strCatalogueError.c_str();
}

void CKestravDlg::StartDesign() {
    OpenCatalogue(g_rsEngines, false);
    OpenCatalogue(g_rsInternals, false);
    OpenCatalogue(g_rsEquipment, true);
    const std::string leftOut = LeftOutRowsReport({&g_rsEngines, &g_rsInternals, &g_rsEquipment});
    if (!leftOut.empty()) AfxMessageBox(leftOut);

    m_strEngineName = g_rsEngines.m_EngineName;
    m_nInternalHead = 3;
    // The structure of the design's own tonnage, wherever its row stands.
    LookUpInternals();

    g_nHeatSinks = 0;
    g_nDoubleSinks = 0;
    g_nSinksAllocated = 0;
    g_nSinksToAllocate = 0;

    m_btnBalanceArmour.SetCheck(BST_CHECKED);
    InitCriticalLists();
    LookUpEngine();
    RecalculateTonnage();
    UpdateData(false);
}

bool CKestravDlg::CataloguesOpen() const {
    return !m_bStartFailed;
}

// After a start-up whose catalogues could not all be read, every design
// action is refused with a clear message; menus, About and the ways of ending
// still work. A list gaining the focus is let through silently: nothing can be
// pending without the catalogues, so it would place nothing.
bool CKestravDlg::PreDispatch(int, Notification code) {
    if (code == Notification::Command || CataloguesOpen()) return true;
    if (code == Notification::SetFocus) return false;
    try {
        AfxMessageBox(kCataloguesUnreadText + std::string(StartFailureText()), MB_ICONSTOP);
    } catch (const std::bad_alloc&) {
        AfxMessageBoxNoThrow(StartFailureText(), MB_ICONSTOP);
    }
    return false;
}

std::unique_ptr<CUndoState> CKestravDlg::SaveUndoState() const {
    auto state = std::make_unique<CDesignUndoState>();
    SaveControls(state->controls);
    state->values = *this;
    state->program = SaveProgramValues();
    state->equipment = g_rsEquipment;
    state->engines = g_rsEngines;
    state->internals = g_rsInternals;
    return state;
}

// Every part moves back: nothing is allocated, so the undo cannot fail.
void CKestravDlg::RestoreUndoState(CUndoState& saved) {
    CDialog::RestoreUndoState(saved);
    auto& state = static_cast<CDesignUndoState&>(saved);
    static_cast<CKestravDesignValues&>(*this) = std::move(state.values);
    RestoreProgramValues(std::move(state.program));
    static_cast<EquipmentValues&>(g_rsEquipment) = std::move(state.equipment);
    static_cast<EngineValues&>(g_rsEngines) = std::move(state.engines);
    static_cast<InternalValues&>(g_rsInternals) = std::move(state.internals);
}

// The weapons list is filled once, at start-up; no action changes its entries.
bool CKestravDlg::UndoSavesItemsOf(int id) const {
    return id != IDC_WEAPONS;
}
