// The help document lists every message a user can meet: the sheet's
// refusals and start-up texts, the framework's own, and every reason the
// catalogue access gives for refusing a file (read from its source, so a new
// refusal without a line in the help fails here).

#include "design/Messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

std::string Read(const std::string& path) {
    std::ifstream file(std::string(KESTRAV_SOURCE_DIR) + "/" + path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs of blanks as one space, the document's quotation marks as written.
std::string Normalised(std::string text) {
    for (const auto& [entity, plain] :
         {std::pair<std::string, std::string>{"&ldquo;", "\""}, {"&rdquo;", "\""}, {"&amp;", "&"}})
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, entity.size(), plain);
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

TEST(HelpDocumentTest, ListsEveryMessageAUserCanMeet) {
    const std::string document = Normalised(Read("doc/index.html"));
    ASSERT_FALSE(document.empty());
    std::vector<std::string> messages = {
        kMixingSinksText,
        kCannotFitText,
        kOneHandPerArmText,
        kTwoHandsText,
        kInsufficientTonnageText,
        kNoRoomText,
        kCannotRemoveText,
        kUncheckBoxText,
        kJumpJetButtonText,
        kCannotMoveText,
        kNoRecordToMoveText,
        kEmptyCatalogueText + 2,
        kCataloguesUnreadText,
        kAllocationError,
        kEquipmentAllocationError,
        kEquipmentError,
        "Failed to launch help.",
        "Internal application error.",
        "Command failed.",
        "Please enter an integer.",
        "Please enter a number.",
        "These catalogue rows hold values the program cannot use and were left out:",
        "more rows left out.",
        "No current record: the catalogue has no record for",
        "the catalogue is not open.",
        "there is not enough memory to start."};
    // Each reason the catalogue access refuses a file for: the literal text
    // up to the first value put into it.
    const std::string source = Read("dao/DaoFileCheck.cpp") + Read("dao/DaoRecordset.cpp");
    const std::regex refusal(
        R"(Refuse\(file,\s*(?:[\w.()]+ == EACCES\s*\?\s*)?(?:std::string\()?"([^"]+)\")");
    std::size_t reasons = 0;
    for (std::sregex_iterator it(source.begin(), source.end(), refusal), end; it != end; ++it) {
        messages.push_back((*it)[1]);
        ++reasons;
    }
    EXPECT_GE(reasons, 18u);
    for (const std::string& message : messages) {
        const std::string wanted = Normalised(message);
        EXPECT_NE(document.find(wanted.substr(0, wanted.find_last_not_of(" :\n") + 1)),
                  std::string::npos)
            << "the help does not list: " << message;
    }
}

} // namespace
