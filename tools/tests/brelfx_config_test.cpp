#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <cstdio>
#include <sstream>

#include "platform/path.h"
#include "settings/ini_file.h"
#include "settings/settings_block.h"
#include "tests/support/temp_folder.h"
#include "tools/brelfx_config/command.h"

namespace brelfx::config_tool {
namespace {

using test::ReadFileText;
using test::WriteFileText;

struct Result {
  int code;
  std::string out, err;
};

class BrelfxConfig : public ::testing::Test {
 protected:
  Result Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const Host host{SystemFileSystem(), NoRegistry(), UsKeyboardLayout(), 0};
    const int code = RunBrelfxConfig(args, out, err, host);
    return {code, out.str(), err.str()};
  }
  // One line on stderr, starting with the tool's name.
  static void ExpectOneErrorLine(const Result& r) {
    EXPECT_EQ(r.err.rfind("brelfx-config: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  std::string ProfilePath(int slot) {
    return JoinPath(JoinPath(dir_, "config"), "Default" + std::to_string(slot) + ".tkp");
  }
  test::TempFolder folder_;
  std::string dir_ = folder_.Join("brel");
};

TEST_F(BrelfxConfig, UsageErrorsExitTwoWithOneLine) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"frobnicate"}, {"init"}, {"show"}, {"show", dir_, "--yaml"}, {"check"},
           {"show", folder_.Join("absent")}, {"check", folder_.Join("absent")}}) {
    const Result r = Run(args);
    EXPECT_EQ(r.code, kExitUsage) << (args.empty() ? "" : args[0]);
    ExpectOneErrorLine(r);
  }
  const Result help = Run({"help"});
  EXPECT_EQ(help.code, kExitOk);
  EXPECT_NE(help.out.find("show DIR [--json]"), std::string::npos);
}

TEST_F(BrelfxConfig, InitWritesTheDefaultsThatCheckAccepts) {
  ASSERT_EQ(Run({"init", dir_}).code, kExitOk);
  const std::string config = ReadFileText(JoinPath(dir_, "config.ini"));
  EXPECT_EQ(config.rfind("[Setting]\r\nCurrentProfile=0\r\nWindowsProfile=-1\r\nQuickHelpLan=1\r\n"
                         "MouseType=0\r\nInfoData=" + std::string(290, '0') + "\r\n", 0),
            0u);
  const Result check = Run({"check", dir_});
  EXPECT_EQ(check.code, kExitOk) << check.out;
  EXPECT_EQ(check.out, "");
}

TEST_F(BrelfxConfig, ShowJsonHasTheDocumentedShape) {
  ASSERT_EQ(Run({"init", dir_}).code, kExitOk);
  // A name with a Windows-1252 byte and a Kalim key of a known device.
  const std::string profile0 = ProfilePath(0);
  IniFile(profile0).WriteString("Setting", "ProFileName", "Caf\xE9 \x80");
  WriteFileText(JoinPath(dir_, "DeviceInfo.ini"),
                "[Setting]\r\nCount=1\r\n[Device0]\r\nPID=66\r\nName=Rodent\r\nCPI 0=400\r\n");
  KeyAssignment key{};
  key.KeyIndex = 3;
  key.FunctionCode = 0xF7;
  key.TargetPid = 66;
  key.ActionCount = 2;
  key.Actions[1] = MacroEvent{0x04, 2, 300};
  IniFile(profile0).WriteStruct("Setting", "MacroKeyInfo3", &key, sizeof(key));

  const Result r = Run({"show", dir_, "--json"});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  const auto json = nlohmann::ordered_json::parse(r.out);
  std::vector<std::string> top;
  for (const auto& item : json.items()) top.push_back(item.key());
  EXPECT_EQ(top, (std::vector<std::string>{"CurrentProfile", "WindowsProfile", "QuickHelpLan",
                                           "MouseType", "InfoData", "profiles"}));
  EXPECT_EQ(json["InfoData"].size(), 36u);
  ASSERT_EQ(json["profiles"].size(), 5u);
  const auto& p0 = json["profiles"][0];
  EXPECT_EQ(p0.size(), 24u);
  EXPECT_EQ(p0["ProFileName"], "Caf\u00e9 \u20ac");
  EXPECT_EQ(p0["FixedLtInfo"], nlohmann::ordered_json::parse("[0,1,5,144,254]"));
  EXPECT_EQ(p0["ModifyKey"], nlohmann::ordered_json::parse("[1,1,1,1,1,1]"));
  ASSERT_EQ(p0["keys"].size(), 58u);
  EXPECT_EQ(p0["keys"][0]["text"], "Shift+1");
  EXPECT_EQ(p0["keys"][10]["text"], "1");
  EXPECT_EQ(p0["keys"][57]["text"], "Disabled");
  const auto& k3 = p0["keys"][3];
  EXPECT_EQ(k3.size(), 13u);
  EXPECT_EQ(k3["code"], 0xF7);
  EXPECT_EQ(k3["text"], "Rodent Kalim 400");
  EXPECT_EQ(k3["count"], 2);
  EXPECT_EQ(k3["actions"], nlohmann::ordered_json::parse("[[0,0,0],[4,2,300]]"));
  EXPECT_EQ(json["profiles"][4]["ProFileName"], "Default5");

  const Result table = Run({"show", dir_});
  EXPECT_EQ(table.code, kExitOk);
  EXPECT_NE(table.out.find("key  3  0xF7  Rodent Kalim 400  (2 actions)"), std::string::npos);
}

TEST_F(BrelfxConfig, BadFilesNeverCrashIt) {
  ASSERT_EQ(Run({"init", dir_}).code, kExitOk);
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 167) & 0xFF);
  const std::string contents[] = {
      "",
      binary,
      "[Setting]\r\nProFileName=" + std::string(100 * 1024, 'x') + "\r\n",
      "[Setting\r\nKBDelay=1\r\n[Setting]\r\nMacroKeyInfo0=" + std::string(5066, 'Z'),
      std::string(100 * 1024, '['),
  };
  for (const std::string& text : contents) {
    for (int slot = 0; slot < 5; ++slot) WriteFileText(ProfilePath(slot), text);
    WriteFileText(JoinPath(dir_, "config.ini"), text);
    WriteFileText(JoinPath(dir_, "DeviceInfo.ini"), text);
    EXPECT_EQ(Run({"show", dir_, "--json"}).code, kExitOk);
    EXPECT_EQ(Run({"show", dir_}).code, kExitOk);
    const Result check = Run({"check", dir_, ProfilePath(2)});
    EXPECT_EQ(check.code, kExitProblems);
    EXPECT_NE(check.out.find(ProfilePath(2) + ": "), std::string::npos);
  }
}

TEST_F(BrelfxConfig, CheckNamesFileKeyAndProblem) {
  ASSERT_EQ(Run({"init", dir_}).code, kExitOk);
  const std::string path = ProfilePath(1);
  IniFile(path).WriteString("Setting", "KBDelay", "9");
  std::string text = ReadFileText(path);
  text.replace(text.find("SoundSens="), 1, ";");
  WriteFileText(path, text);
  const std::string missing = ProfilePath(4);
  std::remove(missing.c_str());
  const Result r = Run({"check", dir_});
  EXPECT_EQ(r.code, kExitProblems);
  EXPECT_EQ(r.out, path + ": KBDelay: 9 is outside 0-3\n" + path + ": SoundSens: missing\n" +
                       missing + ": file missing\n");
}

}  // namespace
}  // namespace brelfx::config_tool
