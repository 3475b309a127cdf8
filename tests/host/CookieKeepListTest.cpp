// The keep list's rules: what it refuses, which hosts a domain keeps, how it is stored, and
// the hosts read from Internet Explorer's entries and files and from cookies.txt lines.

#include "clean/CookieKeepList.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

TEST(CookieKeepList, RefusesWhatIsNoDomainWithAReason) {
    const std::string tooLong(256, 'a');
    for (const std::string& bad :
         std::vector<std::string>{"", "   ", ".", "my bank.example", "http://bank.example",
                                  "https:bank.example", "bank.example/login", "bank.example\\x",
                                  "a;b.example", "user@bank.example", tooLong}) {
        EXPECT_NE(CookieKeepList::Problem(bad), "") << bad;
    }
    EXPECT_EQ(CookieKeepList::Problem(std::string(255, 'a')), "");
    EXPECT_EQ(CookieKeepList::Problem(" .Bank.Example "), "");

    CookieKeepList list;
    EXPECT_NE(list.Add("http://bank.example/"), "");
    EXPECT_TRUE(list.Empty());
}

TEST(CookieKeepList, ADomainKeepsItselfAndItsSubdomainsOnly) {
    CookieKeepList list;
    EXPECT_EQ(list.Add(".Bank.Example"), "");
    EXPECT_EQ(list.Add("bank.example"), "");  // once
    EXPECT_EQ(list.Domains(), std::vector<std::string>{"bank.example"});
    for (const char* host : {"bank.example", "www.bank.example", ".bank.example", "A.BANK.EXAMPLE"})
        EXPECT_TRUE(list.Keeps(host)) << host;
    for (const char* host : {"mybank.example", "bank.example.evil", "example", ""})
        EXPECT_FALSE(list.Keeps(host)) << host;
    list.Remove("BANK.example");
    EXPECT_FALSE(list.Keeps("bank.example"));
}

TEST(CookieKeepList, IsStoredAsOneValueAndReadBackPassingOverBadEntries) {
    fakes::FakeRegistry registry;
    SettingsStore settings{registry};
    registry.SetString(kHkeyCurrentUser, settings::kSettingsKey, "KeepCookies",
                       "bank.example; ;http://x/;Mail.Example");
    CookieKeepList list = CookieKeepList::Load(settings);
    EXPECT_EQ(list.Domains(), (std::vector<std::string>{"bank.example", "mail.example"}));
    list.Add("shop.example");
    list.Save(settings);
    EXPECT_EQ(settings.GetSettingString(kHkeyCurrentUser, settings::kSettingsKey, "KeepCookies"),
              "bank.example;mail.example;shop.example");
}

TEST(CookieKeepList, HostsOfEntriesFilesAndLines) {
    EXPECT_EQ(CookieEntryHost("Cookie:bob@www.Bank.example/login/"), "www.bank.example");
    EXPECT_EQ(CookieEntryHost("http://bank.example/"), "");
    EXPECT_EQ(CookieFileHost("bob@www.bank.example[2].txt"), "www.bank.example");
    EXPECT_EQ(CookieFileHost("bob@bank.example.txt"), "bank.example");
    EXPECT_EQ(CookieFileHost("index.dat"), "");
    EXPECT_EQ(CookieLineHost(".bank.example\tTRUE\t/\tFALSE\t0\tid\t1\r\n"), "bank.example");
    EXPECT_EQ(CookieLineHost("#HttpOnly_.bank.example\tTRUE\t/\tFALSE\t0\tid\t1"), "bank.example");
    EXPECT_EQ(CookieLineHost("# Netscape HTTP Cookie File\n"), "");
    EXPECT_EQ(CookieLineHost("\r\n"), "");
}

}  // namespace
}  // namespace cw
