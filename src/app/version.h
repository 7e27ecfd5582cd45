#pragma once
// The program's version information, shown by the start-up window and the About box and used
// in the names of the versioned settings keys.

#include <QString>

namespace varnel {

inline constexpr int versionMajor = 2014;
inline constexpr int versionMinor = 1;
inline constexpr int versionRevision = 6;

inline QString programTitle() { return QStringLiteral("Varnel"); }
inline QString legalCopyright() { return QStringLiteral("Copyright (C) 2002-2014 Quorbel software. All rights reserved."); }
inline QString legalTrademarks() { return QStringLiteral("Varnel is a trademark of Quorbel software."); }
// "2014.1.6"
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision);
}

}  // namespace varnel
