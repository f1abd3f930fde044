// SPDX-License-Identifier: GPL-3.0-or-later
// The "Bilan des conseils" window's own texts, exactly as the player reads them in French, the
// language they are written in, and through the translations in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class AdviceAccountTexts
{
    Q_DECLARE_TR_FUNCTIONS(AdviceAccountTexts)

public:
    static QString caption() { return tr("Bilan des conseils"); }

    // The table: its columns, then its rows in the order of AdviceAccount::Row.
    static QString corner() { return tr("Conseil"); }
    static constexpr const char* Headers[10] = {
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Paris"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Mises"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Gagnés"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Taux"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Taux du hasard"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Résultat"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Attendu"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Écart (σ)"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Plus longue série perdante"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Pire recul"),
    };
    static QString header(int column) { return tr(Headers[column]); }
    static constexpr const char* RowNames[6] = {
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Chances simples"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Douzaines"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Colonnes"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Numéros clignotants"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Tous les conseils"),
        QT_TRANSLATE_NOOP("AdviceAccountTexts", "Chances simples en progression"),
    };
    static QString rowName(int row) { return tr(RowNames[row]); }
    static QString progressionTip()
    {
        return tr(
            "Les mêmes paris sur les chances simples, avec la progression du calculateur de mises : 1, 3, "
            "7, 15, 31, 63, 127 unités, chaque chance à part ; une marche de plus après une perte (un "
            "partage aussi), retour à 1 après un gain ou après la septième perte. Elle n'entre pas dans « "
            "Tous les conseils ».");
    }
    static QString percent() { return tr("%1\u00a0%"); }
    static QString unitsTip()
    {
        return tr(
            "Mises, résultats et reculs en unités de mise. Attendu : 1/37 des mises perdu, 1/74 sur les "
            "chances simples, où le zéro rend la moitié de la mise.");
    }

    // The account of all the advice in one sentence: over how many draws (%1, which chooses
    // the plural form), what following it cost or brought (%2), against what the game takes
    // (%3), and whether the gap (%4) is chance's, with its p (%5) when it is not.
    static QString cost(int draws)
    {
        return tr("Sur %1 tirage(s), suivre les conseils aurait coûté %2\u00a0% des mises (attendu : "
                  "%3\u00a0%) : un écart de %4\u00a0σ, celui du hasard.",
            nullptr, draws);
    }
    static QString gain(int draws)
    {
        return tr("Sur %1 tirage(s), suivre les conseils aurait rapporté %2\u00a0% des mises (attendu : "
                  "%3\u00a0%) : un écart de %4\u00a0σ, celui du hasard.",
            nullptr, draws);
    }
    static QString unusualCost(int draws)
    {
        return tr("Sur %1 tirage(s), suivre les conseils aurait coûté %2\u00a0% des mises (attendu : "
                  "%3\u00a0%) : un écart de %4\u00a0σ, inhabituel (%5) : à confirmer sur d'autres tirages "
                  "avant d'y croire.",
            nullptr, draws);
    }
    static QString unusualGain(int draws)
    {
        return tr("Sur %1 tirage(s), suivre les conseils aurait rapporté %2\u00a0% des mises (attendu : "
                  "%3\u00a0%) : un écart de %4\u00a0σ, inhabituel (%5) : à confirmer sur d'autres tirages "
                  "avant d'y croire.",
            nullptr, draws);
    }
    static QString nothingPlayed(int draws)
    {
        return tr(
            "Sur %1 tirage(s), aucun conseil n'a encore été suivi : rien n'a été misé.", nullptr, draws);
    }
    static QString price()
    {
        return tr("À la longue, le jeu prend %1\u00a0% de chaque mise (%2\u00a0% sur les chances simples) : "
                  "aucun conseil ne change ce prix.");
    }

    // The chart.
    static QString chartName() { return tr("Résultat cumulé de chaque conseil"); }
    static QString drawsAxis() { return tr("Tirages"); }
    static QString unitsAxis() { return tr("Unités"); }
    static QString expectedLegend() { return tr("Attendu, tous les conseils"); }

    static QString copy() { return tr("Copier"); }
};
