<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Tambrel parlera français à son prochain démarrage.</source>
        <translation>Tambrel will speak French from its next start.</translation>
    </message>
    <message>
        <source>Tambrel parlera anglais à son prochain démarrage.</source>
        <translation>Tambrel will speak English from its next start.</translation>
    </message>
</context>
<context>
    <name>StakeTexts</name>
    <message>
        <source>Mise !</source>
        <translation>Stake!</translation>
    </message>
    <message>
        <source>Vous pouvez changer la Mise de Depart</source>
        <translation>You may change the starting stake</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Attention , assurez vous que la mise Maximale soit possible !</source>
        <translation>Careful: make sure the highest stake is allowed!</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Mise de départ</source>
        <translation>Starting stake</translation>
    </message>
    <message>
        <source>Mise du coup %1</source>
        <translation>Stake of round %1</translation>
    </message>
    <message>
        <source>Marquer le coup %1</source>
        <translation>Mark round %1</translation>
    </message>
</context>
</TS>
