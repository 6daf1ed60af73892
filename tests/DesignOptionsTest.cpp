// The construction options, where a scenario would not show the rule
// plainly: the XL engine's half-ton rule over many engines, and every refusal
// showing exactly its caption and text, with no icon, and changing nothing.

#include "design/Arithmetic.h"
#include "tests/DesignSheet.h"

namespace {

const char kCaption[] = "EQUIPMENT ALLOCATION ERROR";
const char kNoRoom[] = "You do not have the critical spaces available";
const char kMixed[] =
    "You cannot mix single and double heat sinks.  Check heat sink type selection";

class OptionsTest : public DesignSheetTest {
  protected:
    // The one message box shown since the last check.
    void ExpectMessage(const char* text) {
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].caption, kCaption);
        EXPECT_EQ(platform.boxes[0].text, text);
        EXPECT_EQ(platform.boxes[0].type, MB_OK);
        platform.boxes.clear();
    }
};

TEST_F(OptionsTest, TheXLEngineHalvesTheEngineByTheHalfTonRule) {
    for (auto [tons, halved] :
         {std::pair{2.0f, 1.0f}, {2.5f, 1.5f}, {9.0f, 4.5f}, {8.5f, 4.5f}, {0.5f, 0.5f}})
        EXPECT_FLOAT_EQ(HalveByHalfTonRule(tons), halved) << tons;

    Click(IDC_XL_ENGINE);
    ASSERT_TRUE(Checked(IDC_XL_ENGINE));
    // Ratings whose engines weigh 0.5, 1.5, 3.0, 8.5, 9.0 and 52.5 t.
    for (auto [rating, shown] : {std::pair{10, "0.5"},
                                 {50, "1"},
                                 {90, "1.5"},
                                 {200, "4.5"},
                                 {210, "4.5"},
                                 {400, "26.5"}}) {
        sheet->m_nEngineRating = rating;
        sheet->LookUpEngine();
        sheet->UpdateData(false);
        EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), shown) << rating;
    }
}

TEST_F(OptionsTest, ARefusalShowsItsMessageAndChangesNothing) {
    PlaceEngineSink(sheet->m_listLeftLeg);
    FillTo(sheet->m_listLeftTorso, 12);
    FillTo(sheet->m_listRightTorso, 10);
    FillTo(sheet->m_listRightArm, 12);
    FillTo(sheet->m_listLeftArm, 7);
    ASSERT_EQ(sheet->FreeSlots(), 13);
    const DialogState before = sheet->State();
    const CKestravDesignValues values = *sheet;

    for (int box : {IDC_ENDO_STEEL, IDC_FERRO_FIBROUS, IDC_XL_ENGINE}) {
        Click(box);
        ExpectMessage(kNoRoom);
        EXPECT_FALSE(Checked(box)) << box;
    }
    Click(IDC_DOUBLE_HEATSINKS);
    ExpectMessage(kMixed);
    EXPECT_FALSE(Checked(IDC_DOUBLE_HEATSINKS));
    EXPECT_TRUE(values == static_cast<const CKestravDesignValues&>(*sheet));
    ASSERT_EQ(sheet->State().controls.size(), before.controls.size());
    for (std::size_t i = 0; i < before.controls.size(); ++i) {
        const ControlState& was = before.controls[i];
        const ControlState& now = sheet->State().controls[i];
        EXPECT_EQ(now.items, was.items) << was.id;
        EXPECT_EQ(now.selection, was.selection) << was.id;
        EXPECT_EQ(now.checked, was.checked) << was.id;
        EXPECT_EQ(now.text, was.text) << was.id;
    }

    // With fourteen free the same click succeeds and leaves none.
    sheet->m_listLeftArm.DeleteString(6);
    Click(IDC_ENDO_STEEL);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(Checked(IDC_ENDO_STEEL));
    EXPECT_EQ(sheet->FreeSlots(), 0);

    // A double sink placed while the option is on: switching it off is refused.
    g_nHeatSinks = 0;
    sheet->m_chkDoubleHeatSinks.SetCheck(BST_CHECKED);
    g_nDoubleSinks = 1;
    Click(IDC_DOUBLE_HEATSINKS);
    ExpectMessage(kMixed);
    EXPECT_TRUE(Checked(IDC_DOUBLE_HEATSINKS));
}

} // namespace
