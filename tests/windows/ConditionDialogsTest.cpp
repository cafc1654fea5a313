// The condition dialogs of the detail and the general ledger on the demo
// company: the order of their checks, the message of each refusal, what
// they hand to their windows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "general_ledger/basGrwl.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "windows/mxz.h"
#include "windows/mxzCond.h"
#include "windows/zzCond.h"
#include "windows/zzmain.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

std::unique_ptr<mxz> openDetail(GlPublic &pub, const QString &code)
{
    MxzRequest request;
    request.accountEntries << code + u' ' + pub.accountName(code);
    auto window = std::make_unique<mxz>(pub, request);
    window->show();
    window->selectAccount(0);
    return window;
}

// The one message the confirmation raised: under the dialog's title, with
// the information icon.
void expectOneMessage(TestSession &session, const QString &key, const QString &titleKey)
{
    const QList<MessageBoxRequest> &messages = session.messages.messages();
    ASSERT_EQ(messages.size(), 1) << (messages.isEmpty() ? std::string() : messages.front().prompt.toStdString());
    EXPECT_EQ(messages.front().prompt, session.pub.text(key));
    EXPECT_EQ(messages.front().title, session.pub.text(titleKey));
    EXPECT_EQ(messages.front().buttons, 64);
    session.messages.clear();
}

const QString DetailTitle = QStringLiteral("R7.GL.QXMXZ.mxzcond.notesinfo");
const QString GeneralTitle = QStringLiteral("R7.GL.QXMXZ.zzcond.notesinfo");

} // namespace

TEST(DetailConditions, TheMonthlyOptionNeedsItsRightHeldDirectlyOrThroughARole)
{
    ScratchSettings settings;
    for (const auto &[user, enabled] : {std::pair{"demo", true}, std::pair{"wang", true}, std::pair{"zhao", false}}) {
        auto session = openDemoSession(Backend::Sqlite, QString::fromLatin1(user));
        mxzCond dialog(session->pub);
        EXPECT_EQ(dialog.Option1(1)->isEnabled(), enabled) << user;
        EXPECT_TRUE(dialog.Option1(0)->isChecked());
        EXPECT_FALSE(dialog.CboYjKm->isEnabled());
        EXPECT_EQ(dialog.cboMonthStart->count(), 12);
        EXPECT_EQ(dialog.CboYjKm->itemText(0).section(u' ', 0, 0), QStringLiteral("1001"));
    }
}

TEST(DetailConditions, EachRefusalShowsItsMessageAndKeepsTheDialogAndTheWindowAsTheyWere)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite, QStringLiteral("li"));
    auto window = openDetail(session->pub, QStringLiteral("1001"));
    const QStringList before = window->accountEntries();
    mxzCond dialog(session->pub);
    dialog.setFrmmxz(window.get());

    // A reversed range is refused before any right is asked: li may not read
    // 1122, yet the message is the range's.
    dialog.txtKm1->setText(QStringLiteral("1403"));
    dialog.txtKm2->setText(QStringLiteral("1122"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.mxzcond.00604"), DetailTitle);
    EXPECT_EQ(dialog.txtKm1->text(), QStringLiteral("1403"));
    EXPECT_EQ(dialog.txtKm2->text(), QStringLiteral("1122"));

    dialog.txtKm1->setText(QStringLiteral("no such account"));
    dialog.txtKm2->clear();
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.mxzcond.kminputerror"), DetailTitle);

    // A cash or bank account is read through its journal.
    dialog.txtKm1->clear();
    dialog.txtKm2->setText(QStringLiteral("1002"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.mxzcond.pleasegoaccountday"), DetailTitle);

    // An account typed by its name becomes its code; li may not read it.
    dialog.txtKm1->setText(session->pub.accountName(QStringLiteral("1122")));
    dialog.txtKm2->clear();
    EXPECT_FALSE(dialog.commit());
    EXPECT_EQ(dialog.txtKm1->text(), QStringLiteral("1122"));
    ASSERT_EQ(session->messages.messages().size(), 1);
    EXPECT_TRUE(session->messages.messages().front().prompt.contains(QStringLiteral("1122")));
    session->messages.clear();

    EXPECT_EQ(window->accountEntries(), before) << "nothing reaches the window before every check has passed";
    EXPECT_FALSE(window->isMonthByMonth());
}

TEST(DetailConditions, TheMonthlyModeKeepsToTheFirstGradeAccountAndOneGrade)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite);
    auto window = openDetail(session->pub, QStringLiteral("1122"));
    mxzCond dialog(session->pub);
    dialog.setFrmmxz(window.get());
    dialog.Option1(1)->click();
    EXPECT_TRUE(dialog.CboYjKm->isEnabled());
    EXPECT_FALSE(dialog.chkOrder->isEnabled());
    EXPECT_FALSE(dialog.chkOpen->isEnabled());
    dialog.CboYjKm->setCurrentIndex(dialog.CboYjKm->findText(QStringLiteral("1403 "), Qt::MatchStartsWith));

    dialog.txtKm1->setText(QStringLiteral("1122"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.mxzcond.00607"), DetailTitle);

    dialog.txtKm1->setText(QStringLiteral("1403"));
    dialog.txtKm2->setText(QStringLiteral("140302"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.mxzcond.00609"), DetailTitle);
    EXPECT_FALSE(window->isMonthByMonth());

    dialog.txtKm1->setText(QStringLiteral("140301"));
    dialog.txtKm2->setText(QStringLiteral("140302"));
    dialog.cboMonthStart->setCurrentIndex(1);
    dialog.cboMonthEnd->setCurrentIndex(2);
    ASSERT_TRUE(dialog.commit());
    EXPECT_TRUE(session->messages.messages().isEmpty());
    EXPECT_TRUE(window->isMonthByMonth());
    EXPECT_EQ(window->iMxzFirstGrade(), 2);
    ASSERT_EQ(window->accountEntries().size(), 2);
    EXPECT_TRUE(window->accountEntries().at(0).startsWith(QStringLiteral("140301 ")));
    EXPECT_TRUE(window->accountEntries().at(1).startsWith(QStringLiteral("140302 ")));
    EXPECT_EQ(window->engine().bBeginPeriod, 2);
    EXPECT_EQ(window->engine().bEndPeriod, 3);
    EXPECT_TRUE(window->headerCaption().startsWith(QStringLiteral("1403 ")));
    EXPECT_TRUE(window->headerCaption().endsWith(session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzcond.00611"))));
    EXPECT_GT(window->grid().Rows(), 0);
}

TEST(DetailConditions, ARangeFillsTheAccountComboAndShowsTheFirstAccountAnew)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite);
    auto window = openDetail(session->pub, QStringLiteral("1403"));
    mxzCond dialog(session->pub);
    dialog.setFrmmxz(window.get());
    dialog.txtKm1->setText(QStringLiteral("1122"));
    dialog.txtKm2->setText(QStringLiteral("1221"));
    dialog.chkOpen->click();
    EXPECT_TRUE(dialog.optFirst->isEnabled());
    ASSERT_TRUE(dialog.commit());
    const QStringList entries = window->accountEntries();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_TRUE(entries.front().startsWith(QStringLiteral("1122 ")));
    EXPECT_TRUE(entries.back().startsWith(QStringLiteral("1221 ")));
    EXPECT_TRUE(entries.contains(QStringLiteral("112201 ") + session->pub.accountName(QStringLiteral("112201"))));
    EXPECT_TRUE(window->accountText().startsWith(QStringLiteral("1122 ")));
    EXPECT_FALSE(window->unitCheckEnabled()) << "the counterpart column takes the unit display's place";
    EXPECT_EQ(window->engine().iShowEqual, 1);
    EXPECT_GT(window->grid().Rows(), 0);
}

TEST(DetailConditions, WithoutAccountRightsUnderControlNoDataRightIsAsked)
{
    ScratchSettings settings;
    auto session = openScratchDemoSession(Backend::Sqlite, QStringLiteral("li"));
    session->pub.database().execute(
        QStringLiteral("update gl_options set cvalue = N'0' where cname = N'AccountRightsControlled'"));
    // li keeps her rows, which refuse 1122: a check made would show.
    session->pub.setLogin(session->login);
    auto window = openDetail(session->pub, QStringLiteral("1403"));
    mxzCond dialog(session->pub);
    dialog.setFrmmxz(window.get());
    dialog.txtKm1->setText(QStringLiteral("1122"));
    EXPECT_TRUE(dialog.commit());
    EXPECT_TRUE(session->messages.messages().isEmpty());
    EXPECT_TRUE(window->accountText().startsWith(QStringLiteral("1122 ")));
}

TEST(GeneralConditions, ChecksInOrderAndFillsTheWindowWithTheAccountsOfRangeAndGrades)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite);
    zzCond dialog(session->pub);
    EXPECT_EQ(dialog.txtGradeStart->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.txtGradeEnd->text(), QStringLiteral("1"));

    dialog.txtGradeStart->setText(QStringLiteral("3"));
    dialog.txtGradeEnd->setText(QStringLiteral("2"));
    dialog.txtKmStart->setText(QStringLiteral("no such account"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.zzcond.00584"), GeneralTitle);

    dialog.txtGradeStart->setText(QStringLiteral("1"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.zzcond.kminputerror"), GeneralTitle);

    dialog.txtKmStart->setText(QStringLiteral("2202"));
    dialog.txtKmEnd->setText(QStringLiteral("1001"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.zzcond.00590"), GeneralTitle);

    // Only second-grade accounts lie between two sub-accounts: nothing at grade 1.
    dialog.txtGradeEnd->setText(QStringLiteral("1"));
    dialog.txtKmStart->setText(QStringLiteral("100201"));
    dialog.txtKmEnd->setText(QStringLiteral("100203"));
    EXPECT_FALSE(dialog.commit());
    expectOneMessage(*session, QStringLiteral("R7.GL.QXMXZ.zzcond.00594"), GeneralTitle);
    EXPECT_EQ(dialog.takeWindow(), nullptr);

    dialog.txtKmStart->setText(QStringLiteral("1001"));
    dialog.txtKmEnd->setText(QStringLiteral("1122"));
    dialog.txtGradeEnd->setText(QStringLiteral("2"));
    ASSERT_TRUE(dialog.commit());
    std::unique_ptr<zzmain> window = dialog.takeWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->SeparateCode(), QStringLiteral("1001"));
    EXPECT_GT(window->grid().Rows(), basGrwl::HeadingRows);
}

TEST(GeneralConditions, DataRightsRefuseARangeWithAnAccountTheUserMayNotRead)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite, QStringLiteral("li"));
    zzCond dialog(session->pub);
    dialog.txtKmStart->setText(QStringLiteral("1001"));
    dialog.txtKmEnd->setText(QStringLiteral("1122"));
    EXPECT_FALSE(dialog.commit());
    ASSERT_EQ(session->messages.messages().size(), 1);
    EXPECT_TRUE(session->messages.messages().front().prompt.contains(QStringLiteral("1122")));
    EXPECT_EQ(dialog.takeWindow(), nullptr);
    session->messages.clear();

    // Her own accounts pass, by grade and as end accounts.
    dialog.txtKmEnd->setText(QStringLiteral("1002"));
    dialog.txtGradeEnd->setText(QStringLiteral("2"));
    EXPECT_TRUE(dialog.commit()) << session->messages.messages().value(0).prompt.toStdString();
    EXPECT_NE(dialog.takeWindow(), nullptr);
    dialog.chkAllEnd->setChecked(true);
    EXPECT_TRUE(dialog.commit()) << session->messages.messages().value(0).prompt.toStdString();
}
