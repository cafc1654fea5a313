// The data-rights service on the demo company's ua_dataauth.

#include "platform/outside/RightsService.h"

#include <gtest/gtest.h>

#include <QSet>

#include "platform/Failure.h"
#include "platform/outside/Login.h"
#include "platform/outside/QtStringPrinting.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"

namespace qxmxz {
namespace {

class RightsServiceTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { connection = test::openDemo(GetParam()); }

    RightsService serviceFor(const QString &user)
    {
        RightsService service;
        service.initialise(connection, user);
        return service;
    }

    QSet<QString> codesOf(const QString &sql)
    {
        QSet<QString> codes;
        for (RecordSet rs = connection->query(sql); !rs.eof(); rs.moveNext())
            codes.insert(rs.text(QStringLiteral("cACCode")));
        return codes;
    }

    std::shared_ptr<Connection> connection;
};

TEST_P(RightsServiceTest, ARestrictedUserGetsTheCodesOfTheObjectAndRight)
{
    const RightsService li = serviceFor(QStringLiteral("li"));
    EXPECT_TRUE(li.isRestricted(QStringLiteral("code")));
    EXPECT_EQ(codesOf(li.authoritySql(QStringLiteral("code"), QStringLiteral("R"))),
              (QSet<QString>{QStringLiteral("1001"), QStringLiteral("1002"), QStringLiteral("100201"),
                             QStringLiteral("100202"), QStringLiteral("100203")}));
    EXPECT_EQ(codesOf(li.authoritySql(QStringLiteral("code"), QStringLiteral("W"))), QSet<QString>{QStringLiteral("1001")});
    EXPECT_TRUE(li.authoritySql(QStringLiteral("department"), QStringLiteral("R")).isEmpty());

    const RightsService sun = serviceFor(QStringLiteral("sun"));
    EXPECT_TRUE(sun.authoritySql(QStringLiteral("code"), QStringLiteral("R")).isEmpty());
    EXPECT_EQ(codesOf(sun.authoritySql(QStringLiteral("department"), QStringLiteral("R"))),
              (QSet<QString>{QStringLiteral("01"), QStringLiteral("03"), QStringLiteral("0301")}));
}

TEST_P(RightsServiceTest, UsersWithoutRowsAreNotRestricted)
{
    for (const char *user : {"demo", "wang", "admin", "nobody"}) {
        const RightsService service = serviceFor(QString::fromLatin1(user));
        for (const char *object : {"code", "department", "fitem"}) {
            EXPECT_FALSE(service.isRestricted(QString::fromLatin1(object))) << user << " " << object;
            EXPECT_TRUE(service.authoritySql(QString::fromLatin1(object), QStringLiteral("R")).isEmpty());
        }
    }
}

TEST_P(RightsServiceTest, AQuoteInAUserOrObjectNameStaysInsideTheLiteral)
{
    const RightsService crafted = serviceFor(QStringLiteral("x' or cUser_id = 'li"));
    EXPECT_FALSE(crafted.isRestricted(QStringLiteral("code")));
    const RightsService li = serviceFor(QStringLiteral("li"));
    EXPECT_FALSE(li.isRestricted(QStringLiteral("fitem' or '1'='1")));
}

TEST_P(RightsServiceTest, TheServiceOfALoginIsThatOfItsUser)
{
    LoginRequest request;
    request.userId = QStringLiteral("li");
    const auto login = Login::logIn(connection, request);
    const RightsService service = RightsService::forLogin(*login);
    EXPECT_EQ(service.userId(), QStringLiteral("li"));
    EXPECT_TRUE(service.isRestricted(QStringLiteral("code")));
}

TEST(RightsService, AskingBeforeInitialisingIsAFailure)
{
    RightsService service;
    EXPECT_FALSE(service.isInitialised());
    EXPECT_THROW(service.isRestricted(QStringLiteral("code")), Failure);
}

INSTANTIATE_TEST_SUITE_P(Backends, RightsServiceTest, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz
