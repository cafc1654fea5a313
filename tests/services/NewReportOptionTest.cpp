// The new-report decision: the two options and the user's setting.

#include "services/NewReportOption.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/UserSettings.h"
#include "platform/sql/Connection.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class NewReportOption : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { s = test::openScratchDemoSession(GetParam()); }

    // Sets the two options and reads them again.
    void setOptions(bool newReport, bool newReportDefault)
    {
        Connection &db = s->login->connection();
        db.execute(QStringLiteral("update gl_options set cvalue = N'%1' where cname = N'NewReport'").arg(newReport ? 1 : 0));
        db.execute(QStringLiteral("update gl_options set cvalue = N'%1' where cname = N'NewReportDefault'")
                       .arg(newReportDefault ? 1 : 0));
        s->pub.setLogin(s->login);
        ASSERT_EQ(s->pub.options().newReport, newReport);
        ASSERT_EQ(s->pub.options().newReportDefault, newReportDefault);
    }
    static void setSetting(const QString &value)
    {
        UserSettings::write(QStringLiteral("GLOption"), QStringLiteral("IsUseNewReport"), value);
    }

    test::ScratchSettings settings;
    std::unique_ptr<test::TestSession> s;
};

TEST_P(NewReportOption, TheFirstOptionDecidesAlone)
{
    setOptions(true, false);
    EXPECT_TRUE(IsUseNewReport(s->pub));
    setSetting(QStringLiteral("0"));
    EXPECT_TRUE(IsUseNewReport(s->pub));
}

TEST_P(NewReportOption, WithoutASettingTheSecondOptionDecides)
{
    setOptions(false, true);
    EXPECT_TRUE(IsUseNewReport(s->pub));
    setOptions(false, false);
    EXPECT_FALSE(IsUseNewReport(s->pub));
}

TEST_P(NewReportOption, TheSettingZeroTurnsTheSecondOptionOff)
{
    setOptions(false, true);
    setSetting(QStringLiteral("0"));
    EXPECT_FALSE(IsUseNewReport(s->pub));
    setSetting(QStringLiteral("1"));
    EXPECT_TRUE(IsUseNewReport(s->pub));
    setOptions(false, false);
    EXPECT_FALSE(IsUseNewReport(s->pub)) << "a setting other than 0 never turns the report on by itself";
}

INSTANTIATE_TEST_SUITE_P(Backends, NewReportOption, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz
