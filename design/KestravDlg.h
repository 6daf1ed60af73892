// CKestravDlg: the design sheet, the one main window of Kestrav.
//
// The design lives in three places: the value members below (in
// CKestravDesignValues, so the whole set can be copied), the state of the
// dialog's controls (check marks, list entries, enabled states), and the
// program-wide values of ProgramValues.h. Handlers change them and end with one
// binding pass (UpdateData(false)); no handler reads a control's text back.
//
// Only the value members and the framework's overrides are public; controls,
// routines and handlers are private (see the friends below).
//
// The class is declared once here; its handlers are implemented by subject:
// design/ (start-up, recalculation, tonnage and engine, armour, jump jets,
// options), crits/ (critical locations) and app/ (the window shell).
#pragma once

#include "design/MoveOrigin.h"
#include "framework/Dialog.h"

#include <exception>
#include <string>

// The value members of the design sheet, in their declaration order.
struct CKestravDesignValues {
    int m_nSpeed = 1;
    float m_fArmour = 0;
    int m_nJumpJets = 0;
    int m_nGyroTonnage = 1;
    int m_nInternalLegs = 0;
    int m_nLifeSupportTonnage = 0;
    int m_nInternalHead = 0;
    int m_nInternalTorso = 0;
    int m_nArmourPointsRemaining = 0;
    int m_nInternalArms = 0;
    int m_nArmourCTRear = 0;
    float m_fEngineTonnage = 0.5f;
    int m_nArmourHead = 0;
    int m_nArmourLA = 0;
    int m_nArmourLL = 0;
    int m_nInternalSideTorso = 0;
    int m_nArmourLTFront = 0;
    int m_nArmourLTRear = 0;
    int m_nArmourRA = 0;
    int m_nArmourRL = 0;
    int m_nArmourRTFront = 0;
    int m_nArmourCTFront = 0;
    int m_nArmourRTRear = 0;
    int m_nCockpitTonnage = 3;
    int m_nEngineRating = 10;
    float m_fInternalTonnage = 0;
    int m_nTonnage = 10;
    float m_fTonnageRemaining = 0;
    int m_nTotalInternal = 0;
    std::string m_strEngineName;
    int m_nCritsRemaining = 0;
    int m_nArmourFactor = 0;
    int m_nMaxHeatDissipated = 0;
    int m_nMaxHeatGenerated = 0;
    int m_nTotalDamage = 0;

    // Not shown on the sheet: where a component being moved came from.
    MoveOrigin m_moveOrigin;

    bool operator==(const CKestravDesignValues&) const = default;
};

// The eight critical locations, in the order of their list control ids.
enum class Location {
    Head,
    CentreTorso,
    LeftArm,
    RightTorso,
    LeftLeg,
    RightLeg,
    LeftTorso,
    RightArm
};

class CKestravDlg : public CDialog, public CKestravDesignValues {
  public:
    explicit CKestravDlg(CDialog* parent = nullptr);
    ~CKestravDlg() override;

    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;

    void OnSysCommand(unsigned id) override;
    void OnPaint() override;
    void OnDestroy() override;
    HICON OnQueryDragIcon() override;

    // The whole design, saved before every action and restored if it fails
    // (but the weapons list's entries, which no action changes).
    std::unique_ptr<CUndoState> SaveUndoState() const override;
    void RestoreUndoState(CUndoState& state) override;

  protected:
    bool PreDispatch(int id, Notification code) override;
    bool UndoSavesItemsOf(int id) const override;

  private:
    // The tables of locations and construction options name the lists,
    // boxes and handlers; the rule files' own functions reach the rest they
    // need through SheetRules; tests, the random-action driver and the
    // benchmarks through KestravDlgTestAccess (testing/).
    friend struct ConstructionOptions;
    friend struct Locations;
    friend struct SheetRules;
    friend class KestravDlgTestAccess;

    // ---- The control members, in declaration order ----
    CButton m_btnMaximiseArmour;
    CButton m_btnAddComponent;
    CButton m_btnTonnageUp;
    CButton m_btnTonnageDown;
    CButton m_btnSpeedUp;
    CButton m_btnSpeedDown;
    CButton m_btnJumpJetsUp;
    CButton m_btnJumpJetsDown;
    CButton m_btnArmourUpRTFront, m_btnArmourDownRTFront;
    CButton m_btnArmourUpRTRear, m_btnArmourDownRTRear;
    CButton m_btnArmourUpRL, m_btnArmourDownRL;
    CButton m_btnArmourUpLTRear, m_btnArmourDownLTRear;
    CButton m_btnArmourUpCTRear, m_btnArmourDownCTRear;
    CButton m_btnArmourUpRA, m_btnArmourDownRA;
    CButton m_btnArmourUpLTFront, m_btnArmourDownLTFront;
    CButton m_btnArmourUpLL, m_btnArmourDownLL;
    CButton m_btnArmourUpLA, m_btnArmourDownLA;
    CButton m_btnArmourUpHead, m_btnArmourDownHead;
    CButton m_btnArmourUpCTFront, m_btnArmourDownCTFront;
    CButton m_btnArmourUp;
    CButton m_btnArmourDown;
    CListBox m_listEngineHeatSinks;
    CButton m_chkXLEngine;
    CButton m_chkFerroFibrous;
    CButton m_chkEndoSteel;
    CButton m_chkDoubleHeatSinks;
    CButton m_btnBalanceArmour;
    CListBox m_listRightTorso;
    CListBox m_listCentreTorso;
    CListBox m_listRightLeg;
    CListBox m_listRightArm;
    CListBox m_listLeftTorso;
    CListBox m_listLeftLeg;
    CListBox m_listHead;
    CListBox m_listLeftArm;
    CListBox m_listWeapons;

    // ---- The icon ----
    HICON m_hIcon;

    // ---- Derivation routines (recalculation, engine) ----
    void RecalculateTonnage();
    void LookUpInternals();
    void TakeInternalRecord();
    void UpdateArmourPoints();
    void LookUpEngine();

    // ---- Critical locations ----
    void InitCriticalLists();
    void DisableDesignControls();
    void EnableDesignControls();
    CListBox& LocationList(Location location);
    static int Capacity(Location location);
    // Appends one entry to the first location, in the automatic placement
    // order, that has a free slot; false when every location is full.
    bool AppendByPlacementOrder(const std::string& entry);
    // The slots of the eight location lists less their entries.
    int FreeSlots();

    // True when every catalogue was read at start-up.
    bool CataloguesOpen() const;

    // Handlers: reached through the message map only.
    // ---- Handlers: tonnage, speed and engine ----
    void OnTonnageIncrease();
    void OnTonnageDecrease();
    void OnSpeedIncrease();
    void OnSpeedDecrease();
    // ---- Armour ----
    void OnArmourIncrease();
    void OnArmourDecrease();
    void OnBalanceArmour();
    void OnArmourUpHead();
    void OnArmourDownHead();
    void OnArmourUpLTFront();
    void OnArmourDownLTFront();
    void OnArmourUpCTFront();
    void OnArmourDownCTFront();
    void OnArmourUpRTFront();
    void OnArmourDownRTFront();
    void OnArmourUpLTRear();
    void OnArmourDownLTRear();
    void OnArmourUpCTRear();
    void OnArmourDownCTRear();
    void OnArmourUpRTRear();
    void OnArmourDownRTRear();
    void OnArmourUpLA();
    void OnArmourDownLA();
    void OnArmourUpRA();
    void OnArmourDownRA();
    void OnArmourUpLL();
    void OnArmourDownLL();
    void OnArmourUpRL();
    void OnArmourDownRL();
    // ---- Jump jets ----
    void OnJumpJetsIncrease();
    void OnJumpJetsDecrease();
    // ---- Construction options ----
    void OnXLEngine();
    void OnFerroFibrous();
    void OnEndoSteel();
    void OnDoubleHeatSinks();
    // ---- Critical slots ----
    void OnAddComponent();
    void OnMoveComponent();
    void OnDblclkEngineHeatSinks();
    void OnSetfocusHead();
    void OnSetfocusCentreTorso();
    void OnSetfocusLeftArm();
    void OnSetfocusRightTorso();
    void OnSetfocusLeftLeg();
    void OnSetfocusRightLeg();
    void OnSetfocusLeftTorso();
    void OnSetfocusRightArm();
    void OnDblclkHead();
    void OnDblclkCentreTorso();
    void OnDblclkLeftArm();
    void OnDblclkRightTorso();
    void OnDblclkLeftLeg();
    void OnDblclkRightLeg();
    void OnDblclkLeftTorso();
    void OnDblclkRightArm();
    // ---- The window shell ----
    void OnDblclkWeapons();
    void OnMenuPlaceholder();
    void OnExit();
    void OnAppAbout();

    // Start-up after the window set-up: catalogues, first values, lists, engine.
    void StartDesign();
    // A start-up that failed anywhere: the blank sheet, refusing every design
    // action, and the reason told. Allocates only where it may fail.
    void FailStart(const std::exception_ptr& failure, CUndoState* blank) noexcept;
    // Why the start-up failed, as the refusals tell it.
    const char* StartFailureText() const noexcept;

    // The start-up failed: every design action is refused.
    bool m_bStartFailed = false;
    // The window's set-up is done; a failure after it is the catalogues'.
    bool m_bWindowReady = false;
    // Why the start-up failed; empty when it did not (or the text could not be made).
    std::string m_strCatalogueError;
};
