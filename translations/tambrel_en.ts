<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>AdviceAccountTexts</name>
    <message>
        <source>Bilan des conseils</source>
        <translation>Advice results</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Bets</translation>
    </message>
    <message>
        <source>Mises</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Gagnés</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Taux</source>
        <translation>Win rate</translation>
    </message>
    <message>
        <source>Taux du hasard</source>
        <translation>Chance rate</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Attendu</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Écart (σ)</source>
        <translation>Deviation (σ)</translation>
    </message>
    <message>
        <source>Plus longue série perdante</source>
        <translation>Longest losing run</translation>
    </message>
    <message>
        <source>Pire recul</source>
        <translation>Worst drawdown</translation>
    </message>
    <message>
        <source>Chances simples</source>
        <translation>Even chances</translation>
    </message>
    <message>
        <source>Douzaines</source>
        <translation>Dozens</translation>
    </message>
    <message>
        <source>Colonnes</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Numéros clignotants</source>
        <translation>Flashing numbers</translation>
    </message>
    <message>
        <source>Tous les conseils</source>
        <translation>All the advice</translation>
    </message>
    <message>
        <source>Chances simples en progression</source>
        <translation>Even chances with progression</translation>
    </message>
    <message>
        <source>Les mêmes paris sur les chances simples, avec la progression du calculateur de mises : 1, 3, 7, 15, 31, 63, 127 unités, chaque chance à part ; une marche de plus après une perte (un partage aussi), retour à 1 après un gain ou après la septième perte. Elle n&apos;entre pas dans « Tous les conseils ».</source>
        <translation>The same bets on the even chances, with the stake calculator&apos;s progression: 1, 3, 7, 15, 31, 63, 127 units, each chance on its own; one step up after a loss (a partage too), back to 1 after a win or after the seventh loss. It is not part of “All the advice”.</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Mises, résultats et reculs en unités de mise. Attendu : 1/37 des mises perdu, 1/74 sur les chances simples, où le zéro rend la moitié de la mise.</source>
        <translation>Stakes, results and drawdowns in stake units. Expected: 1/37 of the stakes lost, 1/74 on the even chances, where zero returns half the stake.</translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</source>
        <translation>
            <numerusform>Over %1 draw, following the advice would have cost %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, within chance.</numerusform>
            <numerusform>Over %1 draws, following the advice would have cost %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, within chance.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, celui du hasard.</source>
        <translation>
            <numerusform>Over %1 draw, following the advice would have brought in %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, within chance.</numerusform>
            <numerusform>Over %1 draws, following the advice would have brought in %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, within chance.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait coûté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</source>
        <translation>
            <numerusform>Over %1 draw, following the advice would have cost %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, unusual (%5): confirm it over other draws before believing it.</numerusform>
            <numerusform>Over %1 draws, following the advice would have cost %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, unusual (%5): confirm it over other draws before believing it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), suivre les conseils aurait rapporté %2&#xa0;% des mises (attendu : %3&#xa0;%) : un écart de %4&#xa0;σ, inhabituel (%5) : à confirmer sur d&apos;autres tirages avant d&apos;y croire.</source>
        <translation>
            <numerusform>Over %1 draw, following the advice would have brought in %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, unusual (%5): confirm it over other draws before believing it.</numerusform>
            <numerusform>Over %1 draws, following the advice would have brought in %2% of the stakes (expected: %3%): a deviation of %4&#xa0;σ, unusual (%5): confirm it over other draws before believing it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sur %1 tirage(s), aucun conseil n&apos;a encore été suivi : rien n&apos;a été misé.</source>
        <translation>
            <numerusform>Over %1 draw, no advice has been followed yet: nothing has been staked.</numerusform>
            <numerusform>Over %1 draws, no advice has been followed yet: nothing has been staked.</numerusform>
        </translation>
    </message>
    <message>
        <source>À la longue, le jeu prend %1&#xa0;% de chaque mise (%2&#xa0;% sur les chances simples) : aucun conseil ne change ce prix.</source>
        <translation>In the long run, the game takes %1% of every stake (%2% on the even chances): no advice changes that price.</translation>
    </message>
    <message>
        <source>Résultat cumulé de chaque conseil</source>
        <translation>Running result of each kind of advice</translation>
    </message>
    <message>
        <source>Tirages</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Unités</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Attendu, tous les conseils</source>
        <translation>Expected, all the advice</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>BoardTexts</name>
    <message>
        <source>N° Pas encore Sortis :</source>
        <translation>Numbers not drawn yet:</translation>
    </message>
    <message numerus="yes">
        <source> N° Sortis Seulement : %n Fois</source>
        <translation>
            <numerusform> Numbers drawn only once</numerusform>
            <numerusform> Numbers drawn only %n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n Fois Sorti</source>
        <translation>
            <numerusform> Drawn once</numerusform>
            <numerusform> Drawn %n times</numerusform>
        </translation>
    </message>
    <message>
        <source>Votre chiffre : </source>
        <translation>Your number: </translation>
    </message>
    <message>
        <source>Vous avez choisi le Chiffre :%1</source>
        <translation>You have chosen the number %1</translation>
    </message>
    <message>
        <source>Nombre de tirage</source>
        <translation>Number of draws</translation>
    </message>
    <message>
        <source>Vous pouvez Jouer les Numeros Clignotants</source>
        <translation>You may play the flashing numbers</translation>
    </message>
    <message>
        <source>SIMULER</source>
        <translation>SIMULATE</translation>
    </message>
    <message>
        <source>M</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Nombre de tirage : %1</source>
        <translation>Number of draws: %1</translation>
    </message>
    <message>
        <source>Numéros à ce niveau : %1</source>
        <translation>Numbers at this level: %1</translation>
    </message>
    <message>
        <source>Annuler le dernier numéro</source>
        <translation>Undo last number</translation>
    </message>
    <message>
        <source>Statistiques…</source>
        <translation>Statistics…</translation>
    </message>
    <message>
        <source>Bilan des conseils</source>
        <translation>Advice results</translation>
    </message>
    <message>
        <source>Saisir une liste de numéros…</source>
        <translation>Enter a list of numbers…</translation>
    </message>
    <message>
        <source>Importer des tirages…</source>
        <translation>Import draws…</translation>
    </message>
    <message>
        <source>Exporter la partie…</source>
        <translation>Export the game…</translation>
    </message>
    <message>
        <source>Parties précédentes…</source>
        <translation>Previous games…</translation>
    </message>
    <message>
        <source>Nouvelle partie</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Nouvelle table</source>
        <translation>New table</translation>
    </message>
    <message>
        <source>Renommer la table…</source>
        <translation>Rename the table…</translation>
    </message>
    <message>
        <source>Fermer la table</source>
        <translation>Close the table</translation>
    </message>
    <message>
        <source>%1 — conseil</source>
        <translation>%1 — advice</translation>
    </message>
    <message>
        <source>Renommer la table</source>
        <translation>Rename the table</translation>
    </message>
    <message>
        <source>Nom de la table :</source>
        <translation>Name of the table:</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Annuler le dernier numéro : %1 ?</source>
        <translation>Undo the last number: %1?</translation>
    </message>
    <message>
        <source>    1er Douzaine</source>
        <translation>    1st dozen</translation>
    </message>
    <message>
        <source>   2em Douzaine</source>
        <translation>   2nd dozen</translation>
    </message>
    <message>
        <source>   3em Douzaine</source>
        <translation>   3rd dozen</translation>
    </message>
    <message>
        <source>1e Col</source>
        <translation>1st col</translation>
    </message>
    <message>
        <source>2e Col</source>
        <translation>2nd col</translation>
    </message>
    <message>
        <source>3e Col</source>
        <translation>3rd col</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Pas encore sorti, numéro conseillé</source>
        <translation>Not drawn yet, advised number</translation>
    </message>
    <message>
        <source>Pas encore sorti</source>
        <translation>Not drawn yet</translation>
    </message>
    <message numerus="yes">
        <source>%n Fois Sorti, numéro conseillé</source>
        <translation>
            <numerusform>Drawn once, advised number</numerusform>
            <numerusform>Drawn %n times, advised number</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Fois Sorti</source>
        <translation>
            <numerusform>Drawn once</numerusform>
            <numerusform>Drawn %n times</numerusform>
        </translation>
    </message>
    <message>
        <source>Attente des numéros conseillés : orange, longue</source>
        <translation>Waiting for the advised numbers: orange, long</translation>
    </message>
    <message>
        <source>Attente des numéros conseillés : rouge, très longue</source>
        <translation>Waiting for the advised numbers: red, very long</translation>
    </message>
    <message>
        <source>Attente des numéros conseillés : vert</source>
        <translation>Waiting for the advised numbers: green</translation>
    </message>
    <message>
        <source>conseillée, à jouer</source>
        <translation>advised, to be played</translation>
    </message>
    <message>
        <source>non conseillée</source>
        <translation>not advised</translation>
    </message>
</context>
<context>
    <name>CommandLineTexts</name>
    <message>
        <source>Utilisation : tambrel [option]
Suit les tirages de la roulette française et dit ce qui vaut d’être joué.

Options :
  -h, --help     affiche cette aide
  -v, --version  affiche le nom et la version du programme

Sans option, le programme montre son avertissement, puis son tableau.
Les options de Qt (-platform, -style, -reverse…) sont aussi acceptées.
</source>
        <translation>Usage: tambrel [option]
Follows the draws of French roulette and says what is worth playing.

Options:
  -h, --help     shows this help
  -v, --version  shows the program’s name and version

Without an option, the program shows its disclaimer, then its board.
Qt’s own options (-platform, -style, -reverse…) are accepted too.
</translation>
    </message>
    <message>
        <source>tambrel : option inconnue « %1 »
Essayez « tambrel --help » pour en savoir plus.
</source>
        <translation>tambrel: unknown option ‘%1’
Try ‘tambrel --help’ for more information.
</translation>
    </message>
    <message>
        <source>tambrel : argument inattendu « %1 »
Essayez « tambrel --help » pour en savoir plus.
</source>
        <translation>tambrel: unexpected argument ‘%1’
Try ‘tambrel --help’ for more information.
</translation>
    </message>
    <message>
        <source>tambrel : aucun écran où s’afficher
</source>
        <translation>tambrel: no display to show on
</translation>
    </message>
</context>
<context>
    <name>DisclaimerTexts</name>
    <message>
        <source>Probabilités de chance pour </source>
        <translation>The odds of winning at </translation>
    </message>
    <message>
        <source>la Roulette</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <source>Roulette de Casino</source>
        <translation>Casino Roulette</translation>
    </message>
    <message>
        <source>Plate-forme Linux</source>
        <translation>Linux platform</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Conseils statistiques</source>
        <translation>Statistical advice</translation>
    </message>
    <message>
        <source>Parties gardées sur l’ordinateur</source>
        <translation>Games kept on the computer</translation>
    </message>
    <message>
        <source>Avertissement :</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>VALIDER</source>
        <translation>ACCEPT</translation>
    </message>
    <message>
        <source>ANNULER</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Logo du programme</source>
        <translation>Program logo</translation>
    </message>
    <message>
        <source>Texte de l’avertissement</source>
        <translation>Disclaimer text</translation>
    </message>
    <message>
        <source>Note du réalisateur</source>
        <translation>Maker’s note</translation>
    </message>
    <message>
        <source>Ce programme conseille, après étude de nombreuses probabilités, ce qu’il faut jouer à la roulette <byte value="xd"/>
française de casino, pour avoir un maximum de chance de gain.<byte value="xd"/>
Il est bien entendu, que ce programme, n’est pas un programme MAGIQUE.<byte value="xd"/>
Si la malchance s’acharne sur vous, l’auteur de ce programme ne peut en être tenu pour <byte value="xd"/>
responsable.<byte value="xd"/>
<byte value="xd"/>
En validant, je reconnais avoir pris connaissance de ces avertissements, et de ne me retourner  <byte value="xd"/>
en aucun cas, contre l’auteur de ce programme.<byte value="xd"/>
</source>
        <translation>After studying many probabilities, this program advises what to play at French casino <byte value="xd"/>
roulette, to give you the best chance of winning.<byte value="xd"/>
It goes without saying that this program is not a MAGIC program.<byte value="xd"/>
If bad luck hounds you, the author of this program cannot be held <byte value="xd"/>
responsible for it.<byte value="xd"/>
<byte value="xd"/>
By accepting, I acknowledge that I have read these warnings, and that I will not, under any <byte value="xd"/>
circumstances, turn against the author of this program.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Réalisateur de logiciels sur les jeux de casino , <byte value="xd"/>
conception à la demande : %1<byte value="xd"/>
</source>
        <translation>Maker of software for casino games, <byte value="xd"/>
designed to order: %1<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>DozensTexts</name>
    <message>
        <source>Colonne/Douzaine</source>
        <translation>Column/Dozen</translation>
    </message>
    <message>
        <source>Colonnes   :</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>Douzaines :</source>
        <translation>Dozens:</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Colonne du tirage %1 : %2</source>
        <translation>Column of draw %1: %2</translation>
    </message>
    <message>
        <source>Douzaine du tirage %1 : %2</source>
        <translation>Dozen of draw %1: %2</translation>
    </message>
    <message>
        <source>Colonnes : aucun conseil</source>
        <translation>Columns: no advice</translation>
    </message>
    <message>
        <source>Douzaines : aucun conseil</source>
        <translation>Dozens: no advice</translation>
    </message>
    <message>
        <source>Colonnes : conseil en cours, jouer %1</source>
        <translation>Columns: advice in progress, play %1</translation>
    </message>
    <message>
        <source>Douzaines : conseil en cours, jouer %1</source>
        <translation>Dozens: advice in progress, play %1</translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 et %2 et %3</source>
        <translation>%1, %2 and %3</translation>
    </message>
    <message>
        <source>vide</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>1re</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2e</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3e</source>
        <translation>3rd</translation>
    </message>
</context>
<context>
    <name>GamesTexts</name>
    <message>
        <source>Saisir une liste de numéros</source>
        <translation>Enter a list of numbers</translation>
    </message>
    <message>
        <source>Collez ou tapez les numéros, séparés par des espaces, des virgules, des points-virgules ou des retours à la ligne :</source>
        <translation>Paste or type the numbers, separated by spaces, commas, semicolons or line breaks:</translation>
    </message>
    <message>
        <source>Ordre de la liste</source>
        <translation>Order of the list</translation>
    </message>
    <message>
        <source>Du plus ancien au plus récent</source>
        <translation>Oldest first</translation>
    </message>
    <message>
        <source>Du plus récent au plus ancien</source>
        <translation>Newest first</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aucun numéro à ajouter</source>
        <translation>No numbers to add</translation>
    </message>
    <message numerus="yes">
        <source>%1 numéro(s) à ajouter</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 number to add</numerusform>
            <numerusform>%1 numbers to add</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 erreur(s) à corriger</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 mistake to correct</numerusform>
            <numerusform>%1 mistakes to correct</numerusform>
        </translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un numéro de 0 à 36 (1re position)</source>
        <translation>“%1” is not a number from 0 to 36 (position 1)</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un numéro de 0 à 36 (%2e position)</source>
        <extracomment>%1: the word typed; %2: its place in the list, 2 or more</extracomment>
        <translation>“%1” is not a number from 0 to 36 (position %2)</translation>
    </message>
    <message numerus="yes">
        <source>… et %1 autre(s) erreur(s)</source>
        <extracomment>Under the mistakes shown; %1: how many more, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>… and %1 more mistake</numerusform>
            <numerusform>… and %1 more mistakes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 : cette partie ne peut en recevoir que %2 de plus.</source>
        <extracomment>%1: the numbers of the list (&quot;42 numéros&quot;); %2: how many the game can still take</extracomment>
        <translation>%1: this game can take only %2 more.</translation>
    </message>
    <message>
        <source>Importer des tirages</source>
        <translation>Import draws</translation>
    </message>
    <message>
        <source>Tirages (%1)</source>
        <translation>Draws (%1)</translation>
    </message>
    <message>
        <source>Tous les fichiers (%1)</source>
        <translation>All files (%1)</translation>
    </message>
    <message>
        <source>Fichier : %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Numéros séparés par des virgules, des espaces, des points-virgules, des tabulations ou des retours à la ligne&#xa0;; les lignes sans chiffre sont laissées de côté.</source>
        <translation>Numbers separated by commas, spaces, semicolons, tabs or line breaks; lines without a digit are left out.</translation>
    </message>
    <message>
        <source>Tableau exporté par Tambrel : sa colonne « numéro ».</source>
        <extracomment>« numéro » is the name of the column in the file, the same in every language</extracomment>
        <translation>Table exported by Tambrel: its “numéro” column.</translation>
    </message>
    <message>
        <source>Partie enregistrée par Tambrel, annulations faites.</source>
        <translation>Game saved by Tambrel, with its undos applied.</translation>
    </message>
    <message>
        <source>Les tirages deviendront une nouvelle partie&#xa0;; la partie en cours sera terminée et gardée dans les parties précédentes.</source>
        <translation>The draws will become a new game; the current game will be ended and kept among the previous games.</translation>
    </message>
    <message>
        <source>Aucun numéro à importer</source>
        <translation>No numbers to import</translation>
    </message>
    <message numerus="yes">
        <source>%1 numéro(s) à importer</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 number to import</numerusform>
            <numerusform>%1 numbers to import</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) en erreur. Sans elle(s) : %2 à importer.</source>
        <extracomment>%1: how many lines, written with its thousands grouped; %2: the numbers left (&quot;42 numéros&quot;)</extracomment>
        <translation>
            <numerusform>%1 line with mistakes. Without it: %2 to import.</numerusform>
            <numerusform>%1 lines with mistakes. Without them: %2 to import.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 : une partie en garde au plus %2.</source>
        <extracomment>%1: the numbers of the file (&quot;42 numéros&quot;); %2: the most a game keeps</extracomment>
        <translation>%1: a game keeps %2 at most.</translation>
    </message>
    <message>
        <source>ligne %1, colonne %2 : « %3 » n&apos;est pas un numéro de 0 à 36</source>
        <translation>line %1, column %2: “%3” is not a number from 0 to 36</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Importer sans ces lignes</source>
        <translation>Import without those lines</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Reading the file…</translation>
    </message>
    <message>
        <source>Importation des tirages…</source>
        <translation>Importing the draws…</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;a pas pu être importé : %1.

Rien n&apos;a changé.</source>
        <translation>This file could not be imported: %1.

Nothing has changed.</translation>
    </message>
    <message>
        <source>il ne peut pas être lu</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>il ne contient aucun numéro</source>
        <translation>it contains no numbers</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier texte (des numéros, un tableau CSV ou une partie de Tambrel)</source>
        <translation>it is not a text file (numbers, a CSV table or a Tambrel game)</translation>
    </message>
    <message>
        <source>c&apos;est une partie enregistrée par une version plus récente de Tambrel</source>
        <translation>it is a game saved by a newer version of Tambrel</translation>
    </message>
    <message>
        <source>Cette partie compte %1, le plus grand nombre qu&apos;une partie peut garder : le numéro n&apos;a pas été ajouté.

Commencez une nouvelle partie pour continuer.</source>
        <extracomment>%1: the most numbers a game keeps (&quot;2 000 000 numéros&quot;)</extracomment>
        <translation>This game holds %1, the most a game can keep: the number was not added.

Start a new game to carry on.</translation>
    </message>
    <message>
        <source>Parties précédentes</source>
        <translation>Previous games</translation>
    </message>
    <message>
        <source>Aucune partie précédente.</source>
        <translation>No previous games.</translation>
    </message>
    <message>
        <source>Commencée le</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Numéros</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Derniers numéros</source>
        <translation>Last numbers</translation>
    </message>
    <message>
        <source>État</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Terminée</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Interrompue</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>Version plus récente</source>
        <translation>Newer version</translation>
    </message>
    <message>
        <source>Reprendre</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Supprimer la partie commencée le %1 (%2) ?

Elle sera effacée de cet ordinateur.</source>
        <extracomment>%1: when the game started; %2: its numbers (&quot;42 numéros&quot;)</extracomment>
        <translation>Delete the game started on %1 (%2)?

It will be erased from this computer.</translation>
    </message>
    <message>
        <source>La partie n&apos;a pas pu être supprimée : %1.</source>
        <translation>The game could not be deleted: %1.</translation>
    </message>
    <message>
        <source>cette partie est ouverte dans un autre Tambrel</source>
        <translation>this game is open in another Tambrel</translation>
    </message>
    <message>
        <source>cette partie a été enregistrée par une version plus récente de Tambrel</source>
        <translation>this game was saved by a newer version of Tambrel</translation>
    </message>
    <message>
        <source>le fichier de cette partie n&apos;existe plus</source>
        <translation>this game&apos;s file no longer exists</translation>
    </message>
    <message>
        <source>le fichier de cette partie ne peut pas être lu</source>
        <translation>this game&apos;s file cannot be read</translation>
    </message>
    <message>
        <source>La partie n&apos;a pas pu être reprise : %1.</source>
        <translation>The game could not be resumed: %1.</translation>
    </message>
    <message>
        <source>Exporter la partie</source>
        <translation>Export the game</translation>
    </message>
    <message>
        <source>Fichiers CSV (%1)</source>
        <translation>CSV files (%1)</translation>
    </message>
    <message>
        <source>La partie n&apos;a pas pu être exportée : %1.</source>
        <translation>The game could not be exported: %1.</translation>
    </message>
    <message>
        <source>Cette partie ne contient aucun numéro.</source>
        <translation>This game holds no numbers.</translation>
    </message>
    <message>
        <source>Cette partie n&apos;est pas enregistrée : %1.

La partie continue, mais elle ne pourra être ni reprise ni retrouvée dans les parties précédentes.</source>
        <translation>This game is not being saved: %1.

The game goes on, but it can be neither resumed nor found among the previous games.</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>votre espace disque autorisé est épuisé</source>
        <translation>your disk quota is used up</translation>
    </message>
    <message>
        <source>le dossier %1 ne peut pas être écrit</source>
        <translation>the folder %1 cannot be written to</translation>
    </message>
    <message>
        <source>le dossier %1 est en lecture seule</source>
        <translation>the folder %1 is read-only</translation>
    </message>
    <message>
        <source>le dossier %1 ne peut pas être créé</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>le disque a signalé une erreur d&apos;écriture</source>
        <translation>the disk reported a write error</translation>
    </message>
    <message>
        <source>le nom du dossier %1 est trop long</source>
        <translation>the name of the folder %1 is too long</translation>
    </message>
    <message>
        <source>une erreur inattendue s&apos;est produite (code %1)</source>
        <translation>an unexpected error occurred (code %1)</translation>
    </message>
    <message>
        <source>le fichier %1 ne peut pas être remplacé</source>
        <translation>the file %1 cannot be replaced</translation>
    </message>
    <message numerus="yes">
        <source>%1 ligne(s) du fichier de cette partie n&apos;a/n&apos;ont pas pu être lue(s) : elle(s) a/ont été laissée(s) de côté.</source>
        <extracomment>%1: how many lines, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 line of this game&apos;s file could not be read: it was left out.</numerusform>
            <numerusform>%1 lines of this game&apos;s file could not be read: they were left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>le fichier de cette partie est trop grand pour être lu en entier</source>
        <translation>this game&apos;s file is too large to be read whole</translation>
    </message>
    <message>
        <source>cette partie compte %1 au-delà des %2 qu&apos;une partie peut garder</source>
        <extracomment>%1: the numbers beyond (&quot;2 numéros&quot;); %2: the most a game keeps</extracomment>
        <translation>this game holds %1 beyond the %2 a game can keep</translation>
    </message>
    <message>
        <source>Partie interrompue</source>
        <translation>Interrupted game</translation>
    </message>
    <message>
        <source>Reprendre la partie interrompue ?

%1, commencée le %2.</source>
        <extracomment>%1: the game&apos;s numbers (&quot;42 numéros&quot;); %2: when it started</extracomment>
        <translation>Resume the interrupted game?

%1, started on %2.</translation>
    </message>
    <message>
        <source>Tables interrompues</source>
        <translation>Interrupted tables</translation>
    </message>
    <message numerus="yes">
        <source>Reprendre les %n tables interrompues ?

%1</source>
        <extracomment>Never fewer than 2 tables; %1: one line per table</extracomment>
        <translation>
            <numerusform>Resume the interrupted table?

%1</numerusform>
            <numerusform>Resume the %n interrupted tables?

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 : %2, commencée le %3.</source>
        <extracomment>%1: the table&apos;s name; %2: its numbers (&quot;42 numéros&quot;); %3: when its game started</extracomment>
        <translation>%1: %2, started on %3.</translation>
    </message>
    <message>
        <source>aucun numéro</source>
        <translation>no numbers</translation>
    </message>
    <message numerus="yes">
        <source>%1 numéro(s)</source>
        <extracomment>%1: how many, written with its thousands grouped</extracomment>
        <translation>
            <numerusform>%1 number</numerusform>
            <numerusform>%1 numbers</numerusform>
        </translation>
    </message>
    <message>
        <source>dd/MM/yyyy &apos;à&apos; HH:mm</source>
        <extracomment>How a game&apos;s start is written (06/12/2026 à 20:15): a QDateTime format, quoted words between &apos;&apos;</extracomment>
        <translation>dd/MM/yyyy &apos;at&apos; HH:mm</translation>
    </message>
</context>
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
    <name>NumberText</name>
    <message>
        <source>Trop grand</source>
        <translation>Too large</translation>
    </message>
</context>
<context>
    <name>NumberWords</name>
    <message>
        <source>%1 rouge</source>
        <translation>%1 red</translation>
    </message>
    <message>
        <source>%1 noir</source>
        <translation>%1 black</translation>
    </message>
    <message>
        <source>%1 vert</source>
        <translation>%1 green</translation>
    </message>
    <message>
        <source>vide</source>
        <translation>empty</translation>
    </message>
</context>
<context>
    <name>SimulationTexts</name>
    <message>
        <source>Simulation Jeu</source>
        <translation>Game simulation</translation>
    </message>
    <message>
        <source>Lancer la simulation</source>
        <translation>Start the simulation</translation>
    </message>
    <message>
        <source>Arreter la simulation</source>
        <translation>Stop the simulation</translation>
    </message>
    <message>
        <source>Pause !</source>
        <translation>Pause!</translation>
    </message>
    <message>
        <source>Reprendre !</source>
        <translation>Resume!</translation>
    </message>
    <message>
        <source>Seconde(S)</source>
        <translation>Second(s)</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Numéro tiré : %1</source>
        <translation>Number drawn: %1</translation>
    </message>
    <message>
        <source>Numéro tiré : aucun</source>
        <translation>Number drawn: none</translation>
    </message>
    <message>
        <source>Secondes entre deux tirages</source>
        <translation>Seconds between two draws</translation>
    </message>
</context>
<context>
    <name>SpeechTexts</name>
    <message>
        <source>Vous pouvez jouer , la couleur ROUGE !</source>
        <translation>You may play red!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , la couleur NOIR !</source>
        <translation>You may play black!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , les numeros de 1 , a 18 !</source>
        <translation>You may play the numbers 1 to 18!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , les numeros de 19 , a 36 !</source>
        <translation>You may play the numbers 19 to 36!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , les numeros , PAIRE !</source>
        <translation>You may play the even numbers!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , les numeros , IMPAIRE !</source>
        <translation>You may play the odd numbers!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , les colonnes , JAUNES !</source>
        <translation>You may play the yellow columns!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , les douzaines , JAUNES !</source>
        <translation>You may play the yellow dozens!</translation>
    </message>
    <message>
        <source>Vous pouvez jouer , les numeros  , clignotants !</source>
        <translation>You may play the flashing numbers!</translation>
    </message>
    <message>
        <source>Conseils parlés : cliquez ici (ou appuyez sur Espace) pour les activer ou les couper</source>
        <translation>Spoken advice: click here (or press Space) to turn it on or off</translation>
    </message>
    <message>
        <source>Conseils parlés activés</source>
        <translation>Spoken advice on</translation>
    </message>
    <message>
        <source>Conseils parlés coupés</source>
        <translation>Spoken advice off</translation>
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
<context>
    <name>StatisticsTexts</name>
    <message>
        <source>Statistiques</source>
        <translation>Statistics</translation>
    </message>
    <message numerus="yes">
        <source>χ² = %1 pour 36 degrés de liberté, sur %2 tirage(s)</source>
        <translation>
            <numerusform>χ² = %1 for 36 degrees of freedom, over %2 draw</numerusform>
            <numerusform>χ² = %1 for 36 degrees of freedom, over %2 draws</numerusform>
        </translation>
    </message>
    <message>
        <source>Pas encore assez de tirages pour juger la roue : %1 sur au moins %2.</source>
        <translation>Not enough draws yet to judge the wheel: %1 of at least %2.</translation>
    </message>
    <message>
        <source>Rien d&apos;anormal : ces écarts sont ceux du hasard (%1).</source>
        <translation>Nothing abnormal: these deviations are those of chance (%1).</translation>
    </message>
    <message>
        <source>Écart inhabituel (%1) : à confirmer sur des milliers de tirages avant d&apos;y croire.</source>
        <translation>Unusual deviation (%1): confirm it over thousands of draws before believing it.</translation>
    </message>
    <message>
        <source>p = %1</source>
        <translation>p = %1</translation>
    </message>
    <message>
        <source>p &lt; %1</source>
        <translation>p &lt; %1</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <translation>&lt; %1</translation>
    </message>
    <message>
        <source>%1 : %2&#xa0;σ (%3 ; %4 compte tenu des %5 lignes) : écart inhabituel, à confirmer sur d&apos;autres tirages.</source>
        <translation>%1: %2&#xa0;σ (%3; %4 given the %5 rows): unusual deviation, to be confirmed over other draws.</translation>
    </message>
    <message>
        <source>Le numéro le plus sorti dépasse souvent la bande par hasard : seul le test de toute la roue compte.</source>
        <translation>The number drawn most often goes beyond the band by chance: only the test of the whole wheel counts.</translation>
    </message>
    <message numerus="yes">
        <source>absent depuis %1 tirage(s)</source>
        <translation>
            <numerusform>absent for %1 draw</numerusform>
            <numerusform>absent for %1 draws</numerusform>
        </translation>
    </message>
    <message>
        <source>pas encore sorti</source>
        <translation>not drawn yet</translation>
    </message>
    <message>
        <source>sorti au dernier tirage</source>
        <translation>drawn in the last draw</translation>
    </message>
    <message numerus="yes">
        <source>Numéro %1 : %2 sortie(s) pour %3 attendue, %4</source>
        <translation>
            <numerusform>Number %1: %2 hit for %3 expected, %4</numerusform>
            <numerusform>Number %1: %2 hits for %3 expected, %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Numéro %1 : %2 sortie(s) pour %3 attendues, %4</source>
        <translation>
            <numerusform>Number %1: %2 hit for %3 expected, %4</numerusform>
            <numerusform>Number %1: %2 hits for %3 expected, %4</numerusform>
        </translation>
    </message>
    <message>
        <source>Chaque mise perd en moyenne %1&#xa0;% de son montant (1/37), %2&#xa0;% sur les chances simples avec le partage.</source>
        <translation>Every stake loses %1% of its amount on average (1/37), %2% on the even chances with the partage.</translation>
    </message>
    <message>
        <source>Progression du calculateur de mises : sept pertes de suite sur une chance simple arrivent dans %1&#xa0;% des séries et coûtent %2 fois la mise de départ (1 + 3 + 7 + 15 + 31 + 63 + 127).</source>
        <translation>Stake calculator&apos;s progression: seven losses in a row on an even chance happen in %1% of series and cost %2 times the starting stake (1 + 3 + 7 + 15 + 31 + 63 + 127).</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Observé</source>
        <translation>Observed</translation>
    </message>
    <message>
        <source>Attendu</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Écart (σ)</source>
        <translation>Deviation (σ)</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>Plus longue série</source>
        <translation>Longest run</translation>
    </message>
    <message>
        <source>Série habituelle</source>
        <translation>Usual run</translation>
    </message>
    <message>
        <source>Écart entre l&apos;observé et l&apos;attendu, en écarts-types. Au-delà de 2, c&apos;est rare pour une ligne prise seule ; sur seize lignes, le hasard en donne souvent une.</source>
        <translation>Deviation between the observed and the expected, in standard deviations. Beyond 2 it is rare for a single row; over sixteen rows, chance often gives one.</translation>
    </message>
    <message>
        <source>Probabilité d&apos;un écart au moins aussi grand, dans un sens ou dans l&apos;autre, si la roue est juste.</source>
        <translation>Probability of a deviation at least as large, either way, if the wheel is fair.</translation>
    </message>
    <message>
        <source>La plus longue série que le hasard donne au moins une fois sur deux sur ce nombre de tirages.</source>
        <translation>The longest run that chance gives at least one time in two over this number of draws.</translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Zéro</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Impair</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>Manque (1 à 18)</source>
        <translation>Low (1 to 18)</translation>
    </message>
    <message>
        <source>Passe (19 à 36)</source>
        <translation>High (19 to 36)</translation>
    </message>
    <message>
        <source>1re douzaine (1 à 12)</source>
        <translation>1st dozen (1 to 12)</translation>
    </message>
    <message>
        <source>2e douzaine (13 à 24)</source>
        <translation>2nd dozen (13 to 24)</translation>
    </message>
    <message>
        <source>3e douzaine (25 à 36)</source>
        <translation>3rd dozen (25 to 36)</translation>
    </message>
    <message>
        <source>1re colonne (1, 4 … 34)</source>
        <translation>1st column (1, 4 … 34)</translation>
    </message>
    <message>
        <source>2e colonne (2, 5 … 35)</source>
        <translation>2nd column (2, 5 … 35)</translation>
    </message>
    <message>
        <source>3e colonne (3, 6 … 36)</source>
        <translation>3rd column (3, 6 … 36)</translation>
    </message>
    <message>
        <source>Voisins du zéro</source>
        <translation>Voisins du zéro</translation>
    </message>
    <message>
        <source>Tiers du cylindre</source>
        <translation>Tiers du cylindre</translation>
    </message>
    <message>
        <source>Orphelins</source>
        <translation>Orphelins</translation>
    </message>
    <message>
        <source>Ce que le hasard explique</source>
        <translation>What chance explains</translation>
    </message>
    <message>
        <source>Les chances</source>
        <translation>The chances</translation>
    </message>
    <message>
        <source>Le prix du jeu</source>
        <translation>The price of playing</translation>
    </message>
    <message>
        <source>Ordre des numéros :</source>
        <translation>Order of the numbers:</translation>
    </message>
    <message>
        <source>de la roue</source>
        <translation>on the wheel</translation>
    </message>
    <message>
        <source>du tableau (0 à 36)</source>
        <translation>on the table (0 to 36)</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image…</source>
        <translation>Save the image…</translation>
    </message>
    <message>
        <source>Sorties de chaque numéro</source>
        <translation>Hits of each number</translation>
    </message>
    <message>
        <source>Sorties</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Numéros dans l&apos;ordre de la roue</source>
        <translation>Numbers in wheel order</translation>
    </message>
    <message>
        <source>Numéros de 0 à 36</source>
        <translation>Numbers from 0 to 36</translation>
    </message>
    <message>
        <source>Attendu (tirages / 37)</source>
        <translation>Expected (draws / 37)</translation>
    </message>
    <message>
        <source>Bande du hasard à 95&#xa0;%</source>
        <translation>95% chance band</translation>
    </message>
    <message>
        <source>Sorties de chaque numéro, dans l&apos;ordre de la roue : %1. Attendu : %2 par numéro ; bande du hasard à 95&#xa0;% : de %3 à %4.</source>
        <translation>Hits of each number, in wheel order: %1. Expected: %2 per number; 95% chance band: from %3 to %4.</translation>
    </message>
    <message>
        <source>Sorties de chaque numéro, dans l&apos;ordre du tableau (0 à 36) : %1. Attendu : %2 par numéro ; bande du hasard à 95&#xa0;% : de %3 à %4.</source>
        <translation>Hits of each number, in table order (0 to 36): %1. Expected: %2 per number; 95% chance band: from %3 to %4.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image du graphique</source>
        <translation>Save the chart&apos;s image</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans « %1 » : le dossier n&apos;existe pas.</source>
        <translation>The image could not be saved in “%1”: the folder does not exist.</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans « %1 » : vous n&apos;avez pas le droit d&apos;écrire dans ce dossier.</source>
        <translation>The image could not be saved in “%1”: you may not write in this folder.</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée dans « %1 » : l&apos;écriture a échoué ; le disque est peut-être plein.</source>
        <translation>The image could not be saved in “%1”: writing failed; the disk may be full.</translation>
    </message>
</context>
<context>
    <name>TrendTexts</name>
    <message>
        <source>  %1% de Chance sur : </source>
        <translation>  %1% chance on: </translation>
    </message>
    <message>
        <source>I</source>
        <comment>initial of impair</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>P</source>
        <comment>initial of pair</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ouvrir ou fermer les compteurs</source>
        <translation>Open or close the counters</translation>
    </message>
    <message>
        <source>Suggestion : %1</source>
        <translation>Suggestion: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>advice caption, then the side it suggests</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>counter caption, then its alert</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Couleur Noir/Rouge</source>
        <translation>Colour Black/Red</translation>
    </message>
    <message>
        <source>Pass/Manque</source>
        <translation>High/Low</translation>
    </message>
    <message>
        <source>Pair/Impair</source>
        <translation>Even/Odd</translation>
    </message>
    <message>
        <source>Risque de Repetition Superieur a: 4</source>
        <translation>Risk of a run over: 4</translation>
    </message>
    <message>
        <source>Risque de Repetition Superieur a: 5</source>
        <translation>Risk of a run over: 5</translation>
    </message>
    <message>
        <source>Risque d&apos; Alternance Superieur a: 4</source>
        <translation>Risk of alternation over: 4</translation>
    </message>
    <message>
        <source>Risque d&apos; Alternance Superieur a: 5</source>
        <translation>Risk of alternation over: 5</translation>
    </message>
    <message>
        <source>Tirage Normal entre Repet de 4 = 33-&gt;200</source>
        <translation>Normal gap between runs of 4 = 33-&gt;200</translation>
    </message>
    <message>
        <source>Tirage Normal entre Repet de 5 = 40-&gt;133</source>
        <translation>Normal gap between runs of 5 = 40-&gt;133</translation>
    </message>
    <message>
        <source>Tirage Normal entre Altern de 4 = 33-&gt;200</source>
        <translation>Normal gap, alternations of 4 = 33-&gt;200</translation>
    </message>
    <message>
        <source>Tirage Normal entre Altern de 5 = 40-&gt;133</source>
        <translation>Normal gap, alternations of 5 = 40-&gt;133</translation>
    </message>
</context>
<context>
    <name>TrendWords</name>
    <message>
        <source>rouge</source>
        <translation>red</translation>
    </message>
    <message>
        <source>noir</source>
        <translation>black</translation>
    </message>
    <message>
        <source>manque</source>
        <translation>low</translation>
    </message>
    <message>
        <source>passe</source>
        <translation>high</translation>
    </message>
    <message>
        <source>impair</source>
        <translation>odd</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>even</translation>
    </message>
    <message>
        <source>vert</source>
        <translation>green</translation>
    </message>
    <message>
        <source>vide</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière série de 5 : %1</source>
        <translation>Draws since the last run of 5: %1</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière série de 5 : pas encore</source>
        <translation>Draws since the last run of 5: none yet</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière série de 6 : %1</source>
        <translation>Draws since the last run of 6: %1</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière série de 6 : pas encore</source>
        <translation>Draws since the last run of 6: none yet</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière alternance de 5 : %1</source>
        <translation>Draws since the last alternation of 5: %1</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière alternance de 5 : pas encore</source>
        <translation>Draws since the last alternation of 5: none yet</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière alternance de 6 : %1</source>
        <translation>Draws since the last alternation of 6: %1</translation>
    </message>
    <message>
        <source>Tirages depuis la dernière alternance de 6 : pas encore</source>
        <translation>Draws since the last alternation of 6: none yet</translation>
    </message>
    <message>
        <source>alerte orange</source>
        <translation>orange alert</translation>
    </message>
    <message>
        <source>alerte rouge</source>
        <translation>red alert</translation>
    </message>
    <message>
        <source>pas d’alerte</source>
        <translation>no alert</translation>
    </message>
    <message>
        <source>Aucun conseil</source>
        <translation>No advice</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>sans objet</source>
        <translation>not applicable</translation>
    </message>
</context>
</TS>
