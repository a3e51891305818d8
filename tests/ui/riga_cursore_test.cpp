// On a terminal the speech channel reads the row the cursor moved to, as a
// Windows screen reader would, unless the key has spoken already.
#include <string>
#include <vector>

#include "platform/console_traits.h"
#include "tests/ui/ascolto.h"

namespace {

using RigaCursore = Ascolto;

TEST_F(RigaCursore, PanelRowsAreReadWhenTheKeySaidNothing) {
  if (platform::kScreenReaderFollowsConsole) GTEST_SKIP() << "the screen reader reads the rows";
  const std::pair<std::uint16_t, std::vector<std::string>> casi[] = {
      {VK_UP, {"Black: 02:00:00"}},
      {VK_UP, {"White: 02:00:00"}},
      {VK_UP, {"Move 1, white's turn, clock stopped"}},
      {VK_UP, {"Plies: reversible 0, total 0"}},
      {VK_DOWN, {"Move 1, white's turn, clock stopped"}},
      {VK_HOME, {}},  // the empty top row: nothing to read
      {VK_DOWN, {"@Time control: "}},
      {VK_END, {"edit"}},   // said by END itself, the row is not read over it
      {VK_DOWN, {"edit"}},  // the cursor stays on its row
      {'E', {}},
  };
  AvviaConCanale(1, 2);
  for (const auto& [vk, attesi] : casi) {
    Premi(vk);
    std::vector<std::string> detti = Detti();
    // "@" asks only for the beginning of the row (its text is another concern).
    if (detti.size() == 1 && attesi.size() == 1 && attesi[0][0] == '@')
      detti[0] = "@" + detti[0].substr(0, attesi[0].size() - 1);
    EXPECT_EQ(detti, attesi) << "key " << vk;
  }
  // The row is read interrupting whatever was being said.
  Premi(VK_UP);
  ASSERT_EQ(canale_finto::detti.size(), 1u);
  EXPECT_TRUE(canale_finto::detti[0].interrotto);
}

TEST_F(RigaCursore, WithTheDialogBoxChannelNothingIsRead) {
  AvviaConCanale(1, 0);
  for (std::uint16_t vk : {VK_UP, VK_UP, VK_UP, VK_HOME, VK_DOWN, VK_END}) Premi(vk);
  EXPECT_TRUE(canale_finto::detti.empty());
  EXPECT_TRUE(fake.dialogs.empty());
}

}  // namespace
