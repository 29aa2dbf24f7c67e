#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installFontSubstitutes()
{
    const QStringList cjk{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")};
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"),
                               QStringList{QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")} + cjk);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), QStringList{QStringLiteral("DejaVu Sans")} + cjk);
    QFont::insertSubstitutions(QStringLiteral("Consolas"),
                               QStringList{QStringLiteral("DejaVu Sans Mono"),
                                           QStringLiteral("Noto Sans Mono CJK SC")});
}

} // namespace platform
