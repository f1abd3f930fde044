// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Colours.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QWidget>
#include <optional>

namespace Colours {

namespace {

// The codes last written to a widget. They are looked up at every refresh of every window,
// so they live in a table of their own rather than in dynamic properties, whose lookup walks
// every property name of the widget's classes first.
struct WrittenCodes
{
    std::optional<ColourCode> back;
    std::optional<ColourCode> fore;
};

QHash<const QWidget*, WrittenCodes>& writtenCodes()
{
    static QHash<const QWidget*, WrittenCodes> codes;
    return codes;
}

// A widget's entry leaves with the widget, so that another one made later at the same
// address starts with no codes.
WrittenCodes& codesOf(QWidget* widget)
{
    QHash<const QWidget*, WrittenCodes>& codes = writtenCodes();
    auto found = codes.find(widget);
    if (found == codes.end()) {
        found = codes.insert(widget, WrittenCodes{});
        QObject::connect(widget, &QObject::destroyed, widget, [widget] { writtenCodes().remove(widget); });
    }
    return found.value();
}

// Editable boxes paint their background with the Base role, everything else with Window.
QPalette::ColorRole backgroundRole(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)) {
        return QPalette::Base;
    }
    return QPalette::Window;
}

QPalette::ColorRole textRole(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)) {
        return QPalette::Text;
    }
    if (qobject_cast<const QLabel*>(widget)) {
        return QPalette::WindowText;
    }
    return QPalette::ButtonText;
}

ColourCode storedCode(
    const QWidget* widget, std::optional<ColourCode> WrittenCodes::*code, ColourCode fallback)
{
    const auto found = writtenCodes().constFind(widget);
    if (found == writtenCodes().constEnd()) {
        return fallback;
    }
    return (found.value().*code).value_or(fallback);
}

} // namespace

QColor toQColor(ColourCode code)
{
    if (isSystemColour(code)) {
        switch (code & 0xFF) {
        case 0x03: // inactive title bar: the board's idle blue
            return QColor(122, 150, 223);
        case 0x08: // window text
            return QColor(0, 0, 0);
        case 0x0F: // button face
            return QColor(236, 233, 216);
        default:
            return QColor(236, 233, 216);
        }
    }
    return QColor(static_cast<int>(code & 0xFF), static_cast<int>((code >> 8) & 0xFF),
        static_cast<int>((code >> 16) & 0xFF));
}

void setBackColour(QWidget* widget, ColourCode code)
{
    std::optional<ColourCode>& written = codesOf(widget).back;
    if (written == code) {
        return;
    }
    written = code;
    QPalette palette = widget->palette();
    const QColor colour = toQColor(code);
    const QPalette::ColorRole role = backgroundRole(widget);
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    if (role == QPalette::Window) {
        palette.setColor(QPalette::Button, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void setForeColour(QWidget* widget, ColourCode code)
{
    std::optional<ColourCode>& written = codesOf(widget).fore;
    if (written == code) {
        return;
    }
    written = code;
    QPalette palette = widget->palette();
    const QColor colour = toQColor(code);
    const QPalette::ColorRole role = textRole(widget);
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(palette);
}

ColourCode backColour(const QWidget* widget)
{
    return storedCode(widget, &WrittenCodes::back, ButtonFace);
}

ColourCode foreColour(const QWidget* widget)
{
    return storedCode(widget, &WrittenCodes::fore, WindowText);
}

} // namespace Colours
