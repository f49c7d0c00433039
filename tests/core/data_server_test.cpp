#include <gtest/gtest.h>

#include "core/acquisition/data_server.h"
#include "support/temp_dir.h"

using namespace tovrin;
using testing_support::TempDir;
using testing_support::writeBytes;

TEST(DataServerTest, AddressFromFourPartsIsTrimmedAndRefusesBlanks) {
  EXPECT_EQ(joinAddressParts({" 10", "0", "0 ", "1"}), "10.0.0.1");
  EXPECT_EQ(joinAddressParts({"ab", "c d", "x", "1:8080"}), "ab.c d.x.1:8080");  // stored as typed
  EXPECT_EQ(joinAddressParts({"10", "0", "", "1"}), std::nullopt);
  EXPECT_EQ(joinAddressParts({"10", "0", "0", "  \t"}), std::nullopt);
}

TEST(DataServerTest, StartupAddressIsTheFilesFirstLineOrTheDefault) {
  EXPECT_EQ(startupAddress({" 10.0.0.1 ", "192.168.1.1"}), "10.0.0.1");
  EXPECT_EQ(startupAddress({}), "127.0.0.1");
  EXPECT_EQ(startupAddress({"   ", "10.0.0.1"}), "127.0.0.1");
}

TEST(DataServerTest, AddressFileIsFoundWithoutRegardToCase) {
  TempDir dir;
  EXPECT_EQ(addressFile(dir.path()), dir.path() / "FtpServerIp.txt");  // none yet
  writeBytes(dir.path() / "Ftpserverip.txt", "10.0.0.1\r\n");
  EXPECT_EQ(addressFile(dir.path()), dir.path() / "Ftpserverip.txt");
  writeBytes(dir.path() / "FtpServerIp.txt", "10.0.0.2\r\n");
  EXPECT_EQ(addressFile(dir.path()), dir.path() / "FtpServerIp.txt");  // the exact name wins
}

TEST(DataServerTest, HostChecks) {
  struct Case {
    const char* address;
    bool usable, literal, unicast;
  };
  const Case cases[] = {
      {"127.0.0.1", true, true, true},
      {"127.0.0.1:8080", true, false, false},
      {"data-1.example.org", true, false, false},
      {"10.0.0.1:0", false, false, false},
      {"10.0.0.1:65536", false, false, false},
      {"10.0.0.1:", false, false, false},
      {"", false, false, false},
      {":80", false, false, false},
      {"a b.c", false, false, false},
      {"10.0.0.1/x", false, false, false},
      {"x@10.0.0.1", false, false, false},
      {"256.1.1.1", true, false, false},
      {"1.2.3", true, false, false},
      {"1.2.3.4.5", true, false, false},
      {"1..3.4", true, false, false},
      {"0.0.0.0", true, true, false},
      {"255.255.255.255", true, true, false},
      {"224.0.0.1", true, true, false},
      {"239.255.255.255", true, true, false},
      {"223.255.255.255", true, true, true},
      {"240.0.0.1", true, true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(usableHost(c.address), c.usable) << c.address;
    EXPECT_EQ(isIpv4Literal(c.address), c.literal) << c.address;
    EXPECT_EQ(isUnicastIpv4(c.address), c.unicast) << c.address;
  }
  EXPECT_EQ(hostPart("127.0.0.1:8080"), "127.0.0.1");
}

TEST(DataServerTest, TextDownloadUrl) {
  EXPECT_EQ(textDownloadUrl("127.0.0.1:8080", "hkmark6.txt"), "http://127.0.0.1:8080/txtftp/hkmark6.txt");
  EXPECT_EQ(textDownloadUrl("10.0.0.1", "RK8e49.txt"), "http://10.0.0.1/txtftp/RK8e49.txt");
}
