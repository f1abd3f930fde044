// SPDX-License-Identifier: GPL-3.0-or-later
// The trend windows' own texts, exactly as the player reads them in French, the language they
// are written in, and through the translations in the player's language.
#pragma once

#include "platform/Language.h"
#include "trends/EvenChanceTracker.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <type_traits>

class TrendTexts
{
    Q_DECLARE_TR_FUNCTIONS(TrendTexts)

public:
    // The advice caption, %1 the chance in per cent: "  130% de Chance sur : ".
    static QString chance(int percent) { return tr("  %1% de Chance sur : ").arg(percent); }

    static QString windowCaption(EvenChance pair) { return tr(WindowCaptions[static_cast<int>(pair)]); }

    // A counter's caption and its usual wait, in the tracker's order of counters.
    static QString riskCaption(int kind) { return tr(RiskCaptions[kind]); }
    static QString normalCaption(int kind) { return tr(NormalCaptions[kind]); }

    // The pair/impair window's cells: the initials of impair and pair.
    static QString oddInitial() { return tr("I", "initial of impair"); }
    static QString evenInitial() { return tr("P", "initial of pair"); }

    static QString helpTip() { return tr("Aide"); }
    // For screen readers.
    static QString slideName() { return tr("Ouvrir ou fermer les compteurs"); }
    static QString suggestionName(const QString& side) { return tr("Suggestion : %1").arg(side); }
    // %1 the advice caption as the label shows it, %2 the side the suggestion cell holds.
    static QString adviceName(const QString& caption, const QString& side)
    {
        return tr("%1 %2", "advice caption, then the side it suggests").arg(caption, side);
    }
    // %1 a counter's caption, %2 its alert in words.
    static QString warningName(const QString& caption, const QString& warning)
    {
        return tr("%1 : %2", "counter caption, then its alert").arg(caption, warning);
    }

    // Signs, picture and page names, the same in every language.
    static inline const QString LowSign = QStringLiteral("-");
    static inline const QString HighSign = QStringLiteral("+");
    static inline const QString HelpPage = QStringLiteral("AideSimple.html");
    static inline const QString DownArrow = QStringLiteral("flecheB.ico");
    static inline const QString UpArrow = QStringLiteral("flecheH.ico");

private:
    static constexpr const char* WindowCaptions[EvenChanceCount] = {
        QT_TRANSLATE_NOOP("TrendTexts", "Couleur Noir/Rouge"),
        QT_TRANSLATE_NOOP("TrendTexts", "Pass/Manque"),
        QT_TRANSLATE_NOOP("TrendTexts", "Pair/Impair"),
    };
    static constexpr const char* RiskCaptions[EvenChanceTracker::CounterCount] = {
        QT_TRANSLATE_NOOP("TrendTexts", "Risque de Repetition Superieur a: 4"),
        QT_TRANSLATE_NOOP("TrendTexts", "Risque de Repetition Superieur a: 5"),
        QT_TRANSLATE_NOOP("TrendTexts", "Risque d' Alternance Superieur a: 4"),
        QT_TRANSLATE_NOOP("TrendTexts", "Risque d' Alternance Superieur a: 5"),
    };
    static constexpr const char* NormalCaptions[EvenChanceTracker::CounterCount] = {
        QT_TRANSLATE_NOOP("TrendTexts", "Tirage Normal entre Repet de 4 = 33->200"),
        QT_TRANSLATE_NOOP("TrendTexts", "Tirage Normal entre Repet de 5 = 40->133"),
        QT_TRANSLATE_NOOP("TrendTexts", "Tirage Normal entre Altern de 4 = 33->200"),
        QT_TRANSLATE_NOOP("TrendTexts", "Tirage Normal entre Altern de 5 = 40->133"),
    };
};

namespace TrendWords {

// Texts a refresh reads after every entry, translated once for each language they are read in.
template<typename Make>
const std::invoke_result_t<Make>& translatedOnce(Make make)
{
    static std::optional<std::invoke_result_t<Make>> made[2];
    std::optional<std::invoke_result_t<Make>>& kept
        = made[Language::current() == Language::Choice::French ? 0 : 1];
    if (!kept) {
        kept = make();
    }
    return *kept;
}

// A mark in words: "rouge", "noir", "vert" in the colour window; "manque", "passe", "impair",
// "pair" in the others; "vide" for a cell that holds nothing.
QString markWord(EvenChance pair, Mark mark);

// A warning box's colour in words.
QString warningWord(EvenChanceTracker::Warning warning);

// A counter in words: "Tirages depuis la dernière série de 5 : 12" ("pas encore" before the
// first such run); `kind` as the tracker's counters.
QString counterName(int kind, int drawsSince);

// The advice caption with the side it suggests, or that there is no advice.
QString adviceText(const QString& caption, EvenChance pair, Mark suggestion);

} // namespace TrendWords
