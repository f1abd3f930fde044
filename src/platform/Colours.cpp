#include "platform/Colours.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>

namespace Colours {

namespace {

const char* const BackColourProperty = "backColour";
const char* const ForeColourProperty = "foreColour";

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

ColourCode storedCode(const QWidget* widget, const char* property, ColourCode fallback)
{
    const QVariant value = widget->property(property);
    return value.isValid() ? value.value<ColourCode>() : fallback;
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
    const QVariant previous = widget->property(BackColourProperty);
    if (previous.isValid() && previous.value<ColourCode>() == code) {
        return;
    }
    widget->setProperty(BackColourProperty, QVariant::fromValue(code));
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
    const QVariant previous = widget->property(ForeColourProperty);
    if (previous.isValid() && previous.value<ColourCode>() == code) {
        return;
    }
    widget->setProperty(ForeColourProperty, QVariant::fromValue(code));
    QPalette palette = widget->palette();
    const QColor colour = toQColor(code);
    const QPalette::ColorRole role = textRole(widget);
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(palette);
}

ColourCode backColour(const QWidget* widget)
{
    return storedCode(widget, BackColourProperty, ButtonFace);
}

ColourCode foreColour(const QWidget* widget)
{
    return storedCode(widget, ForeColourProperty, WindowText);
}

} // namespace Colours
