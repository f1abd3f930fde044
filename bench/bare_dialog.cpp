// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a Qt Widgets program that does nothing but show one empty dialog,
// the way Tambrel shows its disclaimer (modal, until it is closed).
#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    return dialog.exec();
}
