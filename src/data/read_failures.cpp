#include "data/read_failures.h"

#include "app/varnel_core.h"
#include "app/version.h"
#include "platform/dao/dao.h"
#include "platform/ui/seams.h"

#include <QDir>

namespace varnel {

bool sayDamage(const std::exception& error, platform::ui::OncePerDoing& once, const QString& title, const QString& kind,
               const QString& file)
{
    if (!dao::meansUnreadableFile(error))
        return false;
    const QString text = QStringLiteral("The %1 %2 is damaged or can no longer be read.\n\n%3")
                             .arg(kind, QDir::toNativeSeparators(file), static_cast<const dao::Error&>(error).description());
    once(text, [&] { platform::messageBox(platform::MessageIcon::Critical, title, text); });
    return true;
}

namespace {

bool meansNoReferenceDatabase(const std::exception& error)
{
    const auto* failure = dynamic_cast<const dao::Error*>(&error);
    return failure && failure->number() == dao::ObjectNotSet;
}

}  // namespace

bool sayReferenceDamage(const std::exception& error)
{
    VarnelCore& core = varnelCore();
    if (meansNoReferenceDatabase(error)) {
        core.damageSaid(noReferenceDatabaseText, [] {
            platform::messageBox(platform::MessageIcon::Critical, programTitle(), noReferenceDatabaseText);
        });
        return true;
    }
    return sayDamage(error, core.damageSaid, programTitle(), QStringLiteral("reference database"),
                     core.mainDatabase ? core.mainDatabase->name() : QString());
}

QString unreadableReferenceText(const std::exception& error)
{
    return meansNoReferenceDatabase(error) ? noReferenceDatabaseText : unreadableDatabaseText;
}

QString unsearchableWordsText(const std::exception& error)
{
    const auto* refused = dynamic_cast<const dao::LiteralError*>(&error);
    return refused ? QStringLiteral("The words cannot be searched as written: %1.").arg(refused->reason()) : QString();
}

}  // namespace varnel
