#include "browser/CookieViewer.h"

#include <gtest/gtest.h>

#include "BrowserWorld.h"

namespace cw::testing {
namespace {

const std::string kHeader =
    "# Netscape HTTP Cookie File\r\n# http://www.netscape.com/newsref/std/cookie_spec.html\r\n"
    "# This is a generated file!  Do not edit.\r\n\r\n\r\n\r\n";

std::string Cookie(const std::string& domain, const std::string& name, const std::string& value,
                   const std::string& expiry = "1893456000") {
    return domain + "\tTRUE\t/\tFALSE\t" + expiry + "\t" + name + "\t" + value + "\r\n";
}

struct CookieViewerTest : ::testing::Test, BrowserWorld {
    CookieViewerControls& c = cookieControls;
    const std::string file = std::string(BrowserWorld::kNavigator) + "\\cookies.txt";

    void Load(const std::string& body) {
        SetNavigatorUser();
        fs.AddFile(file, kHeader + body);
        viewer.LoadCookieDomains();
    }
    // The fields of the cookie shown: expiry, value, name, path, domain flag and secure.
    std::vector<std::string> Fields() {
        return {c.txtExp.Text(),
                c.txtValue.Text(),
                c.Label11.Caption(),
                c.txtPath.Text(),
                std::to_string(c.chkFlag.Value()),
                std::to_string(c.chkSecure.Value())};
    }
};

TEST_F(CookieViewerTest, ListsEachDomainOnceWithItsCount) {
    Load(Cookie("a", "n1", "v") + Cookie("b", "n2", "v") + "   \r\n" + "no tab here\r\n" +
         Cookie("a", "n3", "v") + Cookie("c", "n4", "v") + Cookie(" a ", "n5", "v"));
    for (int load = 1; load <= 2; ++load) {  // the second as after a run that found nothing
        EXPECT_EQ(c.List1.Items(), (std::vector<std::string>{"a", "b", "c"})) << load;
        EXPECT_EQ(c.List2.Items(), (std::vector<std::string>{"3", "1", "1"})) << load;
        viewer.LoadCookieDomains();
    }
}

TEST_F(CookieViewerTest, ShowsEveryFieldOfTheFirstCookie) {
    Load(Cookie("one.example", "SID", "a value with  blanks\tand a tab", "0") +
         "two.example\tFALSE\t/p\tTRUE\tsoon\tNAME\r\n");
    c.List1.SetListIndexFromUser(0);
    EXPECT_EQ(std::tuple(c.List2.ListIndex(), c.Label7.Caption(), c.Command2.Enabled(),
                         c.Command3.Enabled()),
              std::tuple(0, "Cookie 1/1", false, false));
    const std::string value = "a value with  blanks\tand a tab";
    EXPECT_EQ(Fields(), (std::vector<std::string>{"Jan 01, 1970   00:00:0", value, "Name:   SID",
                                                  "/", "1", "0"}));

    // A line with unreadable or missing fields changes only the controls it can fill.
    c.List2.SetListIndexFromUser(1);
    EXPECT_EQ(c.List1.ListIndex(), 1);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"Jan 01, 1970   00:00:0", value, "Name:   NAME",
                                                  "/p", "0", "1"}));
}

// (Stepping with ">" and "<" through the real window: gui BrowserPagesGuiTest.)
TEST_F(CookieViewerTest, StepsStopAtTheEndsAndALongerDomainIsNotOneOfItsOwn) {
    Load(Cookie("abc.com", "A1", "1") + Cookie("abc.com.au", "AU", "au") +
         Cookie("abc.com", "A2", "2"));
    c.List1.SetListIndexFromUser(0);
    const std::pair<ui::Button*, const char*> steps[] = {{&c.Command2, "A2 2/2"},
                                                         {&c.Command2, "A2 2/2"},
                                                         {&c.Command3, "A1 1/2"},
                                                         {&c.Command3, "A1 1/2"}};
    for (const auto& [button, shown] : steps) {
        button->Click();
        EXPECT_EQ(c.Label11.Caption().substr(8) + " " + c.Label7.Caption().substr(7), shown);
    }
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(CookieViewerTest, NextWithoutADomainIsReportedWithItsTag) {
    Load(Cookie("a", "n", "v"));
    c.Command2.Click();  // no row selected: the count cannot be read
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(std::tuple(errors.reports[0].tag, errors.reports[0].number),
              std::tuple("frmMain,command2_click", err::kTypeMismatch));
    c.Command3.Click();  // "<" never reports
    EXPECT_EQ(errors.reports.size(), 1u);
}

TEST_F(CookieViewerTest, WithoutAProfileOrFileTheListsStayEmpty) {
    fs.AddFile("C:\\cookies.txt", kHeader + Cookie("root.example", "n", "v"));
    viewer.LoadCookieDomains();  // no user directory: nothing read from the drive's root
    EXPECT_EQ(c.List1.ListCount(), 0);
    SetNavigatorUser();
    viewer.LoadCookieDomains();
    EXPECT_EQ(c.List1.ListCount(), 0);
}

}  // namespace
}  // namespace cw::testing
