// The message boxes of a run as the user must see them, for the tests of both systems.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "toolz/text.h"
#include "window_driver.h"

namespace sigillo::test {

inline const Text kComplete =
    u"Filen är nu krypterad till en temporär fil. Vill du fullfölja krypteringen och förstöra "
    u"originalfilen och ersätta den med den krypterade temporära filen?";

// A box as the test expects it; a question has Yes and No, anything else OK.
struct Box {
  Text text;
  Text caption;
  BoxIcon icon;
};

inline const Box kContinue{u"Fortsätta?", u"Bekräfta", BoxIcon::kQuestion};
inline const Box kCompleteBox{kComplete, u"Bekräfta", BoxIcon::kQuestion};
inline const Box kDone{u"Klart!", u"Information", BoxIcon::kInformation};

inline void ExpectBoxes(const BoxUser& user, const std::vector<Box>& expected) {
  EXPECT_EQ(user.Unexpected(), 0);
  const std::vector<BoxSeen> seen = user.Seen();
  ASSERT_EQ(seen.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(seen[i].text, expected[i].text);
    EXPECT_EQ(seen[i].caption, expected[i].caption);
    EXPECT_EQ(seen[i].icon, expected[i].icon);
    const std::vector<Answer> buttons = expected[i].icon == BoxIcon::kQuestion
                                            ? std::vector<Answer>{Answer::kYes, Answer::kNo}
                                            : std::vector<Answer>{Answer::kOk};
    EXPECT_EQ(seen[i].buttons, buttons);
    EXPECT_TRUE(seen[i].held_by_window);
  }
}

}  // namespace sigillo::test
