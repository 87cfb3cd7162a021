#include "option/app/trovi_page/share/web_address.h"

#include <gtest/gtest.h>

#include <string>

namespace brelfx {
namespace {

std::string AddressOfLength(std::size_t length) {
  std::string address = "https://share.example/t/";
  address.resize(length, 'a');
  return address;
}

TEST(WebAddressFromReply, TakesOnePlainAddressWithoutItsLineEnd) {
  EXPECT_EQ(WebAddressFromReply("https://share.example/trophy?id=17&x=%41#top\r\n"),
            "https://share.example/trophy?id=17&x=%41#top");
  EXPECT_EQ(WebAddressFromReply("http://127.0.0.1:8080/t\n"), "http://127.0.0.1:8080/t");
  EXPECT_EQ(WebAddressFromReply("HTTPS://Share.Example"), "HTTPS://Share.Example");
  EXPECT_EQ(WebAddressFromReply(AddressOfLength(kMaxWebAddressLength)),
            AddressOfLength(kMaxWebAddressLength));
}

// What the shell would run or hand to another handler instead of a browser.
TEST(WebAddressFromReply, RefusesWhatIsNotAPlainWebAddress) {
  const std::string refused[] = {
      "",
      "\n",
      "calc.exe",
      "C:\\Windows\\System32\\calc.exe",
      "\\\\server\\share\\setup.exe",
      "file:///C:/Windows/System32/calc.exe",
      "javascript:alert(1)",
      "ftp://share.example/t",
      "https:/share.example/t",
      "https://",
      "http:///etc/passwd",
      "https://?q=1",
      "https://share.example/t\r\nhttps://other.example/",
      "https://share.example/t\n\n",
      "https://share.example/a b",
      "https://share.example/t\tcalc.exe",
      "https://share.example/\"calc.exe",
      "https://share.example/'x'",
      "https://share.example\\..\\calc.exe",
      "https://share.example/<script>",
      std::string("https://share.example/t\0.exe", 29),
      "https://share.example/caf\xC3\xA9",
      " https://share.example/t",
      AddressOfLength(kMaxWebAddressLength + 1),
  };
  for (const std::string& reply : refused) {
    EXPECT_FALSE(WebAddressFromReply(reply)) << '"' << reply << '"';
  }
}

}  // namespace
}  // namespace brelfx
