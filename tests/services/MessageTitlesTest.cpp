// The title of each module that raises messages by key.

#include "services/MessageTitles.h"

#include <gtest/gtest.h>

#include "support/Printers.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz {
namespace {

TEST(MessageTitles, EveryTitleHasATextInBothLanguages)
{
    for (Module module : {Module::modMxz, Module::mxzCond, Module::zzCond, Module::zzmain, Module::kmmx,
                          Module::clsMxzHb, Module::frmZYX_Yj, Module::clsMxz, Module::mxfind})
        for (const QString &language : {QStringLiteral("zh-CN"), QStringLiteral("en-US")})
            EXPECT_TRUE(ResourceTexts::forLanguage(language).contains(titleKey(module)))
                << titleKey(module).toStdString() << " " << language.toStdString();
}

} // namespace
} // namespace qxmxz
