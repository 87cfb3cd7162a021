#include "tools/brelfx_config/settings_check.h"

#include <gtest/gtest.h>

#include "settings/block_defaults.h"
#include "settings/profile_file.h"

namespace brelfx::config_tool {
namespace {

std::string DefaultProfileText() {
  ProfileRecord profile;
  SetProfileDefaults(profile, 0);
  IniDocument doc;
  WriteProfile(doc, profile);
  return doc.Text();
}

std::string Replace(std::string text, const std::string& line, const std::string& with) {
  const std::size_t at = text.find(line);
  const std::size_t end = text.find("\r\n", at);
  return text.replace(at, end - at, with);
}

std::vector<std::string> Messages(const std::vector<Problem>& problems) {
  std::vector<std::string> messages;
  for (const Problem& p : problems) messages.push_back(p.key + ": " + p.what);
  return messages;
}

TEST(SettingsCheck, EachKindOfProblemInAProfile) {
  const std::string good = DefaultProfileText();
  EXPECT_TRUE(CheckProfileText(good).empty());

  KeyAssignment wrong{};
  wrong.KeyIndex = 9;
  wrong.ActionCount = 600;
  IniDocument doc(good);
  doc.WriteStruct("Setting", "MacroKeyInfo2", &wrong, sizeof(wrong));
  std::string text = doc.Text();
  text = Replace(text, "KBSpeed=", "KBSpeed=32");
  text = Replace(text, "MediaOption=", "MediaOption=abc");
  text = Replace(text, "LtTimeout=", "LtTimeout=-99999");  // no documented range
  text = Replace(text, "ProFileName=", "ProFileName=" + std::string(250, 'n'));
  text = Replace(text, "FixedLtInfo=", "FixedLtInfo=00010590FE95");
  text = Replace(text, "CCLtInfo=", "CCLtInfo=0000000000");
  text = Replace(text, "MacroKeyInfo7=", "MacroKeyInfo7=0G");
  text = Replace(text, "MacroKeyInfo9=", "Macro9=");
  text.replace(text.find("MacroKeyInfo8=") + 14, 2, "0x");
  EXPECT_EQ(Messages(CheckProfileText(text)),
            (std::vector<std::string>{
                "ProFileName: text of 250 characters, at most 249 fit",
                "KBSpeed: 32 is outside 0-31",
                "MediaOption: 'abc' is not a number",
                "FixedLtInfo: struct value checksum does not match",
                "CCLtInfo: struct value of 10 digits, expected 12",
                "MacroKeyInfo2: key index 9 stored at position 2",
                "MacroKeyInfo2: action count 600 above 500",
                "MacroKeyInfo7: struct value of 2 digits, expected 5066",
                "MacroKeyInfo8: struct value holds a character that is not a hex digit",
                "MacroKeyInfo9: missing",
            }));
}

TEST(SettingsCheck, ConfigIniValuesAndAMissingSection) {
  EXPECT_EQ(Messages(CheckConfigText("[Setting]\r\nCurrentProfile=5\r\nWindowsProfile=-1\r\n"
                                     "QuickHelpLan=17\r\nMouseType=x\r\n")),
            (std::vector<std::string>{"CurrentProfile: 5 is outside 0-4",
                                      "QuickHelpLan: 17 is outside 0-16",
                                      "MouseType: 'x' is not a number", "InfoData: missing"}));
  EXPECT_EQ(Messages(CheckProfileText("KBDelay=1\n[Other]\n")),
            (std::vector<std::string>{"[Setting]: section missing"}));
}

}  // namespace
}  // namespace brelfx::config_tool
