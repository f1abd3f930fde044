<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>AdviceAccountTexts</name>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</source>
        <translation>
            <numerusform>Sur %1 tirage, suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</numerusform>
            <numerusform>Sur %1 tirages, suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</source>
        <translation>
            <numerusform>Sur %1 tirage, suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</numerusform>
            <numerusform>Sur %1 tirages, suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</source>
        <translation>
            <numerusform>Sur %1 tirage, suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</numerusform>
            <numerusform>Sur %1 tirages, suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</source>
        <translation>
            <numerusform>Sur %1 tirage, suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</numerusform>
            <numerusform>Sur %1 tirages, suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), aucun conseil n&apos;a encore été suivi : rien n&apos;a été misé.</source>
        <translation>
            <numerusform>Sur %1 tirage, aucun conseil n&apos;a encore été suivi : rien n&apos;a été misé.</numerusform>
            <numerusform>Sur %1 tirages, aucun conseil n&apos;a encore été suivi : rien n&apos;a été misé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardTexts</name>
    <message numerus="yes">
        <source> N° Sortis Seulement : %n Fois</source>
        <translation>
            <numerusform> N° Sortis Seulement : %n Fois</numerusform>
            <numerusform> N° Sortis Seulement : %n Fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n Fois Sorti</source>
        <translation>
            <numerusform> %n Fois Sorti</numerusform>
            <numerusform> %n Fois Sorti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message numerus="yes">
        <source>%n Fois Sorti, numéro conseillé</source>
        <translation>
            <numerusform>%n Fois Sorti, numéro conseillé</numerusform>
            <numerusform>%n Fois Sorti, numéro conseillé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Fois Sorti</source>
        <translation>
            <numerusform>%n Fois Sorti</numerusform>
            <numerusform>%n Fois Sorti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GamesTexts</name>
    <message numerus="yes">
        <source>%1 numéro(s) à ajouter</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 numéro à ajouter</numerusform>
            <numerusform>%1 numéros à ajouter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 erreur(s) à corriger</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 erreur à corriger</numerusform>
            <numerusform>%1 erreurs à corriger</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… et %1 autre(s) erreur(s)</source>
        <extracomment>Under the mistakes shown; %1: how many more, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>… et %1 autre erreur</numerusform>
            <numerusform>… et %1 autres erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numéro(s) à importer</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 numéro à importer</numerusform>
            <numerusform>%1 numéros à importer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) en erreur. Sans elle(s) : %2 à importer.</source>
        <extracomment>%1: how many lines, written with its thousands grouped; %2: the numbers left (&quot;42 numéros&quot;)</extracomment>
        <translation>
            <numerusform>%1 ligne en erreur. Sans elle : %2 à importer.</numerusform>
            <numerusform>%1 lignes en erreur. Sans elles : %2 à importer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) du fichier de cette partie n&apos;a/n&apos;ont pas pu être lue(s) : elle(s) a/ont été laissée(s) de côté.</source>
        <extracomment>%1: how many lines, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 ligne du fichier de cette partie n&apos;a pas pu être lue : elle a été laissée de côté.</numerusform>
            <numerusform>%1 lignes du fichier de cette partie n&apos;ont pas pu être lues : elles ont été laissées de côté.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reprendre les %n tables interrompues ?

%1</source>
        <extracomment>Never fewer than 2 tables; %1: one line per table</extracomment>
        <translation>
            <numerusform>Reprendre la table interrompue ?

%1</numerusform>
            <numerusform>Reprendre les %n tables interrompues ?

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 numéro(s)</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 numéro</numerusform>
            <numerusform>%1 numéros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsTexts</name>
    <message numerus="yes">
        <source>χ² = %1 pour 36 degrés de liberté, sur %2 tirage(s)</source>
        <translation>
            <numerusform>χ² = %1 pour 36 degrés de liberté, sur %2 tirage</numerusform>
            <numerusform>χ² = %1 pour 36 degrés de liberté, sur %2 tirages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>absent depuis %1 tirage(s)</source>
        <translation>
            <numerusform>absent depuis %1 tirage</numerusform>
            <numerusform>absent depuis %1 tirages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Numéro %1 : %2 sortie(s) pour %3 attendue, %4</source>
        <translation>
            <numerusform>Numéro %1 : %2 sortie pour %3 attendue, %4</numerusform>
            <numerusform>Numéro %1 : %2 sorties pour %3 attendue, %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Numéro %1 : %2 sortie(s) pour %3 attendues, %4</source>
        <translation>
            <numerusform>Numéro %1 : %2 sortie pour %3 attendues, %4</numerusform>
            <numerusform>Numéro %1 : %2 sorties pour %3 attendues, %4</numerusform>
        </translation>
    </message>
</context>
</TS>
