// SPDX-License-Identifier: GPL-3.0-or-later
// A second floor for start-up: the same bare dialog with one line of text in it. The first
// text a Qt program shows sets up the whole font system, which the empty dialog never does.
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    auto* label = new QLabel(QStringLiteral("Tambrel"), &dialog);
    label->move(10, 10);
    return dialog.exec();
}
