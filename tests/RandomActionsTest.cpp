// Long random sequences of user actions on a headless design sheet, every
// invariant of the design checked after each: 100,000 on the project's
// catalogues and shorter runs on damaged ones. Actions go through the
// framework's entry points (clicks, list clicks and double-clicks, focus, menu
// commands), so the message table, the undo of failed actions and every rule
// run as they do for a person. A failure prints the actions of its design as
// scenario lines. KESTRAV_SEED and KESTRAV_ACTIONS change the seed and the
// length of the run on the project's catalogues, for long runs by hand.

#include "catalog/MechEquipment.h"
#include "design/CatalogueRowRules.h"
#include "design/ProgramValues.h"
#include "res/Templates.h"
#include "res/resource.h"
#include "testing/KestravDlgTestAccess.h"
#include "tests/DamagedCatalogues.h"
#include "tests/TestSupport.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

namespace {

using Access = KestravDlgTestAccess;

// Menu commands other than File, Exit (which ends the window).
const int kMenuCommands[] = {ID_FILE_NEW,     ID_FILE_OPEN,   ID_FILE_SAVE,
                             ID_FILE_SAVE_AS, ID_FILE_PRINT,  ID_MECHTYPES_CLAN,
                             ID_TECHLEVEL_1,  ID_TECHLEVEL_2, ID_TECHLEVEL_3,
                             ID_HELP,         ID_APP_ABOUT,   ID_MECHTYPES_INNERSPHERE};

struct Action {
    enum Kind { Click, Select, DoubleClick, Focus, Menu } kind;
    int id;
    int row = -1; // -1: the empty part of the list

    std::string ScenarioLine() const {
        static const char* const verbs[] = {"click", "select", "dblclick", "focus", "menu"};
        const std::string at = row < 0 ? " empty" : ' ' + std::to_string(row);
        return verbs[kind] + (' ' + std::to_string(id)) +
               (kind == Select || kind == DoubleClick ? at : "");
    }
};

// Random actions over every button, check box, list and menu command of the sheet.
struct ActionGenerator {
    explicit ActionGenerator(std::uint64_t seed) : m_random(seed) {
        for (const DialogItem& item : MainDialogTemplate().items)
            if (item.kind == ControlKind::PushButton || item.kind == ControlKind::CheckBox)
                m_buttons.push_back(item.id);
            else if (item.kind == ControlKind::ListBox)
                m_lists.push_back(item.id);
    }
    Action Next(CKestravDlg& sheet) {
        const std::size_t roll = Pick(100);
        if (roll < 55) return {Action::Click, m_buttons[Pick(m_buttons.size())]};
        if (roll >= 95) return {Action::Menu, kMenuCommands[Pick(std::size(kMenuCommands))]};
        const int list = m_lists[Pick(m_lists.size())];
        if (roll >= 90) return {Action::Focus, list};
        const std::size_t count = sheet.Control(list).items.size();
        const int row = count > 0 && Pick(8) != 0 ? static_cast<int>(Pick(count)) : -1;
        return {roll < 75 ? Action::Select : Action::DoubleClick, list, row};
    }
    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }
    std::mt19937_64 m_random;
    std::vector<int> m_buttons, m_lists;
};

// What a refused or failed action must leave as it was: the values, the
// program-wide values, and each control's entries, check mark and enabled state.
auto Snapshot(CKestravDlg& sheet) {
    std::vector<std::tuple<std::vector<std::string>, bool, bool>> controls;
    for (const ControlState& c : sheet.State().controls)
        controls.emplace_back(c.items, c.checked, c.enabled);
    return std::tuple(CKestravDesignValues(sheet), SaveProgramValues(), controls);
}

// A fresh sheet on the program's start-up path, and what the start-up left.
struct Session : HeadlessSheet {
    bool sound, failed;                                       // no box at all; a stop-icon box
    std::map<std::string, std::pair<double, int>> components; // tonnage and slots by name

    explicit Session(const std::string& folder) {
        Start(folder);
        sound = platform.boxes.empty();
        failed = !sound && platform.boxes.back().type == MB_ICONSTOP;
        if (failed) return;
        // Its own record set, with the sheet's row rule: the sheet's must not move.
        MechEquipment equipment(CheckEquipmentRow);
        for (equipment.Open(); !equipment.IsEOF(); equipment.MoveNext())
            components.emplace(equipment.m_Item,
                               std::pair{equipment.m_Tonnage, int(equipment.m_Criticals)});
    }
    std::string Play(const Action& action);
    std::string Check();
};

// Plays one action; the empty text, or what it broke.
std::string Session::Play(const Action& a) {
    CKestravDlg& s = *sheet;
    const std::size_t boxesBefore = platform.boxes.size();
    auto row = [&](int r) { return r < static_cast<int>(s.Control(a.id).items.size()) ? r : -1; };
    // A double-click's first click is an ordinary one; what the second may change is checked.
    if (a.kind == Action::DoubleClick) s.ClickList(a.id, row(a.row));
    const auto before = Snapshot(s);
    const std::size_t lastBoxes = platform.boxes.size();
    if (a.kind == Action::Click) s.ClickButton(a.id);
    if (a.kind == Action::Select) s.ClickList(a.id, row(a.row));
    if (a.kind == Action::DoubleClick) s.DoubleClickList(a.id, row(a.row));
    if (a.kind == Action::Focus) s.FocusGained(a.id);
    if (a.kind == Action::Menu) s.Command(a.id);
    if (s.IsEnded()) return "the window ended";
    auto after = Snapshot(s);
    // After a failed start-up every action is refused with a stop icon. With a
    // sound catalogue nothing fails: a stop icon is a fault of the program, and
    // so, with any catalogue, is a failure with no text of its own (an exception
    // that is not the catalogue's, such as a std::logic_error).
    for (const auto& box : std::vector(platform.boxes.begin() + boxesBefore, platform.boxes.end()))
        if ((failed && box.type != MB_ICONSTOP) || (sound && box.type == MB_ICONSTOP) ||
            box.text == "Internal application error." || box.text == "Command failed.")
            return "\"" + box.text + "\" (" + box.caption + ")";
    // An action refused or failed with its one box leaves the design as it was
    // (after a failed start-up, every action); refusals of Add Component and
    // Move Component empty the pending name.
    const bool oneBox = platform.boxes.size() == lastBoxes + 1;
    const auto box = oneBox ? platform.boxes.back() : CHeadlessPlatform::Box{};
    if (failed || (oneBox && (box.type == MB_ICONSTOP || box.caption.ends_with("ERROR")))) {
        if (!failed && a.kind == Action::Click &&
            (a.id == IDC_ADD_COMPONENT || a.id == IDC_MOVE_COMPONENT))
            std::get<1>(after).pendingComponent = std::get<1>(before).pendingComponent;
        if (after != before) return "refused, but the design changed";
    }
    return Check();
}

// Every invariant of the design as it stands; the empty text when all hold.
std::string Session::Check() {
    if (failed) return "";
    CKestravDlg& s = *sheet;
    std::ostringstream why;
    auto expect = [&why](bool holds, auto... parts) {
        if (!holds) (why << ... << parts) << "; ";
    };
    // The shown values are the members: every handler that changes one refreshes.
    const std::vector<ControlState> shown = s.State().controls;
    s.UpdateData(false);
    for (std::size_t i = 0; i < shown.size(); ++i)
        expect(shown[i].text == s.State().controls[i].text, "control ", shown[i].id, " is stale");

    // The entries of the critical locations, by name, within their slots.
    std::map<std::string, int> entries;
    for (int i = 0; i < 8; ++i) {
        const CListBox& list = Access::LocationList(s, Location(i));
        expect(list.GetCount() <= Access::Capacity(Location(i)), "location ", i, " overfull");
        for (int row = 0; row < list.GetCount(); ++row)
            ++entries[list.GetText(row)];
    }
    expect(Access::EngineHeatSinks(s).GetCount() + g_nSinksAllocated == g_nSinksToAllocate,
           "engine sinks listed + placed != ", g_nSinksToAllocate);

    // The move lock: the design controls share one state, and it is off
    // whenever nothing waits to be placed.
    const bool moving = !Access::TonnageUp(s).IsWindowEnabled();
    for (int id : {IDC_ARMOUR_DOWN, IDC_UP_RL, IDC_JUMPJETS_UP, IDC_ENGINE_HEATSINKS,
                   IDC_ADD_COMPONENT, IDC_WEAPONS, IDC_BALANCE_ARMOUR, IDC_XL_ENGINE})
        expect(s.GetDlgItem(id).IsWindowEnabled() != moving, "control ", id, " is not locked");
    expect(!moving || !g_strPendingComponent.empty(), "locked with nothing waiting");

    // Outside a move the counters and options match the entries: the heat
    // sinks, one "Jump Jet" per jet, fourteen filler entries per option checked.
    // Single and double heat sinks never mix: the option decides the kind.
    const bool doubles = Access::DoubleHeatSinks(s).GetCheck() == BST_CHECKED;
    const char* otherKind = doubles ? "Heat Sink" : "Double Sink";
    expect(entries[otherKind] == 0 &&
               Access::EngineHeatSinks(s).FindString(-1, otherKind) == LB_ERR,
           "\"", otherKind, "\" entries with the DoubleHeat Sinks box at ", doubles);
    const std::pair<int, int> counted[] = {
        {g_nHeatSinks, entries["Heat Sink"]},
        {g_nDoubleSinks * 3, entries["Double Sink"]},
        {s.m_nJumpJets, entries["Jump Jet"]},
        {Access::EndoSteel(s).GetCheck() == BST_CHECKED ? 14 : 0, entries["Endo Steel"]},
        {Access::FerroFibrous(s).GetCheck() == BST_CHECKED ? 14 : 0, entries["Ferro Fibrous"]}};
    for (const auto& [wanted, placed] : counted)
        expect(moving || wanted == placed, wanted, " counted, ", placed, " entries");

    // The equipment tonnage is the catalogue tonnage of the whole components in
    // the lists. A moved component waiting is in neither; the engine's heat
    // sinks placed weigh nothing.
    double equipment = 0;
    for (const auto& [name, count] : entries) {
        if (!components.count(name) || count == 0) continue;
        const auto [tonnage, slots] = components.at(name);
        expect(slots > 0 && count % slots == 0, count, " \"", name, "\" entries");
        if (slots > 0) equipment += count / slots * tonnage;
    }
    const auto sink = components.find(doubles ? "Double Sink" : "Heat Sink");
    if (sink != components.end()) equipment -= g_nSinksAllocated * sink->second.first;
    expect(components.empty() || std::fabs(equipment - g_fEquipmentTonnage) < 1e-3,
           "equipment tonnage ", g_fEquipmentTonnage, ", the lists weigh ", equipment);
    // Tonnages are exact: TONNAGE REMAINING is a whole number of eighths of a
    // ton (quarter tons, and the half-ton rule's halves of them).
    expect(std::fmod(double(s.m_fTonnageRemaining) * 8, 1) == 0, "TONNAGE REMAINING ",
           s.m_fTonnageRemaining);
    return why.str();
}

struct Catalogue {
    const char* name;
    friend void PrintTo(const Catalogue& c, std::ostream* os) { *os << c.name; }
    const char* file; // the catalogue changed; nullptr: none
    CatalogueDamage damage;
    bool sound, startFails; // no box at start-up; the start-up refused
};

const Catalogue kCatalogues[] = {
    {"Sound", nullptr, nullptr, true, false},
    {"EmptyEngines", "MechEngines.db", Written("", ""), false, true},
    {"RowsLeftOut", "equipment.db",
     SqlDamage("UPDATE [Equipment] SET [Criticals] = 0 WHERE rowid % 3 = 0;"
               "UPDATE [Equipment] SET [Tonnage] = -1 WHERE rowid % 5 = 0;"),
     false, false},
    {"EnginesLeftOut", "MechEngines.db",
     SqlDamage("UPDATE [Engines] SET [Tonnage] = 1e39 WHERE [Rating] % 20 = 0;"), false, false},
    // Odd rows, all in range: the rules' own names, a weighted and wide hand,
    // heat sinks of other widths, second rows of a key, tenths of a ton.
    {"OddEquipment", "equipment.db",
     SqlDamage("UPDATE [Equipment] SET [Tonnage] = 1, [Criticals] = 3 WHERE [Item] = 'Hand "
               "Actuator'; UPDATE [Equipment] SET [Criticals] = 2 WHERE [Item] LIKE '%Sink';"
               "INSERT INTO [Equipment] VALUES ('Jump Jet', 1, 1, 0, 0, 0, 0, 0, 0), ('Engine', "
               "3, 1, 0, 0, 0, 0, 0, 0), ('Endo Steel', 0, 1, 0, 0, 0, 0, 0, 0), ('PPC', 1, 1, "
               "99, 0, 0, 0, 0, 0), ('Tenth', 0.1, 1, 0, 0, 0, 0, 0, 0), ('Quarter', 0.25, 1, 0, "
               "0, 0, 0, 0, 0), ('Heavy Quarter', 0.75, 2, 0, 0, 0, 0, 0, 0);"),
     false, false},
    {"EnginesDuplicatedAndInQuarters", "MechEngines.db",
     SqlDamage("INSERT INTO [Engines] SELECT [Rating], [Tonnage] + 5, 'Second' FROM [Engines];"
               "UPDATE [Engines] SET [Tonnage] = [Tonnage] + 0.25 WHERE [Rating] % 30 = 0;"
               "UPDATE [Engines] SET [Tonnage] = [Tonnage] + 0.05 WHERE [Rating] % 70 = 0;"),
     false, false},
    {"InternalHeaviestFirst", "Internal.db",
     SqlDamage("CREATE TABLE [Sorted] AS SELECT * FROM [Internal] ORDER BY [Tonnage] DESC;"
               "DROP TABLE [Internal]; ALTER TABLE [Sorted] RENAME TO [Internal];"
               "INSERT INTO [Internal] VALUES (1, 99, 99, 99, 99);"),
     false, false},
};

class RandomActions : public ::testing::TestWithParam<Catalogue> {};

TEST_P(RandomActions, EveryActionIsRefusedOrKeepsTheInvariants) {
    const Catalogue& c = GetParam();
    TempDir dir;
    std::filesystem::copy(KESTRAV_CATALOG_DIR, dir.path()); // the project's catalogues
    if (c.damage) c.damage(dir.File(c.file));
    const char* seedSet = std::getenv("KESTRAV_SEED");
    const char* totalSet = c.file ? nullptr : std::getenv("KESTRAV_ACTIONS");
    const std::uint64_t seed = seedSet ? std::stoull(seedSet) : 20261206;
    const std::uint64_t total = totalSet ? std::stoull(totalSet) : (c.file ? 5 : 250) * 400;

    ActionGenerator generator(seed);
    for (std::uint64_t played = 0; played < total;) {
        Session session(dir.path()); // a fresh design every 400 actions
        ASSERT_EQ(std::pair(session.sound, session.failed), std::pair(c.sound, c.startFails));
        ASSERT_EQ(session.Check(), "") << "at start-up";
        std::string lines = "the design's actions:\n";
        for (int i = 0; i < 400 && played < total; ++i, ++played) {
            const Action action = generator.Next(*session.sheet);
            lines += "    " + action.ScenarioLine() + "\n";
            ASSERT_EQ(session.Play(action), "")
                << "seed " << seed << ", action " << played << "; " << lines;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogues, RandomActions, ::testing::ValuesIn(kCatalogues),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
