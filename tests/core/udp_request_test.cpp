#include <gtest/gtest.h>

#include <random>

#include "core/acquisition/udp_request.h"

using namespace tovrin;

namespace {

// Reply lines "L1".."Ln", so each answer shows which lines it read.
std::vector<std::string> numbered(int n) {
  std::vector<std::string> v;
  for (int i = 1; i <= n; ++i) v.push_back("L" + std::to_string(i) + ";");
  return v;
}

}  // namespace

TEST(UdpRequestTest, GreetingAndLogLine) {
  EXPECT_EQ(udpGreeting("2026/12/10 09:30:00"), "xxx   2026/12/10 09:30:00");
  EXPECT_EQ(udpLogLine("127.0.0.1", "REQ0000"), "127.0.0.1: REQ0000");
  EXPECT_EQ(udpLogLine("10.0.0.1", std::string("A\r\nB\0\x7f\xe4~", 8)), "10.0.0.1: A??B???~");
  const std::string big(65000, 'x');
  EXPECT_EQ(udpLogLine("1.2.3.4", big), "1.2.3.4: " + std::string(1024, 'x'));
}

TEST(UdpRequestTest, ParseTable) {
  struct Case {
    std::string datagram;
    bool request, number;
    int n;
  };
  const Case cases[] = {
      {"REQ0000", true, true, 0},   {"REQ0042", true, true, 42}, {"REQ-999", true, true, -999},
      {"REQ+012", true, true, 12},  {"REQ12", false, false, 0},  {"REQ00000", false, false, 0},
      {"RCX0000", false, false, 0}, {"REQ 012", true, false, 0}, {"REQ12ab", true, false, 0},
      {"REQ--12", true, false, 0},  {"REQ-", false, false, 0},   {"REQ+   ", true, false, 0},
      {"req0000", false, false, 0},
  };
  for (const Case& c : cases) {
    const UdpRequest r = parseUdpRequest(c.datagram);
    EXPECT_EQ(r.isRequest, c.request) << c.datagram;
    EXPECT_EQ(r.isNumber, c.number) << c.datagram;
    EXPECT_EQ(r.n, c.n) << c.datagram;
  }
}

TEST(UdpRequestTest, AnswersWithTheEmptyReplyList) {
  using V = std::vector<std::string>;
  EXPECT_EQ(udpAnswer("REQ0000", {}, ""), (V{"RCX", "RCV", "END"}));
  EXPECT_EQ(udpAnswer("REQ0005", {}, ""), (V{"RCX", "RCV"}));
  EXPECT_EQ(udpAnswer("REQ-999", {}, ""), (V{"RCX", "RCV", "END"}));
  EXPECT_EQ(udpAnswer("REQ1x34", {}, ""), (V{"END"}));
  EXPECT_EQ(udpAnswer("REQ12", {}, ""), V{});
  EXPECT_EQ(udpAnswer("RCV", {}, ""), V{});
  EXPECT_EQ(udpAnswer("END", {}, ""), V{});
}

TEST(UdpRequestTest, AnswersWithAFilledList) {
  using V = std::vector<std::string>;
  const auto list = numbered(45);
  // diff 45: rest 5 (lines 45..41), blocks 2 (lines 40..21, then 20..1).
  const V all = {"RCXhead",
                 "RCVL45;L44;L43;L42;L41;",
                 "RCVL40;L39;L38;L37;L36;L35;L34;L33;L32;L31;L30;L29;L28;L27;L26;L25;L24;L23;L22;L21;",
                 "RCVL20;L19;L18;L17;L16;L15;L14;L13;L12;L11;L10;L9;L8;L7;L6;L5;L4;L3;L2;L1;",
                 "END"};
  EXPECT_EQ(udpAnswer("REQ0000", list, "head"), all);
  EXPECT_EQ(udpAnswer("REQ-001", list, "head"), all);
  // n = 3: diff 42, rest 2 (lines 45, 44), blocks 2 (lines 40..1); 43..41 are not sent.
  EXPECT_EQ(udpAnswer("REQ0003", list, "head"), (V{"RCXhead", "RCVL45;L44;", all[2], all[3], "END"}));
  // n = 45: nothing left, end.
  EXPECT_EQ(udpAnswer("REQ0045", list, "head"), (V{"RCXhead", "RCV", "END"}));
  // n beyond the list: no lines, no end.
  EXPECT_EQ(udpAnswer("REQ0046", list, "head"), (V{"RCXhead", "RCV"}));
}

TEST(UdpRequestTest, AnyRequestReadsOnlyListedLinesAndIsBounded) {
  std::mt19937 rng(16);
  const std::string alphabet = "0123456789+- x";
  for (int list_round = 0; list_round < 60; ++list_round) {
    const int total = list_round == 0 ? 3000 : static_cast<int>(rng() % 3001);
    // The lines are their own numbers, so every line read is recognisable.
    std::vector<std::string> list;
    for (int i = 1; i <= total; ++i) list.push_back("<" + std::to_string(i) + ">");
    for (int round = 0; round < 60; ++round) {
    std::string req = "REQ";
    for (int i = 0; i < 4; ++i)
      req += round % 4 == 3 ? static_cast<char>(rng() % 256) : alphabet[rng() % alphabet.size()];
    const auto out = udpAnswer(req, list, "");
    ASSERT_LE(out.size(), static_cast<std::size_t>(3 + total / 20)) << req << " total " << total;
    for (const std::string& d : out) {
      ASSERT_GE(d.size(), 3u);
      std::string_view rest(d);
      rest.remove_prefix(3);
      while (!rest.empty()) {
        ASSERT_EQ(rest.front(), '<') << req;
        const std::size_t close = rest.find('>');
        const int k = std::stoi(std::string(rest.substr(1, close - 1)));
        ASSERT_GE(k, 1) << req;
        ASSERT_LE(k, total) << req;
        rest.remove_prefix(close + 1);
      }
    }
    }
  }
}
