// The notice's lines as links, the addresses that may reach the shell, and the notice server's
// host read from the program's ini file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/notice_links.h"

namespace {

using app::NoticeLink;

std::vector<std::string> Captions(const std::vector<NoticeLink>& links)
{
    std::vector<std::string> captions;
    for (const NoticeLink& link : links) {
        captions.push_back(link.caption + "=" + link.webAddress);
    }
    return captions;
}

TEST(NoticeLinks, TheFirstThreeLinesGiveThreeLinks)
{
    const std::string notice =
        "A|http://a.example/1\r\nB|https://b.example/2|more\r\nC|http://c.example\r\n"
        "D|http://d.example\r\n";
    EXPECT_EQ(Captions(app::NoticeLinks(notice)),
              (std::vector<std::string>{"A=http://a.example/1", "B=https://b.example/2", "C=http://c.example"}));
    std::string withoutLastBreak = "A|http://a\r\nB|http://b\r\nC|http://c";
    EXPECT_EQ(app::NoticeLinks(withoutLastBreak).size(), 3u);
    EXPECT_EQ(Captions(app::NoticeLinks(withoutLastBreak + "\r\n")), Captions(app::NoticeLinks(withoutLastBreak)));
}

TEST(NoticeLinks, AShortOrBrokenNoticeLeavesTheLinksFromItsFirstIncompleteLineEmpty)
{
    EXPECT_TRUE(app::NoticeLinks("").empty());
    EXPECT_EQ(app::NoticeLinks("A|http://a\r\n").size(), 1u);
    EXPECT_EQ(Captions(app::NoticeLinks("A|http://a\r\nno bar here\r\nC|http://c")),
              (std::vector<std::string>{"A=http://a"}));
    EXPECT_TRUE(app::NoticeLinks("\r\nA|http://a").empty());
    EXPECT_TRUE(app::NoticeLinks(std::string("\x89PNG\x1a\x0b\xff", 7)).empty());
}

TEST(NoticeLinks, ALineWhoseAddressIsNoWebAddressGivesAnEmptyLink)
{
    std::vector<NoticeLink> links = app::NoticeLinks("A|C:\\Windows\\calc.exe\r\nB|http://b\r\n");
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].caption, "");
    EXPECT_EQ(links[0].webAddress, "");
    EXPECT_EQ(links[1].webAddress, "http://b");
}

TEST(NoticeLinks, ACaptionKeepsADoubleByteCharacterWhoseSecondByteIsTheBar)
{
    // "\x81\x7C" is one GBK character whose second byte is "|".
    std::vector<NoticeLink> links = app::NoticeLinks("\x81\x7C\xD5\xBE|http://a");
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].caption, "\x81\x7C\xD5\xBE");
}

TEST(NoticeLinks, OnlyPlainWebAddressesMayReachTheShell)
{
    for (const char* good :
         {"http://a.example", "https://a.example/x?y=1#z", "HTTP://A.EXAMPLE/", "http://127.0.0.1:8080/p"}) {
        EXPECT_TRUE(app::IsWebAddress(good)) << good;
    }
    for (const char* bad : {"", "http://", "http:///x", "https://?q", "file:///C:/Windows/calc.exe", "C:\\calc.exe",
                            "\\\\server\\share\\run.exe", "mailto:a@b", "javascript:alert(1)", "ftp://a", "http://a b",
                            "http://a\"b", "http://a'b", "http://a\tb", "http://a\x7f", "http://a\\b",
                            "http://a\" --new-window \"file:///C:/x", " http://a", "http://a<b>"}) {
        EXPECT_FALSE(app::IsWebAddress(bad)) << bad;
    }
}

TEST(NoticeHost, TheHostKeyOfTheNoticeSection)
{
    EXPECT_EQ(app::NoticeHostOf("[notice]\r\nhost=127.0.0.1:8080\r\n"), "127.0.0.1:8080");
    EXPECT_EQ(app::NoticeHostOf("[other]\nhost=a\n[ Notice ]\n  HOST = notice.example  \n"), "notice.example");
    EXPECT_EQ(app::NoticeHostOf("host=a.example\n"), "");
    EXPECT_EQ(app::NoticeHostOf("[notice]\nport=1\n"), "");
    EXPECT_EQ(app::NoticeHostOf(""), "");
}

TEST(NoticeHost, AHostThatIsNoPlainNameIsNotUsed)
{
    for (const char* bad :
         {"[notice]\nhost=", "[notice]\nhost=a/b", "[notice]\nhost=a b", "[notice]\nhost=a:", "[notice]\nhost=a:0",
          "[notice]\nhost=a:70000", "[notice]\nhost=a:1:2", "[notice]\nhost=user@a"}) {
        EXPECT_EQ(app::NoticeHostOf(bad), "") << bad;
    }
}

}  // namespace
