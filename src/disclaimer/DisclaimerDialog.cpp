// SPDX-License-Identifier: GPL-3.0-or-later
#include "disclaimer/DisclaimerDialog.h"

#include "disclaimer/DisclaimerTexts.h"
#include "platform/Application.h"
#include "platform/Colours.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QFont arial(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, int left,
    int top, int width, int height, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    nameControl(label, name);
    label->setFont(font);
    label->setAlignment(alignment);
    Twips::place(label, left, top, width, height);
    return label;
}

QPlainTextEdit* makeTextBox(
    QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height)
{
    auto* box = new QPlainTextEdit(parent);
    nameControl(box, name);
    box->setReadOnly(true);
    box->setProperty("storedText", text);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n'))) {
        shown.chop(1);
    }
    box->setPlainText(shown);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setFont(arial(7.5, false));
    Twips::place(box, left, top, width, height);
    return box;
}

// A right-aligned label whose text outgrows it widens to the left, keeping its right edge.
void growLeftToFit(QLabel* label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin() + 4;
    if (needed > label->width()) {
        QRect area = label->geometry();
        area.setLeft(area.right() + 1 - needed);
        label->setGeometry(area);
    }
}

} // namespace

DisclaimerDialog::DisclaimerDialog(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("disclaimerDialog"));
    setModal(true);
    setFixedSize(Twips::toPixels(7320), Twips::toPixels(7110));

    auto* frame = new QFrame(this);
    nameControl(frame, QStringLiteral("titleFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    Twips::place(frame, 120, 120, 7080, 3090);

    auto* logo = new QLabel(frame);
    nameControl(logo, QStringLiteral("logo"));
    Twips::place(logo, 240, 360, 960, 960);
    logo->setAccessibleName(DisclaimerTexts::logoName());
    const QIcon icon = Pictures::applicationIcon();
    if (!icon.isNull()) {
        logo->setPixmap(icon.pixmap(logo->size()));
    }

    makeLabel(frame, QStringLiteral("companyProductLabel"), DisclaimerTexts::companyProduct(),
        arial(18, true), 1800, 480, 4950, 435);
    makeLabel(frame, QStringLiteral("productTitleLabel"), DisclaimerTexts::productTitle(), arial(18, true),
        2640, 960, 3510, 435);
    makeLabel(frame, QStringLiteral("productNameLabel"), DisclaimerTexts::productNameDesign(),
        arial(32.25, true), 600, 1560, 5820, 765, Qt::AlignCenter);
    makeLabel(frame, QStringLiteral("platformLabel"), DisclaimerTexts::platform(), arial(15.75, true), 2745,
        2340, 3930, 360, Qt::AlignRight | Qt::AlignVCenter);
    makeLabel(frame, QStringLiteral("versionLabel"), QStringLiteral("Version"), arial(12, true), 5970, 2700,
        885, 285, Qt::AlignRight | Qt::AlignVCenter);
    // Two small lines under the product name. Drawn lower down, they would fall past the
    // frame's bottom edge and never be seen; they sit at its bottom left instead.
    makeLabel(frame, QStringLiteral("firstSmallLine"), DisclaimerTexts::smallLine1(), arial(8.25, false), 240,
        2580, 2415, 255);
    makeLabel(frame, QStringLiteral("secondSmallLine"), DisclaimerTexts::smallLine2(), arial(8.25, false),
        240, 2790, 2415, 255);

    QLabel* warning = makeLabel(this, QStringLiteral("warningLabel"), DisclaimerTexts::warning(),
        arial(8.25, true), 120, 3240, 6855, 195);
    Colours::setForeColour(warning, Colours::Red);

    makeTextBox(this, QStringLiteral("disclaimerText"), DisclaimerTexts::disclaimer(), 240, 3480, 6855, 1815)
        ->setAccessibleName(DisclaimerTexts::disclaimerName());
    QPlainTextEdit* note
        = makeTextBox(this, QStringLiteral("makerNote"), DisclaimerTexts::makerNote(), 240, 5520, 6855, 735);
    Colours::setForeColour(note, Colours::DarkRed);
    note->setAccessibleName(DisclaimerTexts::makerNoteName());

    auto* accept = new QPushButton(DisclaimerTexts::accept(), this);
    nameControl(accept, QStringLiteral("acceptButton"));
    Twips::place(accept, 720, 6480, 2415, 495);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(DisclaimerTexts::cancel(), this);
    nameControl(cancel, QStringLiteral("cancelButton"));
    Twips::place(cancel, 4200, 6480, 2415, 495);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Neither button is pressed by a key unless it has the focus.
    accept->setAutoDefault(false);
    cancel->setAutoDefault(false);
    accept->setFocus();

    showVersion();
}

void DisclaimerDialog::showVersion()
{
    auto* version = findChild<QLabel*>(QStringLiteral("versionLabel"));
    version->setText(DisclaimerTexts::version(Application::versionText()));
    growLeftToFit(version);
    findChild<QLabel*>(QStringLiteral("productNameLabel"))->setText(Application::title());
}

QString DisclaimerDialog::storedText(const QPlainTextEdit* box)
{
    return box->property("storedText").toString();
}

void DisclaimerDialog::keyPressEvent(QKeyEvent* event)
{
    // Keys never close the disclaimer (Escape included); a focused button still takes
    // Return and Enter, as Space.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            event->accept();
            button->click();
            return;
        }
    }
    event->accept();
}
