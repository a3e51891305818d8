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
  struct Caso {
    int lingua;
    std::uint16_t vk;
    std::vector<std::string> attesi;
  } casi[] = {
      {1, VK_UP, {"Black: 02:00:00"}},
      {1, VK_UP, {"White: 02:00:00"}},
      {1, VK_UP, {"Move 1, white's turn, clock stopped"}},
      {1, VK_UP, {"Plies: reversible 0, total 0"}},
      {1, VK_DOWN, {"Move 1, white's turn, clock stopped"}},
      {1, VK_HOME, {}},  // the empty top row: nothing to read
      {1, VK_DOWN, {"@Time control: "}},
      {1, VK_END, {"edit"}},   // said by END itself, the row is not read over it
      {1, VK_DOWN, {"edit"}},  // the cursor stays on its row
      {1, 'E', {}},
      {0, VK_UP, {"Nero: 02:00:00"}},
      {0, VK_UP, {"Bianco: 02:00:00"}},
      {0, VK_DOWN, {"Nero: 02:00:00"}},
      {0, VK_DOWN, {"editazione"}},
      {2, VK_UP, {"Negras: 02:00:00"}},
      {2, VK_UP, {"Blancas: 02:00:00"}},
      {2, VK_UP, {"Movida 1, turno de las blancas, relój Detenido"}},
  };
  for (const auto& c : casi) {
    AvviaInLingua(c.lingua);
    Premi(c.vk);
    auto detti = Detti();
    // "@" asks only for the beginning of the row (its text is another concern).
    if (c.attesi.size() == 1 && c.attesi[0][0] == '@') {
      ASSERT_EQ(detti.size(), 1u);
      EXPECT_EQ(detti[0].rfind(c.attesi[0].substr(1), 0), 0u) << detti[0];
      continue;
    }
    EXPECT_EQ(detti, c.attesi) << "lang " << c.lingua << " key " << c.vk;
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
