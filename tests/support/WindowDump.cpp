// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowDump.h"

#include "platform/Colours.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <algorithm>

namespace {

QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The picture a button or a label carries: the built-in icon it equals, drawn at its size (a
// button's icon size), never a digest of pixels that differ from one machine to the next.
QString pictureOf(const QWidget* widget)
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const auto* label = qobject_cast<const QLabel*>(widget);
    const QPixmap picture = button ? button->icon().pixmap(button->iconSize())
        : label                    ? label->pixmap()
                                   : QPixmap();
    if (picture.isNull()) {
        return QStringLiteral("-");
    }
    const QSize size = button ? button->iconSize() : picture.deviceIndependentSize().toSize();
    const QFileInfoList icons = QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files);
    const auto shown = std::find_if(icons.begin(), icons.end(), [&](const QFileInfo& icon) {
        return QIcon(icon.filePath()).pixmap(size).toImage() == picture.toImage();
    });
    return (shown == icons.end() ? QStringLiteral("unknown") : shown->fileName())
        + QString::asprintf("@%dx%d", size.width(), size.height());
}

QString describe(const QWidget* widget)
{
    const QVariant index = widget->property("index");
    const QRect area = widget->geometry();
    QStringList fields{QString::fromLatin1(widget->metaObject()->className()),
        widget->objectName() + (index.isValid() ? QStringLiteral("[%1]").arg(index.toInt()) : QString()),
        QString::asprintf("geo=%d,%d,%d,%d vis=%d en=%d", area.x(), area.y(), area.width(), area.height(),
            widget->isVisibleTo(widget->window()), widget->isEnabled())};
    if (widget->isWindow()) {
        fields << QStringLiteral("title=") + quoted(widget->windowTitle());
    }
    // Labels, buttons and line edits show their "text", text boxes their "plainText".
    for (const char* text : {"text", "plainText"}) {
        if (const QVariant shown = widget->property(text); shown.isValid()) {
            fields << QStringLiteral("text=") + quoted(shown.toString());
        }
    }
    if (widget->property("checkable").toBool()) {
        fields << QStringLiteral("checked=%1").arg(widget->property("checked").toBool());
    }
    const QFont font = widget->font();
    fields << QStringLiteral("tip=") + quoted(widget->toolTip())
           << QString::asprintf(
                  "back=%08X fore=%08X", Colours::backColour(widget), Colours::foreColour(widget))
           << QStringLiteral("font=%1,%2,%3").arg(font.family()).arg(font.pointSizeF()).arg(font.bold());
    if (const QVariant alignment = widget->property("alignment"); alignment.isValid()) {
        fields << QString::asprintf("align=0x%x", alignment.toInt());
    }
    fields << QStringLiteral("icon=") + pictureOf(widget);
    // The program's own dynamic properties (Tag and the like), by name; the index is above.
    QList<QByteArray> names = widget->dynamicPropertyNames();
    std::sort(names.begin(), names.end());
    for (const QByteArray& name : names) {
        if (name != "index" && !name.startsWith("_q_")) {
            fields << QString::fromLatin1(name) + QLatin1Char('=')
                    + quoted(widget->property(name).toString());
        }
    }
    fields << QStringLiteral("acc=") + quoted(widget->accessibleName())
           << QStringLiteral("desc=") + quoted(widget->accessibleDescription());
    return fields.join(QLatin1Char(' '));
}

} // namespace

QString dumpWindow(const QWidget* window)
{
    QList<const QWidget*> controls;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        // Qt's own inner widgets (viewports, scroll bars) are not the program's controls.
        if (child->window() == window && !child->objectName().isEmpty()
            && !child->objectName().startsWith(QLatin1String("qt_"))) {
            controls << child;
        }
    }
    const auto key
        = [](const QWidget* w) { return std::pair(w->objectName(), w->property("index").toInt()); };
    std::stable_sort(controls.begin(), controls.end(), [&key](auto* a, auto* b) { return key(a) < key(b); });
    QString dump = describe(window) + QLatin1Char('\n');
    for (const QWidget* control : controls) {
        dump += describe(control) + QLatin1Char('\n');
    }
    return dump;
}
