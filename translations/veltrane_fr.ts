<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ModelError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>division par zéro</translation>
    </message>
</context>
<context>
    <name>app::AboutBox</name>
    <message>
        <source>About </source>
        <translation>À propos </translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright. Copying it or passing it on is allowed only under the GNU General Public License, version 3 or later; any other copying is not allowed. It comes with no warranty.</source>
        <translation>Attention : programme protégé par le droit d&apos;auteur. Copie et diffusion permises uniquement selon la GNU General Public License, version 3 ou ultérieure ; toute autre copie est interdite. Sans garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FEEDBACK</source>
        <translation>VOTRE AVIS</translation>
    </message>
    <message>
        <source>Please install a mail program such as Thunderbird or Evolution.</source>
        <translation>Veuillez installer un logiciel de messagerie comme Thunderbird ou Evolution.</translation>
    </message>
</context>
<context>
    <name>app::IntroductionWindow</name>
    <message>
        <source>An Introduction To Veltrane</source>
        <translation>Une introduction à Veltrane</translation>
    </message>
    <message>
        <source>Ejnar Hertzsprung</source>
        <translation>Ejnar Hertzsprung</translation>
    </message>
    <message>
        <source>Portrait of %1</source>
        <translation>Portrait de %1</translation>
    </message>
    <message>
        <source>Henry Norris Russell</source>
        <translation>Henry Norris Russell</translation>
    </message>
    <message>
        <source>&amp;Further Proceed</source>
        <translation>&amp;Poursuivre</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Go to program</source>
        <translation>Aller au programme</translation>
    </message>
</context>
<context>
    <name>app::OtherAspectsWindow</name>
    <message>
        <source>Other Aspects Of Veltrane</source>
        <translation>Autres aspects de Veltrane</translation>
    </message>
    <message>
        <source>Temperature - Luminosity - Radius Relation</source>
        <translation>Relation température - luminosité - rayon</translation>
    </message>
    <message>
        <source>Main - Sequence Mass - Lifetime Relation</source>
        <translation>Séquence principale : masse - durée de vie</translation>
    </message>
    <message>
        <source>Graph of the temperature, luminosity and radius of stars</source>
        <translation>Graphique de la température, de la luminosité et du rayon des étoiles</translation>
    </message>
    <message>
        <source>Graph of the mass and lifetime of main-sequence stars</source>
        <translation>Graphique de la masse et de la durée de vie des étoiles de la séquence principale</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>app::StartupWindow</name>
    <message>
        <source>WELCOME TO THE MOST USEFUL SOFTWARE FOR THE ASTRONOMERS</source>
        <translation>BIENVENUE DANS LE LOGICIEL LE PLUS UTILE AUX ASTRONOMES</translation>
    </message>
    <message>
        <source>AND ASTROPHYSICST</source>
        <translation>ET ASTROPHYSICIENS</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>I Don&apos;t Need Introduction About Veltrane</source>
        <translation>Je n&apos;ai pas besoin de l&apos;introduction à Veltrane</translation>
    </message>
</context>
<context>
    <name>app::WindowLook</name>
    <message>
        <source>Veltrane program icon</source>
        <translation>Icône du programme Veltrane</translation>
    </message>
</context>
<context>
    <name>diagram::DiagramPicture</name>
    <message>
        <source>Arrow keys move the cursor one pixel, with Shift ten pixels; the display shows the temperature and magnitude under it. Enter or Space selects the star under the cursor.</source>
        <translation>Les flèches déplacent le curseur d&apos;un pixel, de dix avec Maj ; l&apos;affichage indique la température et la magnitude en dessous. Entrée ou Espace choisit l&apos;étoile sous le curseur.</translation>
    </message>
</context>
<context>
    <name>diagram::DiagramWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>TEMPERATURE(K) = </source>
        <translation>TEMPÉRATURE (K) = </translation>
    </message>
    <message>
        <source>ABS. MAGNITUDE = </source>
        <translation>MAGN. ABSOLUE = </translation>
    </message>
    <message>
        <source>TEMPERATURE</source>
        <translation>TEMPÉRATURE</translation>
    </message>
    <message>
        <source>ABSOLUTE MAGNITUDE</source>
        <translation>MAGNITUDE ABSOLUE</translation>
    </message>
    <message>
        <source>LUMINOSITY (SUN=1)</source>
        <translation>LUMINOSITÉ (SOLEIL=1)</translation>
    </message>
    <message>
        <source>RADIUS (SUN=1)</source>
        <translation>RAYON (SOLEIL=1)</translation>
    </message>
    <message>
        <source>RADIUS (km)</source>
        <translation>RAYON (km)</translation>
    </message>
    <message>
        <source>MASS (SUN=1)</source>
        <translation>MASSE (SOLEIL=1)</translation>
    </message>
    <message>
        <source>MASS (kg)</source>
        <translation>MASSE (kg)</translation>
    </message>
    <message>
        <source>LIFE EXPECTENCY</source>
        <translation>DURÉE DE VIE (ANS)</translation>
    </message>
    <message>
        <source>Click The Image First !</source>
        <translation>Cliquez d&apos;abord sur le diagramme !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Star Evolution</source>
        <translation>Évolution des étoiles</translation>
    </message>
</context>
<context>
    <name>diagram::GeneralDiagramWindow</name>
    <message>
        <source>VELTRANE - click the diagram to read a star</source>
        <translation>VELTRANE - cliquez sur le diagramme pour lire une étoile</translation>
    </message>
    <message>
        <source>Stellar diagram</source>
        <translation>Diagramme de Hertzsprung-Russell</translation>
    </message>
    <message>
        <source>FOR SUN T = 5946K , M = 4.78</source>
        <translation>POUR LE SOLEIL T = 5946 K, M = 4,78</translation>
    </message>
    <message>
        <source>&amp;SHOW RELATIVE SIZE AND COLOUR</source>
        <translation>AFFICHER &amp;TAILLE ET COULEUR RELATIVES</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>AFFICHAGE</translation>
    </message>
    <message>
        <source>FOR MAIN-SEQUENCE STARS CLICK OK</source>
        <translation>SÉQUENCE PRINCIPALE : CLIQUEZ SUR OK</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;QUITTER</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Ouvrir la base de données d&apos;étoiles</translation>
    </message>
    <message>
        <source>Print Data</source>
        <translation>Imprimer les données</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Veltrane</source>
        <translation>Veltrane</translation>
    </message>
</context>
<context>
    <name>diagram::MainSequenceWindow</name>
    <message>
        <source>Main sequence: mass and lifetime follow from the luminosity</source>
        <translation>Séquence principale : masse et durée de vie découlent de la luminosité</translation>
    </message>
    <message>
        <source>Main-sequence diagram</source>
        <translation>Diagramme de la séquence principale</translation>
    </message>
    <message>
        <source>FOR SUN T = 5946K , M = 4.78</source>
        <translation>POUR LE SOLEIL T = 5946 K, M = 4,78</translation>
    </message>
    <message>
        <source>&amp;SHOW RELATIVE SIZE AND COLOUR</source>
        <translation>AFFICHER &amp;TAILLE ET COULEUR RELATIVES</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>AFFICHAGE</translation>
    </message>
    <message>
        <source>&amp;BACK</source>
        <translation>&amp;RETOUR</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;QUITTER</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Print Data</source>
        <translation>Imprimer les données</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Veltrane [Main - Sequence]</source>
        <translation>Veltrane [Séquence principale]</translation>
    </message>
</context>
<context>
    <name>platform::SaveWithDialog</name>
    <message>
        <source>This file belongs to Veltrane itself (its star catalogue, the program or its help) and cannot be replaced. Please choose another name.</source>
        <translation>Ce fichier fait partie de Veltrane (son catalogue d&apos;étoiles, le programme ou son aide) et ne peut pas être remplacé. Veuillez choisir un autre nom.</translation>
    </message>
</context>
<context>
    <name>relsize::DrawingDescription</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>yellow-white</source>
        <translation>blanc-jaune</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanche</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleue</translation>
    </message>
    <message>
        <source>deep blue</source>
        <translation>bleu profond</translation>
    </message>
    <message>
        <source>coloured</source>
        <translation>colorée</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>1/3</translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>1/7</translation>
    </message>
    <message>
        <source>one fifteenth</source>
        <translation>1/15</translation>
    </message>
    <message>
        <source>one thirtieth</source>
        <translation>1/30</translation>
    </message>
    <message>
        <source>one fiftieth</source>
        <translation>1/50</translation>
    </message>
    <message>
        <source>one seventieth</source>
        <translation>1/70</translation>
    </message>
    <message>
        <source>one eightieth</source>
        <translation>1/80</translation>
    </message>
    <message>
        <source>one ninetieth</source>
        <translation>1/90</translation>
    </message>
    <message>
        <source>one hundredth</source>
        <translation>1/100</translation>
    </message>
    <message>
        <source>1/%1</source>
        <translation>1/%1</translation>
    </message>
    <message>
        <source>less than a hundredth of the Sun&apos;s radius</source>
        <translation>moins d&apos;un centième du rayon du Soleil</translation>
    </message>
    <message>
        <source>more than a million times the Sun&apos;s radius</source>
        <translation>plus d&apos;un million de fois le rayon du Soleil</translation>
    </message>
    <message>
        <source>about as large as the Sun</source>
        <translation>à peu près aussi grande que le Soleil</translation>
    </message>
    <message>
        <source>about %1 times the Sun&apos;s radius</source>
        <translation>environ %1 fois le rayon du Soleil</translation>
    </message>
    <message>
        <source>Sun drawn alone at %1 scale: the %2 star is too small to draw</source>
        <translation>Soleil dessiné seul à l&apos;échelle %1 : l&apos;étoile (%2) est trop petite pour être dessinée</translation>
    </message>
    <message>
        <source>Star drawn beside the Sun: %1, %2, drawn at %3 scale</source>
        <translation>Étoile dessinée à côté du Soleil : %1, %2, à l&apos;échelle %3</translation>
    </message>
</context>
<context>
    <name>relsize::RelativeSizeWindow</name>
    <message>
        <source>Relative Size</source>
        <translation>Taille relative</translation>
    </message>
    <message>
        <source>No star drawn yet</source>
        <translation>Aucune étoile dessinée pour l&apos;instant</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOLEIL</translation>
    </message>
    <message>
        <source>STAR</source>
        <translation>ÉTOILE</translation>
    </message>
    <message>
        <source>&amp;SAVE</source>
        <translation>&amp;ENREGISTRER</translation>
    </message>
    <message>
        <source>Save picture to a bitmap file</source>
        <translation>Enregistrer l&apos;image dans un fichier bitmap</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <translation>&amp;AIDE</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;FERMER</translation>
    </message>
    <message>
        <source> All files(*.*)|*.*|Bitmap files(*.bmp)|*.bmp</source>
        <translation> Tous les fichiers(*.*)|*.*|Fichiers bitmap(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>report::PrintData</name>
    <message>
        <source>Click The Image First To Get Data</source>
        <translation>Cliquez d&apos;abord sur le diagramme pour obtenir des données</translation>
    </message>
    <message>
        <source>Click The Image First To Get Data </source>
        <translation>Cliquez d&apos;abord sur le diagramme pour obtenir des données </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source> Text files(*.txt)|*.txt</source>
        <translation> Fichiers texte(*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Open The Printed Data File?</source>
        <translation>Ouvrir le fichier de données enregistré ?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Please install a text editor such as gedit or Mousepad.</source>
        <translation>Veuillez installer un éditeur de texte comme gedit ou Mousepad.</translation>
    </message>
</context>
<context>
    <name>stardb::CatalogueLocation</name>
    <message>
        <source>%1 It can be browsed and plotted, but no star can be added or deleted.</source>
        <translation>%1 Il peut être consulté et tracé, mais aucune étoile ne peut être ajoutée ni supprimée.</translation>
    </message>
    <message>
        <source>There is no folder for your own copy of the star catalogue.</source>
        <translation>Il n&apos;y a pas de dossier pour votre propre copie du catalogue d&apos;étoiles.</translation>
    </message>
    <message>
        <source>The star catalogue cannot be copied to %1 (%2).</source>
        <translation>Le catalogue d&apos;étoiles ne peut pas être copié dans %1 (%2).</translation>
    </message>
</context>
<context>
    <name>stardb::StarDatabaseWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Click if you want to add data in database</source>
        <translation>Cliquez pour ajouter des données à la base</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Exit update</source>
        <translation>Terminer la modification</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete any entry from the database</source>
        <translation>Supprimer une entrée de la base</translation>
    </message>
    <message>
        <source>&amp;Plot </source>
        <translation>&amp;Tracer </translation>
    </message>
    <message>
        <source>Click to plot the data in Q-T diagram</source>
        <translation>Cliquez pour tracer les données dans le diagramme HR</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the database</source>
        <translation>Fermer la base de données</translation>
    </message>
    <message>
        <source>&amp;Update Database</source>
        <translation>&amp;Modifier la base</translation>
    </message>
    <message>
        <source>Click to update database</source>
        <translation>Cliquez pour modifier la base</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Submit the data</source>
        <translation>Valider les données</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Cancel update</source>
        <translation>Annuler la modification</translation>
    </message>
    <message>
        <source>Star Database</source>
        <translation>Base de données d&apos;étoiles</translation>
    </message>
    <message>
        <source>STAR NAME</source>
        <translation>NOM DE L&apos;ÉTOILE</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DONNÉES</translation>
    </message>
    <message>
        <source>Star Name</source>
        <translation>Nom de l&apos;étoile</translation>
    </message>
    <message>
        <source>Avarage Surface Temperature (K)</source>
        <translation>Température de surface (K)</translation>
    </message>
    <message>
        <source>Absolute Magnitude</source>
        <translation>Magnitude absolue</translation>
    </message>
    <message>
        <source>The star catalogue %1 cannot be opened.

%2</source>
        <translation>Le catalogue d&apos;étoiles %1 ne peut pas être ouvert.

%2</translation>
    </message>
    <message>
        <source>Please Enter The Star Name and Other Data</source>
        <translation>Veuillez saisir le nom de l&apos;étoile et les autres données</translation>
    </message>
    <message>
        <source>This temperature and absolute magnitude cannot be plotted together (%1).</source>
        <translation>Cette température et cette magnitude absolue ne peuvent pas être tracées ensemble (%1).</translation>
    </message>
    <message>
        <source>The %1 is empty.</source>
        <translation>Le champ « %1 » est vide.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be plotted (%3).</source>
        <translation>La valeur « %2 » du champ « %1 » ne peut pas être tracée (%3).</translation>
    </message>
    <message>
        <source>

Please type a number above zero, for example %1.</source>
        <translation>

Veuillez saisir un nombre supérieur à zéro, par exemple %1.</translation>
    </message>
    <message>
        <source>

Please type a number, for example %1.</source>
        <translation>

Veuillez saisir un nombre, par exemple %1.</translation>
    </message>
    <message>
        <source>Please Select Star Name to Delete </source>
        <translation>Veuillez choisir l&apos;étoile à supprimer </translation>
    </message>
    <message>
        <source>Are You Sure to Delete Record?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;enregistrement ?</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>Please Choose A Star First to Plot</source>
        <translation>Veuillez d&apos;abord choisir une étoile à tracer</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot;</source>
        <translation>la valeur « %2 » du champ « %1 »</translation>
    </message>
    <message>
        <source>its temperature and absolute magnitude together</source>
        <translation>l&apos;association de sa température et de sa magnitude absolue</translation>
    </message>
    <message>
        <source>The star &quot;%1&quot; cannot be plotted: %2 cannot be used (%3).</source>
        <translation>L&apos;étoile « %1 » ne peut pas être tracée : %2 n&apos;est pas utilisable (%3).</translation>
    </message>
</context>
<context>
    <name>stardb::StarRecordSet</name>
    <message>
        <source>Another program is using the star catalogue just now (%1). Wait a moment and try again.</source>
        <translation>Un autre programme utilise le catalogue d&apos;étoiles en ce moment (%1). Patientez un instant et réessayez.</translation>
    </message>
    <message>
        <source>It is not a star catalogue (%1).</source>
        <translation>Ce n&apos;est pas un catalogue d&apos;étoiles (%1).</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The database engine cannot open it (%1).</source>
        <translation>Le moteur de base de données ne peut pas l&apos;ouvrir (%1).</translation>
    </message>
    <message>
        <source>It has no table %1.</source>
        <translation>Il n&apos;a pas de table %1.</translation>
    </message>
    <message>
        <source>Its table %1 has no field %2.</source>
        <translation>Sa table %1 n&apos;a pas de champ %2.</translation>
    </message>
    <message>
        <source>The record no longer exists.</source>
        <translation>L&apos;enregistrement n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The star catalogue %1 is not open; no star can be added or deleted.</source>
        <translation>Le catalogue d&apos;étoiles %1 n&apos;est pas ouvert ; aucune étoile ne peut être ajoutée ni supprimée.</translation>
    </message>
    <message>
        <source>The star catalogue %1 is read-only; it can be browsed and plotted but not changed.</source>
        <translation>Le catalogue d&apos;étoiles %1 est en lecture seule ; il peut être consulté et tracé, mais pas modifié.</translation>
    </message>
    <message>
        <source>There is no new record to save.</source>
        <translation>Il n&apos;y a aucun nouvel enregistrement à sauvegarder.</translation>
    </message>
    <message>
        <source>The star catalogue is not open.</source>
        <translation>Le catalogue d&apos;étoiles n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The record has already been deleted.</source>
        <translation>L&apos;enregistrement a déjà été supprimé.</translation>
    </message>
    <message>
        <source>There is no current record.</source>
        <translation>Il n&apos;y a pas d&apos;enregistrement courant.</translation>
    </message>
    <message>
        <source>%1

The star catalogue cannot be changed: the disk it is on is full (%2). Make room on the disk and try again.</source>
        <translation>%1

Le catalogue d&apos;étoiles ne peut pas être modifié : le disque qui le contient est plein (%2). Libérez de la place sur le disque et réessayez.</translation>
    </message>
    <message>
        <source>It is a symbolic link that cannot be followed: its links lead round in a loop.</source>
        <translation>C&apos;est un lien symbolique impossible à suivre : ses liens tournent en boucle.</translation>
    </message>
    <message>
        <source>It is a symbolic link to %1, which does not exist.</source>
        <translation>C&apos;est un lien symbolique vers %1, qui n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>starlife::StarEvolutionWindow</name>
    <message>
        <source>main-sequence star</source>
        <translation>étoile de la séquence principale</translation>
    </message>
    <message>
        <source>subgiant</source>
        <translation>sous-géante</translation>
    </message>
    <message>
        <source>red giant</source>
        <translation>géante rouge</translation>
    </message>
    <message>
        <source>helium-burning star</source>
        <translation>étoile en phase de fusion de l&apos;hélium</translation>
    </message>
    <message>
        <source>asymptotic-giant-branch star</source>
        <translation>étoile de la branche asymptotique des géantes</translation>
    </message>
    <message>
        <source>helium star</source>
        <translation>étoile d&apos;hélium</translation>
    </message>
    <message>
        <source>evolved helium star</source>
        <translation>étoile d&apos;hélium évoluée</translation>
    </message>
    <message>
        <source>white dwarf</source>
        <translation>naine blanche</translation>
    </message>
    <message>
        <source>neutron star</source>
        <translation>étoile à neutrons</translation>
    </message>
    <message>
        <source>black hole</source>
        <translation>trou noir</translation>
    </message>
    <message>
        <source>nothing left</source>
        <translation>plus rien</translation>
    </message>
    <message>
        <source>main sequence</source>
        <translation>séquence principale</translation>
    </message>
    <message>
        <source>helium burning</source>
        <translation>fusion de l&apos;hélium</translation>
    </message>
    <message>
        <source>AGB</source>
        <translation>AGB</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>%1 million years</source>
        <translation>%1 millions d&apos;années</translation>
    </message>
    <message>
        <source>%1 billion years</source>
        <translation>%1 milliards d&apos;années</translation>
    </message>
    <message>
        <source>%1 yr</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>%1 Myr</source>
        <translation>%1 Ma</translation>
    </message>
    <message>
        <source>%1 Gyr</source>
        <translation>%1 Ga</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Time in this phase</source>
        <translation>Temps passé dans cette phase</translation>
    </message>
    <message>
        <source>Mass (Sun = 1)</source>
        <translation>Masse (Soleil = 1)</translation>
    </message>
    <message>
        <source>Core mass (Sun = 1)</source>
        <translation>Masse du cœur (Soleil = 1)</translation>
    </message>
    <message>
        <source>Luminosity (Sun = 1)</source>
        <translation>Luminosité (Soleil = 1)</translation>
    </message>
    <message>
        <source>Surface temperature (K)</source>
        <translation>Température de surface (K)</translation>
    </message>
    <message>
        <source>Radius (Sun = 1)</source>
        <translation>Rayon (Soleil = 1)</translation>
    </message>
    <message>
        <source>Absolute magnitude</source>
        <translation>Magnitude absolue</translation>
    </message>
    <message>
        <source>Turn-off mass (Sun = 1)</source>
        <translation>Masse au coude (Soleil = 1)</translation>
    </message>
    <message>
        <source>Star Evolution</source>
        <translation>Évolution des étoiles</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>&amp;Initial mass (Sun = 1):</source>
        <translation>&amp;Masse initiale (Soleil = 1) :</translation>
    </message>
    <message>
        <source>One star&apos;s &amp;life</source>
        <translation>&amp;Vie d&apos;une étoile</translation>
    </message>
    <message>
        <source>A star cluster (is&amp;ochrone)</source>
        <translation>Un amas d&apos;étoiles (&amp;isochrone)</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>Â&amp;ge</translation>
    </message>
    <message>
        <source>The star&apos;s life on the Hertzsprung-Russell diagram</source>
        <translation>La vie de l&apos;étoile dans le diagramme de Hertzsprung-Russell</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>The star now</source>
        <translation>L&apos;étoile maintenant</translation>
    </message>
    <message>
        <source>— : no magnitude; the diagrams show no star below %1 times the Sun&apos;s luminosity.</source>
        <translation>— : pas de magnitude ; les diagrammes ne montrent aucune étoile au-dessous de %1 fois la luminosité du Soleil.</translation>
    </message>
    <message>
        <source>The star beside the Sun</source>
        <translation>L&apos;étoile à côté du Soleil</translation>
    </message>
    <message>
        <source>Phases of its life</source>
        <translation>Les phases de sa vie</translation>
    </message>
    <message>
        <source>Begins at</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Lasts</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Show on the &amp;diagrams</source>
        <translation>Afficher sur les &amp;diagrammes</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Plot the star as it is now on the general and the main-sequence diagram</source>
        <translation>Tracer l&apos;étoile telle qu&apos;elle est maintenant dans le diagramme général et dans celui de la séquence principale</translation>
    </message>
    <message>
        <source>Save the track, or the isochrone, as a CSV file for a spreadsheet</source>
        <translation>Enregistrer le trajet évolutif, ou l&apos;isochrone, dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>The slider runs over the ages of a star cluster from 1 million to 15 billion years, each factor of ten taking the same room.</source>
        <translation>Le curseur parcourt l&apos;âge d&apos;un amas d&apos;étoiles de 1 million à 15 milliards d&apos;années, chaque facteur dix occupant la même place.</translation>
    </message>
    <message>
        <source>Each phase of the star&apos;s life has its own stretch of the slider, however short it is; the read-outs give the true age.</source>
        <translation>Chaque phase de la vie de l&apos;étoile a sa propre portion du curseur, si brève soit-elle ; les cases de valeur donnent l&apos;âge réel.</translation>
    </message>
    <message>
        <source>The initial mass &quot;%1&quot; cannot be used. Please type a number from %2 to %3 (solar masses), for example %4.</source>
        <translation>La masse initiale « %1 » ne peut pas être utilisée. Veuillez saisir un nombre de %2 à %3 (masses solaires), par exemple %4.</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>turn-off: %1 solar masses</source>
        <translation>coude : %1 masses solaires</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>The Sun is too small to see at this scale.</source>
        <translation>À cette échelle, le Soleil est trop petit pour être vu.</translation>
    </message>
    <message>
        <source>The star is too small to see at this scale.</source>
        <translation>À cette échelle, l&apos;étoile est trop petite pour être vue.</translation>
    </message>
    <message>
        <source>The star (%1) is too faint to be shown on the diagrams: it gives out %2 times the Sun&apos;s light, and the diagrams give an absolute magnitude only to stars of more than %3 times the Sun&apos;s luminosity.</source>
        <translation>L&apos;étoile (%1) est trop peu lumineuse pour être montrée sur les diagrammes : elle rayonne %2 fois la lumière du Soleil, et les diagrammes ne donnent une magnitude absolue qu&apos;aux étoiles de plus de %3 fois la luminosité du Soleil.</translation>
    </message>
    <message>
        <source> CSV files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation> Fichiers CSV(*.csv)|*.csv|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>%1, %2 old, %3 times the Sun&apos;s luminosity, surface temperature %4 K, %5 times the Sun&apos;s radius.</source>
        <translation>%1, âge %2, %3 fois la luminosité du Soleil, température de surface %4 K, %5 fois le rayon du Soleil.</translation>
    </message>
    <message>
        <source>Isochrone of a star cluster %1 old: all its stars are still on the main sequence. The chosen star: %2</source>
        <translation>Isochrone d&apos;un amas d&apos;étoiles âgé de %1 : toutes ses étoiles sont encore sur la séquence principale. L&apos;étoile choisie : %2</translation>
    </message>
    <message>
        <source>Isochrone of a star cluster %1 old, its main-sequence turn-off at %2 times the Sun&apos;s mass. The chosen star: %3</source>
        <translation>Isochrone d&apos;un amas d&apos;étoiles âgé de %1, coude de la séquence principale à %2 fois la masse du Soleil. L&apos;étoile choisie : %3</translation>
    </message>
</context>
<context>
    <name>tools::AppPictures</name>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Mass (Sun = 1)</source>
        <translation>Masse (Soleil = 1)</translation>
    </message>
    <message>
        <source>Lifetime (years)</source>
        <translation>Durée de vie (ans)</translation>
    </message>
    <message>
        <source>Luminosity (Sun = 1)</source>
        <translation>Luminosité (Soleil = 1)</translation>
    </message>
    <message>
        <source>L = M⁴ (dashed)     lifetime = 10¹⁰ years / M²·⁵</source>
        <translation>L = M⁴ (tirets)   durée de vie = 10¹⁰ ans / M²·⁵</translation>
    </message>
    <message>
        <source>Surface temperature (K)</source>
        <translation>Température de surface (K)</translation>
    </message>
    <message>
        <source>white lines: equal radius, R = √L · (5964 K / T)²</source>
        <translation>lignes blanches : même rayon, R = √L · (5964 K / T)²</translation>
    </message>
</context>
<context>
    <name>tools::DiagramPictures</name>
    <message>
        <source>SUN</source>
        <translation>SOLEIL</translation>
    </message>
    <message>
        <source>MAIN SEQUENCE</source>
        <translation>SÉQUENCE PRINCIPALE</translation>
    </message>
    <message>
        <source>SUPERGIANTS</source>
        <translation>SUPERGÉANTES</translation>
    </message>
    <message>
        <source>GIANTS</source>
        <translation>GÉANTES</translation>
    </message>
    <message>
        <source>WHITE DWARFS</source>
        <translation>NAINES BLANCHES</translation>
    </message>
    <message>
        <source>← hot     temperature     cool →</source>
        <translation>← chaud     température     froid →</translation>
    </message>
    <message>
        <source>← faint   absolute magnitude   bright →</source>
        <translation>← faible   magnitude absolue   brillant →</translation>
    </message>
</context>
<context>
    <name>windows::OpenDocument</name>
    <message>
        <source>%1

The file does not exist.</source>
        <translation>%1

Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1

No program on this computer can open this file. %2</source>
        <translation>%1

Aucun programme de cet ordinateur ne peut ouvrir ce fichier. %2</translation>
    </message>
</context>
<context>
    <name>windows::OpenHelp</name>
    <message>
        <source>%1

The help file is missing, and so are its web pages. Please install Veltrane again.</source>
        <translation>%1

Le fichier d&apos;aide est absent, et ses pages web aussi. Veuillez réinstaller Veltrane.</translation>
    </message>
    <message>
        <source>%1

No program on this computer can open the help, neither this file nor its web pages in %2. Please install a CHM viewer such as xchm, or a web browser.</source>
        <translation>%1

Aucun programme de cet ordinateur ne peut ouvrir l&apos;aide, ni ce fichier ni ses pages web dans %2. Veuillez installer une visionneuse CHM comme xchm, ou un navigateur web.</translation>
    </message>
</context>
</TS>
