#include "application/FontSubstitutes.h"
#include "skin/SkinSettings.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installFontSubstitutes() {
    const QStringList cjk{QStringLiteral("Noto Sans CJK SC"),
                          QStringLiteral("WenQuanYi Micro Hei")};
    QFont::insertSubstitutions(
        QString::fromLatin1(SkinSettings::kFontFamily),
        QStringList{QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")} + cjk);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               QStringList{QStringLiteral("DejaVu Sans")} + cjk);
    // Consolas is narrow; the CJK monospace font's Latin half is closest to it, so a
    // line of ten elements fits the box as it does on Windows.
    QFont::insertSubstitutions(
        QStringLiteral("Consolas"),
        QStringList{QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("DejaVu Sans Mono")});
}

} // namespace platform
