// The help libraries in help\ beside the programs, loaded the way the option
// application loads them: as data, read with LoadStringW into 500 bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "platform/win32/handles.h"

namespace brelfx {
namespace {

// By language index; every other index falls back to English.
constexpr std::array<const wchar_t*, 17> kLibraryNames = {
    L"Danish_help.dll",   L"English_help.dll",      L"Finnish_help.dll", L"French_help.dll",
    L"German_help.dll",   L"Italian_help.dll",      L"Japanese_help.dll", L"Korean_help.dll",
    L"Polish_help.dll",   L"Russian_help.dll",      L"SimplChinese_help.dll",
    L"Spanish_help.dll",  L"Swedish_help.dll",      L"Thai_help.dll", L"TradChinese_help.dll",
    L"Turkish_help.dll",  L"Vietnamese_help.dll"};
constexpr size_t kEnglish = 1;

// Every id a window or page asks the library for.
std::set<UINT> RequiredIds() {
  std::set<UINT> ids = {1001, 1002, 1003, 1033, 1039, 1043, 1072, 1058};  // Min, Exit, the tabs
  for (UINT id = 1013; id <= 1031; ++id) ids.insert(id);  // profile commands, slots, OK/Apply/Cancel
  for (UINT id = 1048; id <= 1071; ++id) ids.insert(id);  // Advanced page
  for (UINT id = 1073; id <= 1086; ++id) ids.insert(id);  // Trovi page, key pages
  return ids;
}

std::filesystem::path HelpFolder() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return std::filesystem::path(exe).parent_path() / L"help";
}

std::string Utf8(const std::wstring& text) {
  std::string out(text.size() * 4, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

// The texts of every required id a library holds (missing ids are absent).
std::map<UINT, std::wstring> ReadHelpTexts(const wchar_t* name) {
  std::map<UINT, std::wstring> texts;
  UniqueModule library(LoadLibraryExW((HelpFolder() / name).c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  EXPECT_TRUE(library) << Utf8(name) << " does not load, error " << GetLastError();
  for (UINT id : RequiredIds()) {
    wchar_t buffer[250];
    int length = library ? LoadStringW(library.get(), id, buffer, 250) : 0;
    if (length > 0) texts[id] = std::wstring(buffer, length);
  }
  return texts;
}

TEST(HelpLibraries, HoldEveryHelpTextInEveryLanguage) {
  for (const wchar_t* name : kLibraryNames) {
    auto texts = ReadHelpTexts(name);
    for (UINT id : RequiredIds()) {
      EXPECT_TRUE(texts.contains(id)) << Utf8(name) << ": no text for id " << id;
    }
  }
}

TEST(HelpLibraries, AreTranslatedNotCopiedFromEnglish) {
  auto english = ReadHelpTexts(kLibraryNames[kEnglish]);
  ASSERT_EQ(english.size(), RequiredIds().size());
  for (size_t index = 0; index < kLibraryNames.size(); ++index) {
    if (index == kEnglish) continue;
    for (const auto& [id, text] : ReadHelpTexts(kLibraryNames[index])) {
      EXPECT_NE(text, english[id]) << Utf8(kLibraryNames[index]) << ": id " << id
                                   << " is still English: " << Utf8(text);
    }
  }
}

// Resource-only: a DLL with an entry point would run code when a program maps
// it, and a table that reached the wrong folder would not be found at all.
TEST(HelpLibraries, AreResourceOnlyModules) {
  for (const wchar_t* name : kLibraryNames) {
    std::ifstream file(HelpFolder() / name, std::ios::binary);
    ASSERT_TRUE(file) << Utf8(name) << " is not in the help folder";
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS64 nt{};
    file.read(reinterpret_cast<char*>(&dos), sizeof dos);
    file.seekg(dos.e_lfanew);
    file.read(reinterpret_cast<char*>(&nt), sizeof nt);
    ASSERT_TRUE(file && nt.Signature == IMAGE_NT_SIGNATURE) << Utf8(name);
    EXPECT_TRUE(nt.FileHeader.Characteristics & IMAGE_FILE_DLL) << Utf8(name);
    EXPECT_EQ(nt.OptionalHeader.AddressOfEntryPoint, 0u) << Utf8(name) << " has an entry point";
  }
}

}  // namespace
}  // namespace brelfx
