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
