// The keep list's rules: what it refuses, which hosts a domain keeps, how it is stored, and
// the hosts read from Internet Explorer's entries and files and from cookies.txt lines; and
// the window that edits it.

#include "clean/CookieKeepList.h"

#include <gtest/gtest.h>

#include "clean/CookieKeepWindow.h"
#include "contract/Services.h"
#include "settings/SettingNames.h"

namespace cw::testing {
namespace {

struct CookieKeepStore : ::testing::Test, Services<FakePlatform> {
    std::string Stored() {
        return settings.GetSettingString(kHkeyCurrentUser, settings::kSettingsKey, "KeepCookies",
                                         "<none>");
    }
};

TEST(CookieKeepList, RefusesWhatIsNoDomainAndADomainKeepsItselfAndItsSubdomainsOnly) {
    for (const char* bad : {".", "my bank.example", "https:bank.example", "bank.example\\x",
                            "a;b.example", "user@bank.example"})
        EXPECT_NE(CookieKeepList::Problem(bad), "") << bad;
    EXPECT_EQ(CookieKeepList::Problem(std::string(255, 'a')), "");

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

TEST_F(CookieKeepStore, IsReadFromOneValuePassingOverBadEntries) {
    registry.SetString(kHkeyCurrentUser, settings::kSettingsKey, "KeepCookies",
                       "bank.example; ;http://x/;Mail.Example");
    CookieKeepList list = CookieKeepList::Load(settings);
    EXPECT_EQ(list.Domains(), (std::vector<std::string>{"bank.example", "mail.example"}));
}

TEST(CookieKeepList, HostsOfEntriesFilesAndLines) {
    EXPECT_EQ(CookieEntryHost("http://bank.example/"), "");
    EXPECT_EQ(CookieFileHost("bob@bank.example.txt"), "bank.example");
    EXPECT_EQ(CookieLineHost("#HttpOnly_.bank.example\tTRUE\t/\tFALSE\t0\tid\t1"), "bank.example");
    EXPECT_EQ(CookieLineHost("\r\n"), "");
}

TEST_F(CookieKeepStore, TheWindowShowsWhatIsStoredRefusesBadInputAndStoresEachChangeAtOnce) {
    settings.SetSettingString(kHkeyCurrentUser, settings::kSettingsKey, "KeepCookies",
                              "mail.example;bank.example");
    CookieKeepWindow window{settings, dialogs, errors};
    CookieKeepControls& c = window.Controls();
    window.Reload();
    EXPECT_EQ(c.lstDomains.Items(), (std::vector<std::string>{"bank.example", "mail.example"}));
    EXPECT_FALSE(c.cmdRemove.Enabled());

    // Each refused with its reason in a message box; the field keeps the text to mend.
    for (const std::string& bad : std::vector<std::string>{
             "", "  ", "http://shop.example", "shop.example/cart", std::string(256, 'a')}) {
        c.txtDomain.SetText(bad);
        c.cmdAdd.Click();
        ASSERT_FALSE(dialogs.shown.empty()) << bad;
        const fakes::ShownMessage& m = dialogs.shown.back();
        EXPECT_EQ(std::tuple(m.prompt, m.buttons, m.title, c.txtDomain.Text()),
                  std::tuple(CookieKeepList::Problem(bad), ui::vbExclamation,
                             "Cookies to Keep -- Clearwell", bad));
    }
    EXPECT_EQ(dialogs.shown.size(), 5u);
    EXPECT_EQ(Stored(), "mail.example;bank.example");

    c.txtDomain.SetText(" .Shop.Example ");
    c.cmdAdd.Click();
    EXPECT_EQ(std::tuple(Stored(), c.lstDomains.Text(), c.txtDomain.Text(), c.cmdRemove.Enabled()),
              std::tuple("mail.example;bank.example;shop.example", "shop.example", "", true));

    c.lstDomains.SetListIndex(0);
    c.cmdRemove.Click();
    EXPECT_EQ(Stored(), "mail.example;shop.example");
    EXPECT_EQ(c.lstDomains.Items(), (std::vector<std::string>{"mail.example", "shop.example"}));
    EXPECT_TRUE(!c.cmdRemove.Enabled() && dialogs.shown.size() == 5 && errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
