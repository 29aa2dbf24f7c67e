#include "skin/Skin.h"

#include <QFile>
#include <QHash>
#include <QStringList>

#include <functional>

namespace platform {

namespace {

[[noreturn]] void fail(int line, const QString &what) {
    throw SkinError(QStringLiteral("皮肤文件第 %1 行有误：%2").arg(line).arg(what).toStdString());
}

// "vscrollbar::handle:vertical" becomes *[skinElement="vscrollbar"]::handle:vertical.
QString selectorFor(const QString &element) {
    qsizetype nameEnd = 0;
    while (nameEnd < element.size() &&
           (element[nameEnd].isLetterOrNumber() || element[nameEnd] == u'_'))
        ++nameEnd;
    return QStringLiteral("*[skinElement=\"%1\"]%2")
        .arg(element.left(nameEnd), element.mid(nameEnd));
}

} // namespace

Skin Skin::parse(const QString &text) {
    Skin skin;
    FrameLook &f = skin.frame_;
    const QHash<QString, std::function<void(const QString &)>> frameKeys = [&f] {
        QHash<QString, std::function<void(const QString &)>> keys;
        const auto number = [](int &field) {
            return [&field](const QString &value) {
                bool ok = false;
                field = value.toInt(&ok);
                if (!ok || field < 0)
                    throw std::invalid_argument("not a number");
            };
        };
        const auto colour = [](QColor &field) {
            return [&field](const QString &value) {
                field = QColor::fromString(value);
                if (!field.isValid())
                    throw std::invalid_argument("not a colour");
            };
        };
        keys.insert(QStringLiteral("border"), number(f.border));
        keys.insert(QStringLiteral("caption-height"), number(f.captionHeight));
        keys.insert(QStringLiteral("button-size"), number(f.buttonSize));
        keys.insert(QStringLiteral("button-gap"), number(f.buttonGap));
        keys.insert(QStringLiteral("caption-top"), colour(f.captionTop));
        keys.insert(QStringLiteral("caption-bottom"), colour(f.captionBottom));
        keys.insert(QStringLiteral("frame-top"), colour(f.frameTop));
        keys.insert(QStringLiteral("frame-bottom"), colour(f.frameBottom));
        keys.insert(QStringLiteral("outline"), colour(f.outline));
        keys.insert(QStringLiteral("highlight"), colour(f.highlight));
        keys.insert(QStringLiteral("active-text"), colour(f.activeText));
        keys.insert(QStringLiteral("inactive-text"), colour(f.inactiveText));
        keys.insert(QStringLiteral("close-button"), colour(f.closeButton));
        keys.insert(QStringLiteral("minimize-button"), colour(f.minimizeButton));
        keys.insert(QStringLiteral("system-menu-button"), colour(f.systemMenuButton));
        keys.insert(QStringLiteral("button-glow"), colour(f.buttonGlow));
        return keys;
    }();

    enum class Section { None, Frame, Element } section = Section::None;
    QStringList frameKeysSeen;
    QString rules;
    bool ruleOpen = false;
    const QStringList lines = text.split(u'\n');
    for (int number = 1; number <= lines.size(); ++number) {
        const QString line = lines[number - 1].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                fail(number, QStringLiteral("节名缺少 ]"));
            const QString name = line.mid(1, line.size() - 2).trimmed();
            if (ruleOpen)
                rules += QStringLiteral("}\n");
            ruleOpen = false;
            if (name == QLatin1String("frame")) {
                section = Section::Frame;
            } else if (name.startsWith(QLatin1String("element "))) {
                section = Section::Element;
                QStringList selectors;
                for (const QString &element : name.mid(8).split(u',', Qt::SkipEmptyParts))
                    selectors << selectorFor(element.trimmed());
                rules += selectors.join(QStringLiteral(", ")) + QStringLiteral(" {\n");
                ruleOpen = true;
            } else {
                fail(number, QStringLiteral("未知的节 ") + name);
            }
            continue;
        }
        switch (section) {
        case Section::None:
            fail(number, QStringLiteral("内容不在任何节中"));
        case Section::Frame: {
            const qsizetype equals = line.indexOf(u'=');
            const QString key = line.left(equals).trimmed();
            if (equals < 0 || !frameKeys.contains(key))
                fail(number, QStringLiteral("未知的设置 ") + key);
            try {
                frameKeys[key](line.mid(equals + 1).trimmed());
            } catch (const std::invalid_argument &) {
                fail(number, QStringLiteral("设置 %1 的值无效").arg(key));
            }
            frameKeysSeen << key;
            break;
        }
        case Section::Element:
            if (!line.endsWith(u';') || !line.contains(u':'))
                fail(number, QStringLiteral("样式应写作 名称: 值;"));
            rules += QStringLiteral("    ") + line + u'\n';
            break;
        }
    }
    if (ruleOpen)
        rules += QStringLiteral("}\n");
    for (auto key = frameKeys.keyBegin(); key != frameKeys.keyEnd(); ++key)
        if (!frameKeysSeen.contains(*key))
            fail(static_cast<int>(lines.size()), QStringLiteral("缺少设置 ") + *key);
    skin.styleSheet_ = rules;
    return skin;
}

Skin Skin::load(const QString &file) {
    QFile skinFile(file);
    if (!skinFile.open(QIODevice::ReadOnly))
        throw SkinError(QStringLiteral("无法读取皮肤文件 %1").arg(file).toStdString());
    return parse(QString::fromUtf8(skinFile.readAll()));
}

} // namespace platform
