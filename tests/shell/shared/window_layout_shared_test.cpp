// What the window shows and how Tab moves through it, the same on both systems.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "window_driver.h"
#include "window_expectations.h"

namespace sigillo::test {
namespace {

// The controls Tab visits, in turn, when only those enabled at start or all are.
std::vector<std::string> TabCycle(bool all_enabled) {
  std::vector<const ControlRow*> stops;
  for (const ControlRow& row : kControls) {
    if (row.tab_order >= 0 && (row.enabled || all_enabled)) stops.push_back(&row);
  }
  std::sort(stops.begin(), stops.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tab_order < b->tab_order; });
  std::vector<std::string> names;
  for (const ControlRow* row : stops)
    names.emplace_back(row->name);
  return names;
}

TEST_P(LayoutTest, OpenDialogTexts) {
  const bool swedish = GetParam();
  const auto w = OpenWindow({}, LocaleOf(swedish));
  EXPECT_EQ(w->frm().odOpenDialog->Title(), swedish ? u"Bläddra..." : u"浏览...");
  EXPECT_EQ(w->frm().odOpenDialog->Filter(),
            swedish ? u"Alla filer (*.*)|*.*" : u"全部文件 (*.*)|*.*");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LayoutTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "Swedish" : "Second";
                         });

TEST(WindowTest, TabOrderVisitsTheEnabledInputsInTurn) {
  const std::vector<std::string> at_start = TabCycle(false);
  ASSERT_EQ(at_start.size(), 4u);
  const auto w = OpenWindow();
  w->ShowActive();
  EXPECT_EQ(w->FocusName(), at_start.front());
  for (size_t i = 1; i <= at_start.size(); ++i) {
    w->PressKey(NamedKey::kTab);
    EXPECT_EQ(w->FocusName(), at_start[i % at_start.size()]);
  }
  // With both action buttons enabled for the test, they follow in their order.
  const std::vector<std::string> all = TabCycle(true);
  ASSERT_EQ(all.size(), 6u);
  w->SetControlEnabled("btnEncrypt", true);
  w->SetControlEnabled("btnDecrypt", true);
  w->FocusControl(all[3].c_str());
  for (size_t i = 4; i <= all.size(); ++i) {
    w->PressKey(NamedKey::kTab);
    EXPECT_EQ(w->FocusName(), all[i % all.size()]);
  }
}

}  // namespace
}  // namespace sigillo::test
