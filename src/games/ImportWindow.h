// SPDX-License-Identifier: GPL-3.0-or-later
// "Importer des tirages": what a file was read as, before it becomes a new game — its count,
// the order it is in, the mistakes by line and column. With mistakes, nothing is imported
// unless the player chooses to leave their lines out. The board makes the game.
#pragma once

#include "games/DrawImport.h"

#include <QDialog>
#include <QVector>

class QPushButton;
class ReadingPreview;

class ImportWindow : public QDialog
{
    Q_OBJECT

public:
    // Shown with open(): modal to the board, deleted once closed.
    ImportWindow(const QString& path, DrawImport::Reading reading, QWidget* parent);

signals:
    // On "Importer" or "Importer sans ces lignes": the numbers in playing order.
    void numbersChosen(const QVector<int>& numbers);

private:
    void buildControls(const QString& path);
    void refresh();
    void choose();

    DrawImport::Reading m_reading;
    ReadingPreview* m_preview = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_withoutLines = nullptr;
};
