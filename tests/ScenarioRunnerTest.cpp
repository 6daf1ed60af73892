// The scenario runner, run on small files: it reads the format, fails every
// false statement and every box no line states (status 1); a file it cannot
// read or parse stops the run before anything runs (status 2), naming the line.

#include "tests/TestSupport.h"
#include "tools/SqlScript.h"

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

namespace {

// A file's content and a part of the runner's report, "@" standing for the file.
using Files = std::vector<std::pair<std::string, std::string>>;

class ScenarioRunnerTest : public ::testing::Test {
  protected:
    // Runs the runner on the arguments and the files, and finds its exit status
    // (1: a scenario failed) and each file's report.
    void Run(const Files& files, int exitStatus = 1, std::string arguments = "") {
        for (std::size_t i = 0; i < files.size(); ++i) {
            std::ofstream(dir.File(std::to_string(i))) << files[i].first;
            arguments += " " + dir.File(std::to_string(i));
        }
        const int status = std::system(
            (KESTRAV_SCENARIO_RUNNER + arguments + " >" + dir.File("out") + " 2>&1").c_str());
        output = ReadTextFile(dir.File("out"));
        EXPECT_EQ(WEXITSTATUS(status), exitStatus) << output;
        for (std::size_t i = 0; i < files.size(); ++i) {
            std::string report = files[i].second;
            if (const std::size_t at = report.find('@'); at != std::string::npos)
                report.replace(at, 1, dir.File(std::to_string(i)));
            EXPECT_NE(output.find(report), std::string::npos) << report << "\n" << output;
        }
    }
    TempDir dir;
    std::string output;
};

TEST_F(ScenarioRunnerTest, FalseStatementsFailAndAFileThatCannotBeReadStopsTheRun) {
    Run({
        {"expect 1002 \"10\"\nclick m_btnTonnageUp\nexpect m_nTonnage \"15\"\n", "PASS @\n"},
        {"click m_btnNoSuch", "@:1: click m_btnNoSuch: the window has no control bound to"},
        {"# note\n\nclick 1001\nexpect 1002 \"20\"\n", "@:4: expect 1002 \"20\": shows \"15\"\n"},
        {"menu 100\nexpect 1002 \"10\"\n", "@:2: unchecked dialog box: \"About Kestrav\"\n"},
        {"expect 1002 \"10\"\nmenu 100\n", "@:2: unchecked dialog box: \"About Kestrav\"\n"},
        {"catalog nowhere\nexpect 1002 \"10\"\n", "@:1: catalog nowhere: no folder"},
        {"expect-list 1100", "@:1: expect-list 1100: shows \"Life Support\" \"Sensors\""},
        {"expect-count 1110 9", "@:1: expect-count 1110 9: holds 10 entries\n"},
        {"expect-checked 1133 no", "@:1: expect-checked 1133 no: shows the mark set\n"},
        {"expect-enabled 1001 no", "@:1: expect-enabled 1001 no: shows it enabled\n"},
        {"expect-focus 1002", "@:1: expect-focus 1002: shows the focus on 1001\n"},
        {"expect-selected 1098 0", "@:1: expect-selected 1098 0: shows no selection\n"},
        {"expect-ended ok", "@:1: expect-ended ok: the window has not ended\n"},
        {"key escape\nexpect-ended ok", "@:2: expect-ended ok: the window ended with cancel\n"},
        {"menu 100\ndialog \"About\"", "\"About\": the dialog box was \"About Kestrav\"\n"},
        {"menu 100\ndialog \"About Kestrav\" 1134=\"x\"", "has no edit box 1134\n"},
        {"message \"A\" \"B\"", "@:1: message \"A\" \"B\": no message box was shown\n"},
        {R"(select 1098 "No \"Such\" \\ Gun")", R"(: list 1098 has no entry "No "Such" \ Gun")"},
        {"click 1098", "@:1: click 1098: control 1098 is not a button or check box\n"},
        {"key escape\nclick 1001", "@:2: click 1001: the window has already ended\n"},
        {"expect-menu \"File\"", "@:1: expect-menu \"File\": no menu is open\n"},
        {"key alt+m\nexpect-menu none", "@:2: expect-menu none: the menu \"Mech Types\" is open\n"},
    });
    EXPECT_NE(output.find("\n1 passed, 21 failed\n"), std::string::npos) << output;
    // A file that cannot be read or parsed stops the run with status 2.
    Run({{"expect 1002 \"10\"\n", ""}, // a good file
         {"expect 1002 \"10\"\n\nfrobnicate 3", "@:3: unknown command \"frobnicate\""},
         {"expect 1002 \"10", "@:1: text without its closing quote"},
         {"expect 1002 \"a\\n\"", "@:1: bad escape in text"},
         {"expect 1002 10", "@:1: expect: expected the expected text in quotes"},
         {"click", "@:1: click: missing a control id"},
         {"click 1001 0", "@:1: click: a count must be at least 1"},
         {"key return", "@:1: key: expected up, down"},
         {"key alt+F", "@:1: key: expected up, down"},
         {"key alt+10", "@:1: key: expected up, down"},
         {"key tab 0", "@:1: key: a count must be at least 1"},
         {"expect-checked 1092 maybe", "@:1: expect-checked: expected yes or no"},
         {"close now", "@:1: close: too many arguments"},
         {"dialog \"About\" 1134=x", "@:1: dialog: expected ID=\"TEXT\""},
         {"expect 1002 \"a\"\"b\"", "@:1: arguments must be separated by spaces"},
         {"click 1001\ncatalog x", "@:2: catalog: only allowed as the first command"},
         {"click TonnageUp", "@:1: click: expected a control id or member name"}},
        2, " " + dir.File("absent"));
    EXPECT_NE(output.find(dir.File("absent") + ":0: cannot read the file"), std::string::npos);
    EXPECT_EQ(output.find("PASS"), std::string::npos) << "nothing runs: " << output;
    Run({}, 2); // no file
}

} // namespace
