#pragma once
// Looks into a QTextDocument the RTF reader filled: the format of the text
// run holding some words, a block's format, the pictures.

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QVariantMap>
#include <optional>

namespace rtfprobe {

// The format of the first fragment whose text contains the words.
inline std::optional<QTextCharFormat> formatOf(const QTextDocument& document, const QString& words)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(words))
                return it.fragment().charFormat();
    return std::nullopt;
}

inline QTextBlock blockWith(const QTextDocument& document, const QString& words)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text().contains(words))
            return block;
    return {};
}

inline QString colourName(const QBrush& brush)
{
    return brush.style() == Qt::NoBrush ? QString() : brush.color().name();
}

// The properties the tests compare, by a short name.
inline QVariantMap describe(const QTextCharFormat& format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return {
        {"family", families.isEmpty() ? QString() : families.front()},
        {"size", format.fontPointSize()},
        {"bold", format.fontWeight() >= QFont::DemiBold},
        {"italic", format.fontItalic()},
        {"underline", format.fontUnderline()},
        {"strike", format.fontStrikeOut()},
        {"colour", colourName(format.foreground())},
        {"highlight", colourName(format.background())},
        {"script", int(format.verticalAlignment())},
        {"caps", int(format.fontCapitalization())},
    };
}

inline QVariantMap describe(const QTextBlockFormat& format)
{
    QVariantList tabs;
    for (const QTextOption::Tab& tab : format.tabPositions())
        tabs.append(QString("%1:%2").arg(tab.position).arg(int(tab.type)));
    return {
        {"alignment", int(format.alignment() & Qt::AlignHorizontal_Mask)},
        {"left", format.leftMargin()},
        {"right", format.rightMargin()},
        {"indent", format.textIndent()},
        {"before", format.topMargin()},
        {"after", format.bottomMargin()},
        {"lineType", format.lineHeightType()},
        {"line", format.lineHeight()},
        {"tabs", tabs},
    };
}

// The keys of expected that differ in actual, as "key: actual != expected".
inline QString differences(const QVariantMap& actual, const QVariantMap& expected)
{
    QString out;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QVariant got = actual.value(it.key());
        const bool same = it.value().typeId() == QMetaType::Double
            ? qAbs(got.toDouble() - it.value().toDouble()) < 1e-6
            : got == it.value();
        if (!same)
            out += QString("%1: %2 != %3; ").arg(it.key(), got.toString(), it.value().toString());
    }
    return out;
}

} // namespace rtfprobe
