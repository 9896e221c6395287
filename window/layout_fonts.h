#pragma once

#include <QString>

// Font names as the ledger window's layout gives them; the application maps
// them onto installed fonts. kAnitoSmallL has a full-width lower-case ｌ.
inline const QString kAnitoL = QStringLiteral("アニト-Ｌ等幅");
inline const QString kAnitoSmallL = QStringLiteral("アニト-ｌ等幅");
inline const QString kAnitoM = QStringLiteral("アニト-Ｍ等幅");
inline const QString kOsakaMono = QStringLiteral("Osaka−等幅");
