#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <string>

namespace brelfx {
namespace {

TEST(IniDocument, NamesIgnoreCaseAndSurroundingBlanks) {
  IniDocument doc;
  doc.WriteInt("Setting", "LtBreathSwitch ", 1);
  doc.WriteInt("Setting", "LtColorType  ", 2);
  doc.WriteInt("Setting", "LtSwitch", 3);
  EXPECT_EQ(doc.Text(), "[Setting]\r\nLtBreathSwitch=1\r\nLtColorType=2\r\nLtSwitch=3\r\n");
  EXPECT_EQ(doc.ReadInt("Setting", "LtBreathSwitch ", -1), 1);
  EXPECT_EQ(doc.ReadInt("Setting", "LtBreathSwitch", -1), 1);
  EXPECT_EQ(doc.ReadInt(" SETTING", "ltcolortype", -1), 2);
  EXPECT_EQ(doc.ReadInt("Setting", "LtSwitch ", -1), 3);

  const IniDocument spaced("  [ setting ]  \n  ltswitch   =   4  \n");
  EXPECT_EQ(spaced.ReadInt("Setting", "LtSwitch ", -1), 4);
}

TEST(IniDocument, ReadIntTakesTheLeadingSignedNumber) {
  const IniDocument doc(
      "[S]\nneg=-1\nplus=+7\ntail=12abc\nword=abc\nempty=\nblank=   42   \nquoted=\"5\"\n"
      "big=4294967297\n");
  EXPECT_EQ(doc.ReadInt("S", "neg", 9), -1);
  EXPECT_EQ(doc.ReadInt("S", "plus", 9), 7);
  EXPECT_EQ(doc.ReadInt("S", "tail", 9), 12);
  EXPECT_EQ(doc.ReadInt("S", "word", 9), 0);
  EXPECT_EQ(doc.ReadInt("S", "empty", 9), 9);
  EXPECT_EQ(doc.ReadInt("S", "blank", 9), 42);
  EXPECT_EQ(doc.ReadInt("S", "quoted", 9), 5);
  EXPECT_EQ(doc.ReadInt("S", "big", 9), 1);  // wraps like 32-bit arithmetic
  EXPECT_EQ(doc.ReadInt("S", "missing", 9), 9);
  EXPECT_EQ(doc.ReadInt("Other", "neg", -5), -5);
}

TEST(IniDocument, ReadStringTrimsUnquotesAndCutsTo2047) {
  const std::string longValue(3000, 'x');
  const IniDocument doc("[S]\r\na =  two words \r\nq=\"quoted \"\r\ns='single'\r\nhalf=\"open\r\n"
                        "long=" + longValue + "\r\n");
  EXPECT_EQ(doc.ReadString("S", "a", "d"), "two words");
  EXPECT_EQ(doc.ReadString("S", "q", "d"), "quoted ");
  EXPECT_EQ(doc.ReadString("S", "s", "d"), "single");
  EXPECT_EQ(doc.ReadString("S", "half", "d"), "\"open");
  EXPECT_EQ(doc.ReadString("S", "long", "d"), std::string(2047, 'x'));
  EXPECT_EQ(doc.ReadString("S", "none", "dflt"), "dflt");
  EXPECT_EQ(doc.Find("S", "long")->size(), 3000u);  // struct values are not cut
}

TEST(IniDocument, FirstSectionAndFirstKeyWin) {
  const IniDocument doc("[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nonly=5\n");
  EXPECT_EQ(doc.ReadInt("A", "k", 0), 1);
  EXPECT_EQ(doc.ReadInt("B", "k", 0), 3);
  EXPECT_EQ(doc.ReadInt("A", "only", 0), 0);  // only the first [A] is searched
}

TEST(IniDocument, WritesReplaceInPlaceAndAppendAtTheRightPlace) {
  IniDocument doc(
      "; saved by hand\n[Setting]\nKBDelay = 1\n; keep me\nKBSpeed=31\n\n[Other]\nx=1\n");
  doc.WriteInt("setting", "kbdelay", 3);
  doc.WriteInt("Setting", "MediaOption", 4);
  doc.WriteString("New", "Key", "v");
  doc.WriteString("Other", "y", "2");
  EXPECT_EQ(doc.Text(),
            "; saved by hand\r\n[Setting]\r\nKBDelay=3\r\n; keep me\r\nKBSpeed=31\r\n"
            "MediaOption=4\r\n\r\n[Other]\r\nx=1\r\ny=2\r\n[New]\r\nKey=v\r\n");
  EXPECT_EQ(doc.ReadInt("Setting", "MediaOption", 0), 4);
  EXPECT_EQ(doc.ReadInt("Setting", "KBDelay", 0), 3);
}

TEST(IniDocument, OddLinesNeitherCrashNorConfuse) {
  const IniDocument doc(
      "\xEF\xBB\xBF[S]\r\nk=1\r\n[Broken\r\nafter=2\r\nnoequals\r\n=anon\r\n[T]x\r\nz=3");
  EXPECT_EQ(doc.ReadInt("S", "k", 0), 1);
  EXPECT_EQ(doc.ReadInt("S", "after", 0), 2);  // an unterminated header opens no section
  EXPECT_EQ(doc.ReadInt("T", "z", 0), 3);      // last line without a line end
  EXPECT_EQ(doc.ReadInt("S", "noequals", -1), -1);
  EXPECT_EQ(doc.ReadString("S", "", "d"), "anon");
}

TEST(IniDocument, AByteOrderMarkIsWrittenBackAndRewritingIsStable) {
  IniDocument doc("\xEF\xBB\xBF[S]\nk=1");
  doc.WriteInt("S", "j", 2);
  EXPECT_EQ(doc.Text(), "\xEF\xBB\xBF[S]\r\nk=1\r\nj=2\r\n");

  // A second mark is text of the first line and stays where it was.
  const IniDocument twice("\xEF\xBB\xBF\xEF\xBB\xBF");
  EXPECT_EQ(IniDocument(twice.Text()).Text(), twice.Text());
}

// UTF-16LE bytes with their mark, for a text of ASCII and Latin-1 characters.
std::string Utf16Le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

// Saved as "Unicode" in Notepad: read as ANSI, written back as UTF-16LE.
TEST(IniDocument, AUtf16FileIsReadAndWrittenBackInUtf16) {
  IniDocument doc(Utf16Le(u"[Setting]\r\nProFileName=\u00C9quipe \u20AC\u4E00\r\nKBDelay=2\r\n"));
  EXPECT_EQ(doc.ReadString("Setting", "ProFileName", ""), "\xC9quipe \x80?");
  EXPECT_EQ(doc.ReadInt("Setting", "KBDelay", 0), 2);
  doc.WriteString("Setting", "GameFile0", "C:\\Jeux\\\xE9t\xE9.exe");
  EXPECT_EQ(doc.Text(), Utf16Le(u"[Setting]\r\nProFileName=\u00C9quipe \u20AC?\r\nKBDelay=2\r\n"
                                u"GameFile0=C:\\Jeux\\\u00E9t\u00E9.exe\r\n"));
  EXPECT_EQ(IniDocument::Over(doc.Text()).ReadString("Setting", "GameFile0", ""),
            "C:\\Jeux\\\xE9t\xE9.exe");
}

// A UTF-8 file with its mark takes ANSI text as UTF-8; bytes that are not
// UTF-8 (ANSI written into it by older versions) read as what they were.
TEST(IniDocument, AUtf8FileWithItsMarkStaysUtf8) {
  IniDocument doc("\xEF\xBB\xBF[S]\r\nname=\xC3\x89quipe\r\nold=\xE9t\xE9\r\n");
  EXPECT_EQ(doc.ReadString("S", "name", ""), "\xC9quipe");
  EXPECT_EQ(doc.ReadString("S", "old", ""), "\xE9t\xE9");
  doc.WriteString("S", "new", "\xE0 \x80");
  EXPECT_EQ(doc.Text(),
            "\xEF\xBB\xBF[S]\r\nname=\xC3\x89quipe\r\nold=\xC3\xA9t\xC3\xA9\r\n"
            "new=\xC3\xA0 \xE2\x82\xAC\r\n");
}

TEST(IniDocument, AValueCannotInjectLines) {
  IniDocument doc;
  doc.WriteString("S", "name", "first\r\n[S]\r\nKBDelay=3");
  EXPECT_EQ(doc.Text(), "[S]\r\nname=first\r\n");
}

}  // namespace
}  // namespace brelfx
