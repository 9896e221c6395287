#include "fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions() {
    const QString gothic = QStringLiteral("IPAGothic");
    const QString mincho = QStringLiteral("IPAMincho");
    for (const char* family : {"アニト-Ｌ等幅", "アニト-ｌ等幅", "アニト-Ｍ等幅", "Osaka−等幅"}) {
        QFont::insertSubstitution(QString::fromUtf8(family), gothic);
    }
    QFont::insertSubstitutions(QString::fromUtf8("ヒラギノ明朝 Pro W3"),
                               {QStringLiteral("BIZ UDMincho"), mincho});
    QFont::insertSubstitutions(
        QString::fromUtf8("ＤＦ隷書体"),
        {QStringLiteral("AoyagiKouzanFontT"), QStringLiteral("BIZ UDMincho"), mincho});
    QFont::insertSubstitution(QStringLiteral("Osaka"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans"));
}
