// Random user actions on a headless design sheet, the invariants checked after
// each, and the shrinking of a failing sequence.

#include "tests/driver/ActionDriver.h"

#include "catalog/MechEquipment.h"
#include "design/KestravDlg.h"
#include "design/ProgramValues.h"
#include "res/Templates.h"
#include "res/resource.h"
#include "testing/HeadlessSheet.h"
#include "testing/KestravDlgTestAccess.h"

#include <cmath>
#include <sstream>

namespace {

// Every control a user can click, and every list, from the sheet's template.
struct Targets {
    std::vector<int> buttons;
    std::vector<int> lists;
    Targets() {
        for (const DialogItem& item : MainDialogTemplate().items) {
            if (item.kind == ControlKind::PushButton || item.kind == ControlKind::CheckBox)
                buttons.push_back(item.id);
            else if (item.kind == ControlKind::ListBox)
                lists.push_back(item.id);
        }
    }
};
const Targets& AllTargets() {
    static const Targets targets;
    return targets;
}

// Menu commands other than File, Exit (which ends the window).
const int kMenuCommands[] = {ID_FILE_NEW,
                             ID_FILE_OPEN,
                             ID_FILE_SAVE,
                             ID_FILE_SAVE_AS,
                             ID_FILE_PRINT,
                             ID_MECHTYPES_CLAN,
                             ID_MECHTYPES_INNERSPHERE,
                             ID_TECHLEVEL_1,
                             ID_TECHLEVEL_2,
                             ID_TECHLEVEL_3,
                             ID_HELP,
                             ID_APP_ABOUT};

const int kCriticalLists[] = {IDC_LIST_HEAD,       IDC_LIST_CENTRETORSO, IDC_LIST_LEFTARM,
                              IDC_LIST_RIGHTTORSO, IDC_LIST_LEFTLEG,     IDC_LIST_RIGHTLEG,
                              IDC_LIST_LEFTTORSO,  IDC_LIST_RIGHTARM};

float JumpJetWeight(int tonnage) {
    if (tonnage <= 55) return 0.5f;
    if (tonnage <= 85) return 1.0f;
    return 1.5f;
}

int CountEntries(CKestravDlg& sheet, const char* name) {
    int count = 0;
    for (int id : kCriticalLists)
        for (const std::string& entry : sheet.Control(id).items)
            count += entry == name;
    return count;
}

// What must not change when an action is refused or fails.
struct DesignSnapshot {
    CKestravDesignValues values;
    ProgramValues program;
    std::vector<std::vector<std::string>> items;
    std::vector<bool> checks;
    std::vector<bool> enabled;

    explicit DesignSnapshot(CKestravDlg& sheet) : values(sheet), program(SaveProgramValues()) {
        for (const ControlState& control : sheet.State().controls) {
            items.push_back(control.items);
            checks.push_back(control.checked);
            enabled.push_back(control.enabled);
        }
    }
    // Names the first difference, or "" when the designs are the same.
    std::string Difference(const DesignSnapshot& other, bool pendingMayChange) const {
        if (!(values == other.values)) return "a value member changed";
        ProgramValues a = program, b = other.program;
        if (pendingMayChange) a.pendingComponent = b.pendingComponent;
        if (!(a == b)) return "a program-wide value changed";
        if (items != other.items) return "a list changed";
        if (checks != other.checks) return "a check mark changed";
        if (enabled != other.enabled) return "an enabled state changed";
        return "";
    }
};

} // namespace

std::string Action::ToScenarioLine() const {
    std::ostringstream line;
    switch (kind) {
    case Click:
        line << "click " << id;
        break;
    case Select:
        line << "select " << id << ' ' << row;
        break;
    case SelectEmpty:
        line << "select " << id << " empty";
        break;
    case DoubleClick:
        line << "dblclick " << id << ' ' << row;
        break;
    case DoubleClickEmpty:
        line << "dblclick " << id << " empty";
        break;
    case Focus:
        line << "focus " << id;
        break;
    case Menu:
        line << "menu " << id;
        break;
    }
    return line.str();
}

Action ActionGenerator::Next(CKestravDlg& sheet) {
    const Targets& targets = AllTargets();
    auto pick = [this](std::size_t n) {
        return static_cast<std::size_t>(
            std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random));
    };
    const std::size_t roll = pick(100);
    if (roll < 55) return Action{Action::Click, targets.buttons[pick(targets.buttons.size())]};
    if (roll < 95) {
        const int list = targets.lists[pick(targets.lists.size())];
        const int count = static_cast<int>(sheet.Control(list).items.size());
        const bool onEntry = count > 0 && pick(8) != 0;
        if (roll < 75) {
            if (!onEntry) return Action{Action::SelectEmpty, list};
            return Action{Action::Select, list,
                          static_cast<int>(pick(static_cast<std::size_t>(count)))};
        }
        if (roll < 90) {
            if (!onEntry) return Action{Action::DoubleClickEmpty, list};
            return Action{Action::DoubleClick, list,
                          static_cast<int>(pick(static_cast<std::size_t>(count)))};
        }
        return Action{Action::Focus, list};
    }
    return Action{Action::Menu, kMenuCommands[pick(std::size(kMenuCommands))]};
}

Action ActionGenerator::FromBytes(const std::uint8_t* data, std::size_t size, std::size_t& used) {
    const Targets& targets = AllTargets();
    auto byte = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t{0}; };
    used = 3;
    const int kind = byte(0) % 7;
    const int row = byte(2) % 16;
    switch (kind) {
    case 0:
        return Action{Action::Click, targets.buttons[byte(1) % targets.buttons.size()]};
    case 1:
        return Action{Action::Select, targets.lists[byte(1) % targets.lists.size()], row};
    case 2:
        return Action{Action::SelectEmpty, targets.lists[byte(1) % targets.lists.size()]};
    case 3:
        return Action{Action::DoubleClick, targets.lists[byte(1) % targets.lists.size()], row};
    case 4:
        return Action{Action::DoubleClickEmpty, targets.lists[byte(1) % targets.lists.size()]};
    case 5:
        return Action{Action::Focus, targets.lists[byte(1) % targets.lists.size()]};
    default:
        return Action{Action::Menu, kMenuCommands[byte(1) % std::size(kMenuCommands)]};
    }
}

DriverSession::DriverSession(const std::string& catalogFolder)
    : m_headless(std::make_unique<HeadlessSheet>()) {
    m_headless->Start(catalogFolder);
}

DriverSession::~DriverSession() = default;

CKestravDlg& DriverSession::Sheet() {
    return *m_headless->sheet;
}

CHeadlessPlatform& DriverSession::Platform() {
    return m_headless->platform;
}

void DriverSession::ObserveStart() {
    if (m_observed) return;
    m_observed = true;
    m_startedSound = Platform().boxes.empty();
    m_startFailed = !Platform().boxes.empty() && Platform().boxes.back().type == MB_ICONSTOP;
    if (m_startFailed) return;
    MechEquipment equipment;
    equipment.Open();
    for (; !equipment.IsEOF(); equipment.MoveNext())
        m_components.emplace(
            equipment.m_Item,
            ComponentData{equipment.m_Tonnage, static_cast<int>(equipment.m_Criticals)});
}

std::string DriverSession::Check() {
    ObserveStart();
    if (m_startFailed) return "";
    return CheckInvariants(Sheet(), m_components);
}

std::string DriverSession::Play(const Action& action) {
    ObserveStart();
    CKestravDlg& sheet = Sheet();
    const DesignSnapshot before(sheet);
    const std::size_t boxesBefore = Platform().boxes.size();
    auto rowOf = [&](int id, int row) {
        const int count = static_cast<int>(sheet.Control(id).items.size());
        return row < count ? row : -1;
    };
    switch (action.kind) {
    case Action::Click:
        sheet.ClickButton(action.id);
        break;
    case Action::Select:
        sheet.ClickList(action.id, rowOf(action.id, action.row));
        break;
    case Action::SelectEmpty:
        sheet.ClickList(action.id, -1);
        break;
    case Action::DoubleClick:
    case Action::DoubleClickEmpty: {
        // A double-click's first click is an ordinary click.
        const int row = action.kind == Action::DoubleClick ? rowOf(action.id, action.row) : -1;
        sheet.ClickList(action.id, row);
        sheet.DoubleClickList(action.id, rowOf(action.id, row));
        break;
    }
    case Action::Focus:
        sheet.FocusGained(action.id);
        break;
    case Action::Menu:
        sheet.Command(action.id);
        break;
    }
    if (sheet.IsEnded()) return "the window ended";
    const std::size_t shown = Platform().boxes.size() - boxesBefore;

    // After a failed start-up every design action is refused and changes nothing.
    if (m_startFailed) {
        const std::string changed = DesignSnapshot(sheet).Difference(before, false);
        if (!changed.empty())
            return "after a failed start-up an action changed the design: " + changed;
        for (std::size_t i = boxesBefore; i < Platform().boxes.size(); ++i)
            if (Platform().boxes[i].type != MB_ICONSTOP)
                return "after a failed start-up: \"" + Platform().boxes[i].text + "\"";
        return "";
    }
    // With a sound catalogue nothing fails: a stop-icon box is a fault of the program.
    if (m_startedSound)
        for (std::size_t i = boxesBefore; i < Platform().boxes.size(); ++i)
            if (Platform().boxes[i].type == MB_ICONSTOP)
                return "a failure with a sound catalogue: \"" + Platform().boxes[i].text + "\"";

    // A refused or failed single notification leaves the design as it was.
    const bool single =
        action.kind != Action::DoubleClick && action.kind != Action::DoubleClickEmpty;
    if (shown == 1 && single) {
        const CHeadlessPlatform::Box& box = Platform().boxes.back();
        const bool failure = box.type == MB_ICONSTOP;
        const bool refusal = box.caption == "ALLOCATION ERROR" ||
                             box.caption == "EQUIPMENT ALLOCATION ERROR" ||
                             box.caption == "EQUIPMENT ERROR";
        // Refusals of Add Component and Move Component empty the pending name.
        const bool pendingMayChange =
            action.kind == Action::Click &&
            (action.id == IDC_ADD_COMPONENT || action.id == IDC_MOVE_COMPONENT);
        if (failure || refusal) {
            const std::string changed = DesignSnapshot(sheet).Difference(before, pendingMayChange);
            if (!changed.empty())
                return "\"" + box.text + "\" (" + box.caption + ") but " + changed;
        }
    }
    return Check();
}

std::string CheckInvariants(CKestravDlg& s, const ComponentTable& components) {
    using Access = KestravDlgTestAccess;
    std::ostringstream why;
    auto fail = [&why](auto... parts) {
        (why << ... << parts);
        return why.str();
    };

    // The shown values are the members: every handler that changes one refreshes.
    std::vector<std::string> shown;
    for (const ControlState& c : s.State().controls)
        shown.push_back(c.text);
    s.UpdateData(false);
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != s.State().controls[i].text)
            return fail("control ", s.State().controls[i].id, " shows \"", shown[i],
                        "\" but its member is \"", s.State().controls[i].text, "\"");

    // Fixed fields.
    if (s.m_nCritsRemaining != 46 || s.m_nMaxHeatDissipated != 0 || s.m_nMaxHeatGenerated != 0 ||
        s.m_nTotalDamage != 0 || s.m_nLifeSupportTonnage != 0 || s.m_nInternalHead != 3 ||
        s.m_nCockpitTonnage != 3)
        return fail("a fixed field changed");

    // Tonnage, speed, engine, jump jets.
    if (s.m_nTonnage < 10 || s.m_nTonnage > 100 || s.m_nTonnage % 5 != 0)
        return fail("tonnage ", s.m_nTonnage);
    if (s.m_nEngineRating != s.m_nSpeed * s.m_nTonnage || s.m_nEngineRating > 400 || s.m_nSpeed < 1)
        return fail("rating ", s.m_nEngineRating, " at speed ", s.m_nSpeed, " and ", s.m_nTonnage,
                    " t");
    if (s.m_nJumpJets < 0 || s.m_nJumpJets > s.m_nSpeed)
        return fail(s.m_nJumpJets, " jump jets at speed ", s.m_nSpeed);
    if (g_fJumpJetTonnage != s.m_nJumpJets * JumpJetWeight(s.m_nTonnage))
        return fail("jump-jet weight ", g_fJumpJetTonnage, " for ", s.m_nJumpJets, " jets");

    // Armour.
    if (s.m_fArmour < 0 || std::fmod(s.m_fArmour, 0.5f) != 0)
        return fail("armour tonnage ", s.m_fArmour);
    const int sideTorso = 2 * s.m_nInternalSideTorso;
    const struct {
        const char* name;
        int points;
        int bound;
    } locations[] = {
        {"head", s.m_nArmourHead, 9},
        {"centre torso", s.m_nArmourCTFront + s.m_nArmourCTRear, 2 * s.m_nInternalTorso},
        {"left torso", s.m_nArmourLTFront + s.m_nArmourLTRear, sideTorso},
        {"right torso", s.m_nArmourRTFront + s.m_nArmourRTRear, sideTorso},
        {"left arm", s.m_nArmourLA, 2 * s.m_nInternalArms},
        {"right arm", s.m_nArmourRA, 2 * s.m_nInternalArms},
        {"left leg", s.m_nArmourLL, 2 * s.m_nInternalLegs},
        {"right leg", s.m_nArmourRL, 2 * s.m_nInternalLegs},
    };
    for (int v : {s.m_nArmourHead, s.m_nArmourCTFront, s.m_nArmourCTRear, s.m_nArmourLTFront,
                  s.m_nArmourLTRear, s.m_nArmourRTFront, s.m_nArmourRTRear, s.m_nArmourLA,
                  s.m_nArmourRA, s.m_nArmourLL, s.m_nArmourRL})
        if (v < 0) return fail("an armour location below 0");
    for (const auto& location : locations)
        if (location.points > location.bound)
            return fail(location.name, " holds ", location.points, " points, above its bound ",
                        location.bound);

    // Critical locations and heat sinks.
    for (int i = 0; i < 8; ++i) {
        const auto location = static_cast<Location>(i);
        if (Access::LocationList(s, location).GetCount() > Access::Capacity(location))
            return fail("list ", Access::LocationList(s, location).GetDlgCtrlID(), " holds ",
                        Access::LocationList(s, location).GetCount(), " entries");
    }
    if (Access::EngineHeatSinks(s).GetCount() + g_nSinksAllocated != g_nSinksToAllocate)
        return fail("engine sinks: ", Access::EngineHeatSinks(s).GetCount(), " listed + ",
                    g_nSinksAllocated, " placed != ", g_nSinksToAllocate);

    // The move lock: the 38 design controls share one state, and it is off
    // whenever nothing waits to be placed.
    const bool moving = !Access::TonnageUp(s).IsWindowEnabled();
    for (int id : {IDC_ARMOUR_DOWN, IDC_UP_RL, IDC_JUMPJETS_UP, IDC_ENGINE_HEATSINKS,
                   IDC_ADD_COMPONENT, IDC_WEAPONS, IDC_BALANCE_ARMOUR, IDC_XL_ENGINE})
        if (s.GetDlgItem(id).IsWindowEnabled() == moving)
            return fail("control ", id, " is not locked with the others");
    if (moving && g_strPendingComponent.empty())
        return fail("the design controls stay locked with nothing waiting to be placed");
    if (!moving) {
        if (g_nHeatSinks != CountEntries(s, "Heat Sink"))
            return fail("g_nHeatSinks ", g_nHeatSinks, " but ", CountEntries(s, "Heat Sink"),
                        " placed");
        if (g_nDoubleSinks * 3 != CountEntries(s, "Double Sink"))
            return fail("g_nDoubleSinks ", g_nDoubleSinks, " but ", CountEntries(s, "Double Sink"),
                        " entries placed");
    }

    // Single and double heat sinks never mix: the option decides the kind.
    const bool doubles = Access::DoubleHeatSinks(s).GetCheck() == BST_CHECKED;
    const char* otherKind = doubles ? "Heat Sink" : "Double Sink";
    if (CountEntries(s, otherKind) != 0 ||
        Access::EngineHeatSinks(s).FindString(-1, otherKind) != LB_ERR)
        return fail("\"", otherKind, "\" entries while the DoubleHeat Sinks box is ",
                    doubles ? "checked" : "not checked");

    // Built-in entries: one "Jump Jet" per jet; outside a move, fourteen
    // entries for each filler option checked and none for one unchecked.
    if (CountEntries(s, "Jump Jet") != s.m_nJumpJets && !moving)
        return fail(CountEntries(s, "Jump Jet"), " \"Jump Jet\" entries for ", s.m_nJumpJets,
                    " jets");
    if (!moving)
        for (const auto& [box, name] : {std::pair{&Access::EndoSteel(s), "Endo Steel"},
                                        std::pair{&Access::FerroFibrous(s), "Ferro Fibrous"}}) {
            const int wanted = box->GetCheck() == BST_CHECKED ? 14 : 0;
            if (CountEntries(s, name) != wanted)
                return fail(CountEntries(s, name), " \"", name, "\" entries, ", wanted,
                            " for the option");
        }

    // The equipment tonnage is the catalogue tonnage of the components in the
    // lists (whole components of their slots). A moved component waiting is in
    // neither: its entries are out and its tonnage is free until it is placed.
    // Heat sinks that came from the engine weigh nothing.
    std::map<std::string, int> entries;
    for (int id : kCriticalLists)
        for (const std::string& entry : s.Control(id).items)
            if (components.count(entry)) ++entries[entry];
    double equipment = 0;
    for (const auto& [name, count] : entries) {
        const ComponentData& data = components.at(name);
        if (data.slots <= 0 || count % data.slots != 0)
            return fail(count, " \"", name, "\" entries: not whole components of ", data.slots,
                        " slots");
        equipment += count / data.slots * static_cast<double>(data.tonnage);
    }
    // Placed engine sinks are of the kind the design uses; a moved one is still counted here.
    const auto sink = components.find(
        Access::DoubleHeatSinks(s).GetCheck() == BST_CHECKED ? "Double Sink" : "Heat Sink");
    if (sink != components.end())
        equipment -= g_nSinksAllocated * static_cast<double>(sink->second.tonnage);
    if (!components.empty() && std::fabs(equipment - g_fEquipmentTonnage) > 1e-3)
        return fail("equipment tonnage ", g_fEquipmentTonnage,
                    " but the components in the lists weigh ", equipment);

    // TONNAGE REMAINING is its formula over the members.
    double remaining = s.m_nTonnage;
    for (double w : {double(s.m_fEngineTonnage), double(s.m_nGyroTonnage),
                     double(s.m_nCockpitTonnage), double(s.m_fInternalTonnage), double(s.m_fArmour),
                     double(g_fJumpJetTonnage), double(g_fEquipmentTonnage)})
        remaining -= w;
    if (static_cast<float>(remaining) != s.m_fTonnageRemaining)
        return fail("TONNAGE REMAINING ", s.m_fTonnageRemaining, " but the weights leave ",
                    remaining);
    return "";
}

ReplayResult Replay(const std::string& catalogFolder, const std::vector<Action>& actions) {
    DriverSession session(catalogFolder);
    std::string message = session.Check();
    if (!message.empty()) return ReplayResult{0, "at start-up: " + message};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        message = session.Play(actions[i]);
        if (!message.empty()) return ReplayResult{static_cast<int>(i), message};
    }
    return ReplayResult{};
}

std::vector<Action> Shrink(const std::string& catalogFolder, std::vector<Action> actions) {
    ReplayResult first = Replay(catalogFolder, actions);
    if (first.failedAt < 0) return actions;
    actions.resize(static_cast<std::size_t>(first.failedAt) + 1);
    // Remove ever smaller chunks while the sequence still fails.
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= actions.size();) {
            std::vector<Action> candidate = actions;
            candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(start),
                            candidate.begin() + static_cast<std::ptrdiff_t>(start + chunk));
            const ReplayResult result = Replay(catalogFolder, candidate);
            if (result.failedAt >= 0) {
                candidate.resize(static_cast<std::size_t>(result.failedAt) + 1);
                actions = std::move(candidate);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    return actions;
}
