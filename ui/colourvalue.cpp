#include "ui/colourvalue.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

// The 25 system colour indices, in their order, as roles of our palette.
constexpr std::array<QPalette::ColorRole, 25> systemRoles = {
    QPalette::Button,          // scroll bar
    QPalette::Dark,            // desktop
    QPalette::Highlight,       // active caption
    QPalette::Mid,             // inactive caption
    QPalette::Window,          // menu
    QPalette::Base,            // window background
    QPalette::Shadow,          // window frame
    QPalette::WindowText,      // menu text
    QPalette::Text,            // window text
    QPalette::HighlightedText, // caption text
    QPalette::Button,          // active border
    QPalette::Button,          // inactive border
    QPalette::Mid,             // application workspace
    QPalette::Highlight,       // selection
    QPalette::HighlightedText, // selected text
    QPalette::Button,          // button face
    QPalette::Dark,            // button shadow
    QPalette::PlaceholderText, // grey text
    QPalette::ButtonText,      // button text
    QPalette::WindowText,      // inactive caption text
    QPalette::Light,           // button highlight
    QPalette::Shadow,          // dark shadow
    QPalette::Midlight,        // light
    QPalette::ToolTipText,     // tool-tip text
    QPalette::ToolTipBase,     // tool-tip background
};

constexpr std::int32_t systemColourBase = std::int32_t(0x80000000u);

} // namespace

std::int32_t colourValue(QColor colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

QColor colourOfValue(std::int32_t value, QColor fallback)
{
    if (value >= 0)
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    const std::int64_t role = std::int64_t(value) - systemColourBase;
    if (role >= 0 && role < std::int64_t(systemRoles.size()))
        return QGuiApplication::palette().color(systemRoles[std::size_t(role)]);
    return fallback;
}
