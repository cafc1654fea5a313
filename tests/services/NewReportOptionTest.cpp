// The new-report decision: the two options and the user's setting.

#include "services/NewReportOption.h"

#include <gtest/gtest.h>

#include "platform/outside/UserSettings.h"
#include "platform/sql/Connection.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class NewReportOption : public test::BackendTest {};

TEST_P(NewReportOption, TheFirstOptionDecidesAloneElseTheSecondUnlessTheSettingIsZero)
{
    test::ScratchSettings settings;
    auto s = test::openScratchDemoSession(GetParam());
    // NewReport, NewReportDefault, the user's setting (not yet written when empty), the answer.
    const std::tuple<bool, bool, const char *, bool> cases[] = {
        {true, false, "", true},   {false, true, "", true},   {false, false, "", false}, {true, false, "0", true},
        {false, true, "0", false}, {false, true, "1", true},
        {false, false, "1", false}, // a setting other than 0 never turns the report on by itself
    };
    for (const auto &[newReport, newReportDefault, setting, answer] : cases) {
        const QString update = QStringLiteral("update gl_options set cvalue = N'%1' where cname = N'%2'");
        s->login->connection().execute(update.arg(int(newReport)).arg(QLatin1String("NewReport")));
        s->login->connection().execute(update.arg(int(newReportDefault)).arg(QLatin1String("NewReportDefault")));
        s->pub.setLogin(s->login);
        if (*setting)
            UserSettings::write(QStringLiteral("GLOption"), QStringLiteral("IsUseNewReport"), QString::fromLatin1(setting));
        EXPECT_EQ(IsUseNewReport(s->pub), answer) << newReport << newReportDefault << " setting '" << setting << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, NewReportOption, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz
