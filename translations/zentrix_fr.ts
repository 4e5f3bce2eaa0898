<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Bank</name>
    <message>
        <source>%1 can&apos;t deposit any money in her bank account!</source>
        <translation>%1 ne peut rien déposer sur son compte en banque&#xa0;!</translation>
    </message>
    <message>
        <source>%1 can&apos;t deposit any money in his bank account!</source>
        <translation>%1 ne peut rien déposer sur son compte en banque&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is in deposit mode!</source>
        <translation>%1 peut déposer de l&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>Enter the amount of money to deposit (in million dollars) in the white box at the right of your personal window and click Deposit, or press Esc to refuse.</source>
        <translation>Tape le montant à déposer (en millions de dollars) dans la case blanche à droite de ta fenêtre personnelle et clique sur Déposer, ou appuie sur Échap pour refuser.</translation>
    </message>
    <message>
        <source>Every time you land on a Bank cell, you get 10% of your bank balance as interest.  </source>
        <translation>Chaque fois que tu t&apos;arrêtes sur une case Banque, tu reçois 10% de ton solde bancaire en intérêts.  </translation>
    </message>
    <message>
        <source>%1 recieved %2 interest and is in deposit mode!</source>
        <translation>%1 a reçu %2 d&apos;intérêts et peut déposer de l&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to pay tax on!</source>
        <translation>%1 n&apos;a aucune entreprise sur laquelle payer l&apos;impôt&#xa0;!</translation>
    </message>
    <message>
        <source>%1 paid %2 tax for her companies!</source>
        <translation>%1 a payé %2 d&apos;impôts pour ses entreprises&#xa0;!</translation>
    </message>
    <message>
        <source>%1 paid %2 tax for his companies!</source>
        <translation>%1 a payé %2 d&apos;impôts pour ses entreprises&#xa0;!</translation>
    </message>
    <message>
        <source>Every time you land on a Tax cell, you must pay the tax of all your companies.</source>
        <translation>Chaque fois que tu t&apos;arrêtes sur une case Impôts, tu dois payer l&apos;impôt de toutes tes entreprises.</translation>
    </message>
    <message>
        <source>You do not have enough money to pay the tax of your companies!</source>
        <translation>Tu n&apos;as pas assez d&apos;argent pour payer l&apos;impôt de tes entreprises&#xa0;!</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of her companies...</source>
        <translation>En attente&#xa0;: %1 doit payer %2 d&apos;impôts pour ses entreprises...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of his companies...</source>
        <translation>En attente&#xa0;: %1 doit payer %2 d&apos;impôts pour ses entreprises...</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>%1 Complex</source>
        <translation>Complexe %1</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Show information</source>
        <translation>Afficher les informations</translation>
    </message>
    <message>
        <source>Game board</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>The arrow keys move along the path, Home goes to the current player&apos;s piece, Enter tells about the cell and Space moves there when the Computer lets you.</source>
        <translation>Les flèches avancent le long du parcours, Début va au pion du joueur en cours, Entrée décrit la case et Espace s&apos;y déplace quand l&apos;Ordinateur te le permet.</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>Company cell</source>
        <translation>Case entreprise</translation>
    </message>
    <message>
        <source>Company market</source>
        <translation>Marché des entreprises</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impôts</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurance</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Owned by %1, insured.</source>
        <translation>Propriété de %1, assurée.</translation>
    </message>
    <message>
        <source>Owned by %1, not insured.</source>
        <translation>Propriété de %1, non assurée.</translation>
    </message>
    <message>
        <source>No owner.</source>
        <translation>Sans propriétaire.</translation>
    </message>
    <message>
        <source>Struck by a disaster: %1 is being destroyed.</source>
        <translation>Frappée par une catastrophe&#xa0;: %1 est en cours de destruction.</translation>
    </message>
    <message>
        <source>%1 whole, owned by %2.</source>
        <translation>%1 complet, propriété de %2.</translation>
    </message>
    <message>
        <source>%1 not whole.</source>
        <translation>%1 incomplet.</translation>
    </message>
    <message>
        <source>Sells the %1.</source>
        <translation>Vend le %1.</translation>
    </message>
    <message>
        <source>%1&apos;s piece is here.</source>
        <translation>Le pion de %1 est ici.</translation>
    </message>
    <message>
        <source>Pieces of %1 are here.</source>
        <translation>Les pions de %1 sont ici.</translation>
    </message>
    <message>
        <source>Cell %1 of %2.</source>
        <translation>Case %1 sur %2.</translation>
    </message>
    <message>
        <source>Company market cell</source>
        <translation>Case marché des entreprises</translation>
    </message>
    <message>
        <source>Computer cell</source>
        <translation>Case Ordinateur</translation>
    </message>
    <message>
        <source>Tax cell</source>
        <translation>Case Impôts</translation>
    </message>
    <message>
        <source>Bank cell</source>
        <translation>Case Banque</translation>
    </message>
    <message>
        <source>Insurance cell</source>
        <translation>Case Assurance</translation>
    </message>
</context>
<context>
    <name>Complex</name>
    <message>
        <source>Computers</source>
        <translation>informatique</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>des processeurs</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>du logiciel</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>multimédia</translation>
    </message>
    <message>
        <source>US</source>
        <translation>américain</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>japonais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
</context>
<context>
    <name>Computer</name>
    <message>
        <source>Go back one place!</source>
        <translation>Recule d&apos;une case&#xa0;!</translation>
    </message>
    <message>
        <source>Go back two places!</source>
        <translation>Recule de deux cases&#xa0;!</translation>
    </message>
    <message>
        <source>Click anywhere on the board you want to move to!</source>
        <translation>Clique n&apos;importe où sur le plateau pour t&apos;y rendre&#xa0;!</translation>
    </message>
    <message>
        <source>Fire at %1!</source>
        <translation>Incendie au %1&#xa0;!</translation>
    </message>
    <message>
        <source>Earthquake at %1!</source>
        <translation>Tremblement de terre au %1&#xa0;!</translation>
    </message>
    <message>
        <source>Flood at %1!</source>
        <translation>Inondation au %1&#xa0;!</translation>
    </message>
    <message>
        <source>Storm at %1!</source>
        <translation>Tempête au %1&#xa0;!</translation>
    </message>
    <message>
        <source>You get $100,000 from each player!</source>
        <translation>Tu reçois $100,000 de chaque joueur&#xa0;!</translation>
    </message>
    <message>
        <source>You get $400,000 from the bank!</source>
        <translation>Tu reçois $400,000 de la banque&#xa0;!</translation>
    </message>
    <message>
        <source>All players get $200,000 from the bank!</source>
        <translation>Tous les joueurs reçoivent $200,000 de la banque&#xa0;!</translation>
    </message>
    <message>
        <source>Pay only half of your tax next time!</source>
        <translation>Ne paie que la moitié de tes impôts la prochaine fois&#xa0;!</translation>
    </message>
    <message>
        <source>Insure your companies for free!</source>
        <translation>Assure tes entreprises gratuitement&#xa0;!</translation>
    </message>
    <message>
        <source>Don&apos;t play for one turn!</source>
        <translation>Passe ton tour&#xa0;!</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordinateur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>The small windows you see around the game board are player windows.  You perform tasks using your own personal window.  Click the Roll Dice button to begin!</source>
        <translation>Les petites fenêtres autour du plateau sont les fenêtres des joueurs.  Tu joues avec ta propre fenêtre personnelle.  Clique sur Lancer le dé pour commencer&#xa0;!</translation>
    </message>
    <message>
        <source>Complexed companies give the owner much more income and power than companies scattered around the board.</source>
        <translation>Des entreprises en complexe rapportent bien plus de revenus et de pouvoir que des entreprises éparpillées sur le plateau.</translation>
    </message>
    <message>
        <source>The Computer makes random decisions.</source>
        <translation>L&apos;Ordinateur prend des décisions au hasard.</translation>
    </message>
    <message>
        <source>The insurance office pays the value of insured companies which are destroyed as compensation.</source>
        <translation>L&apos;assurance rembourse la valeur des entreprises assurées qui sont détruites.</translation>
    </message>
    <message>
        <source>%1, you would have been paid the value of your destroyed company if it were insured.</source>
        <translation>%1, tu aurais reçu la valeur de ton entreprise détruite si elle avait été assurée.</translation>
    </message>
    <message>
        <source>Enter the amount of money to be withdrawn in million dollars and click Withdraw.</source>
        <translation>Tape le montant à retirer en millions de dollars et clique sur Retirer.</translation>
    </message>
    <message>
        <source>To take money out of your bank account, enter a number in the white box at the right of your personal window and click Withdraw.</source>
        <translation>Pour retirer de l&apos;argent de ton compte en banque, tape un nombre dans la case blanche à droite de ta fenêtre personnelle et clique sur Retirer.</translation>
    </message>
    <message>
        <source>Refusing to insure those companies was a big mistake, unless you didn&apos;t have enough money to do so.</source>
        <translation>Refuser d&apos;assurer ces entreprises était une grosse erreur, sauf si tu n&apos;avais pas assez d&apos;argent pour le faire.</translation>
    </message>
    <message>
        <source>%1 had recieved a free insurance bonus from the Computer before.</source>
        <translation>%1 avait déjà reçu de l&apos;Ordinateur une assurance gratuite.</translation>
    </message>
    <message>
        <source>Excellent!  Insuring your companies is always a safe decision.</source>
        <translation>Excellent&#xa0;!  Assurer tes entreprises est toujours un choix prudent.</translation>
    </message>
    <message>
        <source>To quit the game voluntarily, click Quit Game in your personal window.</source>
        <translation>Pour quitter la partie de toi-même, clique sur Abandonner dans ta fenêtre personnelle.</translation>
    </message>
    <message>
        <source>Choose who you&apos;re lending to, enter the amount of loan in the white box, select loan interest and duration using the scrollbar (they have a direct relation) and click Loan, or click Cancel to refuse.</source>
        <translation>Choisis à qui tu prêtes, tape le montant du prêt dans la case blanche, règle l&apos;intérêt et la durée avec la barre de défilement (ils vont de pair) et clique sur Prêter, ou clique sur Annuler pour refuser.</translation>
    </message>
    <message>
        <source>All companies in this complex are already owned by other players.</source>
        <translation>Toutes les entreprises de ce complexe appartiennent déjà à d&apos;autres joueurs.</translation>
    </message>
    <message>
        <source>Select a company and click Buy, or click Cancel to refuse.</source>
        <translation>Choisis une entreprise et clique sur Acheter, ou clique sur Annuler pour refuser.</translation>
    </message>
    <message>
        <source>%1, %2 was added to the Companies list at the left of your personal window.  And a square in your special color appears around it on the game board.</source>
        <translation>%1, %2 a été ajoutée à la liste des entreprises à gauche de ta fenêtre personnelle.  Et un carré de ta couleur l&apos;entoure sur le plateau.</translation>
    </message>
    <message>
        <source>Selling is similar to an auction.  %1 should choose a company to sell from the left.  Then other players should enter their secret bids in their boxes at the right and click Submit.</source>
        <translation>La vente ressemble à une enchère.  %1 choisit à gauche une entreprise à vendre.  Puis les autres joueurs tapent leur offre secrète dans leur case à droite et cliquent sur Révéler.</translation>
    </message>
    <message>
        <source>Now %1 should choose who she will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation>%1 choisit maintenant à qui vendre %2 et clique sur Vendre, ou clique sur Annuler pour la garder.</translation>
    </message>
    <message>
        <source>Now %1 should choose who he will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation>%1 choisit maintenant à qui vendre %2 et clique sur Vendre, ou clique sur Annuler pour la garder.</translation>
    </message>
    <message>
        <source>A complex means 3 companies next to each other.  Complexed companies give the owner more income and power than companies scattered around the board.</source>
        <translation>Un complexe, ce sont 3 entreprises côte à côte.  Des entreprises en complexe rapportent plus de revenus et de pouvoir que des entreprises éparpillées sur le plateau.</translation>
    </message>
    <message>
        <source>When a company in one&apos;s complex is sold or destroyed, that player no longer owns that complex.</source>
        <translation>Quand une entreprise d&apos;un complexe est vendue ou détruite, son joueur ne possède plus ce complexe.</translation>
    </message>
    <message>
        <source>The game ends when there&apos;s only 1 player left.</source>
        <translation>La partie s&apos;arrête quand il ne reste qu&apos;un seul joueur.</translation>
    </message>
</context>
<context>
    <name>Insurance</name>
    <message>
        <source>%1 is in Insurance mode!</source>
        <translation>%1 peut assurer ses entreprises&#xa0;!</translation>
    </message>
    <message>
        <source>Select the companies you want to insure by clicking the check-boxes in front of them in your personal window and click OK.</source>
        <translation>Coche dans ta fenêtre personnelle les cases devant les entreprises que tu veux assurer et clique sur OK.</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to insure!</source>
        <translation>%1 n&apos;a aucune entreprise à assurer&#xa0;!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any un-insured companies!</source>
        <translation>%1 n&apos;a aucune entreprise non assurée&#xa0;!</translation>
    </message>
    <message>
        <source>%1, all of your companies are insured already.</source>
        <translation>%1, toutes tes entreprises sont déjà assurées.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>Loan</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 Moves</source>
        <translation>%1 tours</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Move %1: %2</source>
        <translation>Tour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 rolled a %2 and walked to cell %3, %4.</source>
        <translation>%1 fait un %2 et avance jusqu&apos;à la case %3, %4.</translation>
    </message>
    <message>
        <source>%1 moved to cell %2, %3.</source>
        <translation>%1 va à la case %2, %3.</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>Banque %1</translation>
    </message>
    <message>
        <source>no bid</source>
        <translation>pas d&apos;offre</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Bids for %1: %2.</source>
        <translation>Offres pour %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The game was saved to %1.</source>
        <translation>Partie enregistrée dans %1.</translation>
    </message>
    <message>
        <source>The game was saved automatically to %1.</source>
        <translation>Partie enregistrée automatiquement dans %1.</translation>
    </message>
    <message>
        <source>%1 misses this turn.</source>
        <translation>%1 passe ce tour.</translation>
    </message>
    <message>
        <source>The game was loaded from %1.</source>
        <translation>Partie chargée depuis %1.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1&apos;s piece</source>
        <translation>Pion de %1</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Game prompts are shown here</source>
        <translation>Les annonces du jeu s&apos;affichent ici</translation>
    </message>
    <message>
        <source>Computer prompts are shown here</source>
        <translation>Les annonces de l&apos;Ordinateur s&apos;affichent ici</translation>
    </message>
    <message>
        <source>Welcome to Zentrix!  Go to Game-&gt;New to start a new game, Game-&gt;Load to load a saved game, or Help-&gt;Help to learn the rules and find out how to play.</source>
        <translation>Bienvenue dans Zentrix&#xa0;!  Choisis Partie-&gt;Nouvelle pour commencer une nouvelle partie, Partie-&gt;Charger pour reprendre une partie enregistrée, ou Aide-&gt;Aide pour apprendre les règles et la façon de jouer.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Do you want to save before starting a new game?</source>
        <translation>Veux-tu enregistrer avant de commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to save this game before closing it?</source>
        <translation>Veux-tu enregistrer cette partie avant de la fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to save before quitting?</source>
        <translation>Veux-tu enregistrer avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Tape un nom, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>Please don&apos;t use identical names.</source>
        <translation>N&apos;utilise pas deux fois le même nom, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>Can&apos;t save game in waiting mode!</source>
        <translation>Impossible d&apos;enregistrer pendant une attente&#xa0;!</translation>
    </message>
    <message>
        <source>The game could not be saved to %1!</source>
        <translation>Impossible d&apos;enregistrer la partie dans %1&#xa0;!</translation>
    </message>
    <message>
        <source>The game was saved.</source>
        <translation>La partie a été enregistrée.</translation>
    </message>
    <message>
        <source>Do you want to save before loading another game?</source>
        <translation>Veux-tu enregistrer avant de charger une autre partie&#xa0;?</translation>
    </message>
    <message>
        <source>Couldn&apos;t load file!</source>
        <translation>Impossible de charger le fichier&#xa0;!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his company!</source>
        <translation>%1&#xa0;!  Tu n&apos;as pas assez d&apos;argent pour payer %2 à %3, dont tu as visité l&apos;entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his complexed company!</source>
        <translation>%1&#xa0;!  Tu n&apos;as pas assez d&apos;argent pour payer %2 à %3, dont tu as visité l&apos;entreprise en complexe&#xa0;!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her company!</source>
        <translation>%1&#xa0;!  Tu n&apos;as pas assez d&apos;argent pour payer %2 à %3, dont tu as visité l&apos;entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her complexed company!</source>
        <translation>%1&#xa0;!  Tu n&apos;as pas assez d&apos;argent pour payer %2 à %3, dont tu as visité l&apos;entreprise en complexe&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter a positive number!</source>
        <translation>Tape un nombre positif, s&apos;il te plaît&#xa0;!</translation>
    </message>
    <message>
        <source>You can&apos;t deposit more than $1,000,000 at a time!</source>
        <translation>Tu ne peux pas déposer plus de $1,000,000 à la fois&#xa0;!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to deposit %1!</source>
        <translation>Tu n&apos;as pas assez d&apos;argent pour déposer %1&#xa0;!</translation>
    </message>
    <message>
        <source>Your bank account can&apos;t hold more than %1!</source>
        <translation>Ton compte en banque ne peut pas dépasser %1&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter a positive integer!</source>
        <translation>Tape un nombre entier positif, s&apos;il te plaît&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter a smaller number!</source>
        <translation>Tape un nombre plus petit, s&apos;il te plaît&#xa0;!</translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money in the bank!</source>
        <translation>Tu n&apos;as pas %1 à la banque&#xa0;!</translation>
    </message>
    <message>
        <source>You can&apos;t hold more than %1 in cash!</source>
        <translation>Tu ne peux pas avoir plus de %1 en espèces&#xa0;!</translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money to pay for the insurance of your companies!</source>
        <translation>Tu n&apos;as pas %1 pour payer l&apos;assurance de tes entreprises&#xa0;!</translation>
    </message>
    <message>
        <source>You don&apos;t have any companies!</source>
        <translation>Tu n&apos;as aucune entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>You can&apos;t lend money in waiting mode!</source>
        <translation>Impossible de prêter de l&apos;argent pendant une attente&#xa0;!</translation>
    </message>
    <message>
        <source>There can&apos;t be more than 5 loans scheduled at a time!</source>
        <translation>Il ne peut pas y avoir plus de 5 prêts en cours à la fois&#xa0;!</translation>
    </message>
    <message>
        <source>For information on this company in the real world, press F1 for Help, then choose &quot;The Companies&quot; from the Contents list.</source>
        <translation>Pour en savoir plus sur cette entreprise dans le monde réel, appuie sur F1 pour l&apos;aide, puis choisis «&#xa0;Les entreprises&#xa0;» dans le sommaire.</translation>
    </message>
    <message>
        <source>For information on this cell, press F1 for Help, then choose &quot;Cells&quot; from the Contents list.</source>
        <translation>Pour en savoir plus sur cette case, appuie sur F1 pour l&apos;aide, puis choisis «&#xa0;Les cases&#xa0;» dans le sommaire.</translation>
    </message>
    <message>
        <source>Please enter a smaller amount!</source>
        <translation>Tape un montant plus petit, s&apos;il te plaît&#xa0;!</translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money!</source>
        <translation>%1, tu n&apos;as pas assez d&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>%1, do you want to borrow %2 from %3 with %4 % interest for %5 moves?</source>
        <translation>%1, veux-tu emprunter %2 à %3 avec %4 % d&apos;intérêts sur %5 tours&#xa0;?</translation>
    </message>
    <message>
        <source>%1, %2 refused to borrow %3 from you!</source>
        <translation>%1, %2 a refusé de t&apos;emprunter %3&#xa0;!</translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money to repay %2 loan to %3!</source>
        <translation>%1, tu n&apos;as pas assez d&apos;argent pour rembourser le prêt de %2 à %3&#xa0;!</translation>
    </message>
    <message>
        <source>You do not have enough money to buy this company!</source>
        <translation>Tu n&apos;as pas assez d&apos;argent pour acheter cette entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>Bids can&apos;t be bigger than 1.5 times the company value!</source>
        <translation>Une offre ne peut pas dépasser une fois et demie la valeur de l&apos;entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than her money!</source>
        <translation>L&apos;offre de %1 ne peut pas dépasser son argent&#xa0;!</translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than his money!</source>
        <translation>L&apos;offre de %1 ne peut pas dépasser son argent&#xa0;!</translation>
    </message>
    <message>
        <source>Bids can&apos;t be equal!</source>
        <translation>Les offres ne peuvent pas être égales&#xa0;!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t own %2 anymore!</source>
        <translation>%1 ne possède plus %2&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure you want to lose and exit the game?</source>
        <translation>Veux-tu vraiment perdre et quitter la partie&#xa0;?</translation>
    </message>
    <message>
        <source>You must withdraw money from your bank account or sell your companies to provide the money!</source>
        <translation>Tu dois retirer de l&apos;argent de ton compte en banque ou vendre tes entreprises pour trouver cet argent&#xa0;!</translation>
    </message>
    <message>
        <source>However, you can provide the money by selling your companies or borrowing money from somebody.</source>
        <translation>Mais tu peux trouver cet argent en vendant tes entreprises ou en empruntant à quelqu&apos;un.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
</context>
<context>
    <name>PlayerType</name>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer (easy)</source>
        <translation>Ordinateur (facile)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Ordinateur (normal)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Ordinateur (difficile)</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Game started!</source>
        <translation>La partie commence&#xa0;!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own company!</source>
        <translation>%1 a reçu %2 de revenus en visitant sa propre entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own complexed company!</source>
        <translation>%1 a reçu %2 de revenus en visitant sa propre entreprise en complexe&#xa0;!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own company!</source>
        <translation>%1 a reçu %2 de revenus en visitant sa propre entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own complexed company!</source>
        <translation>%1 a reçu %2 de revenus en visitant sa propre entreprise en complexe&#xa0;!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his company!</source>
        <translation>%1 a payé %2 à %3 pour avoir visité son entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his complexed company!</source>
        <translation>%1 a payé %2 à %3 pour avoir visité son entreprise en complexe&#xa0;!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her company!</source>
        <translation>%1 a payé %2 à %3 pour avoir visité son entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her complexed company!</source>
        <translation>%1 a payé %2 à %3 pour avoir visité son entreprise en complexe&#xa0;!</translation>
    </message>
    <message>
        <source>Nobody owns this company!</source>
        <translation>Cette entreprise n&apos;appartient à personne&#xa0;!</translation>
    </message>
    <message>
        <source>None of the players had any companies in the destroyed complex!</source>
        <translation>Aucun joueur n&apos;avait d&apos;entreprise dans le complexe détruit&#xa0;!</translation>
    </message>
    <message>
        <source>%1 was destroyed, but %2 received %3 as compensation!</source>
        <translation>%1 a été détruite, mais %2 a reçu %3 en dédommagement&#xa0;!</translation>
    </message>
    <message>
        <source>%1 was destroyed and %2 didn&apos;t receive any money as compensation!</source>
        <translation>%1 a été détruite et %2 n&apos;a reçu aucun dédommagement&#xa0;!</translation>
    </message>
    <message>
        <source>%1 deposited %2!</source>
        <translation>%1 a déposé %2&#xa0;!</translation>
    </message>
    <message>
        <source>%1 refused to deposit any money!</source>
        <translation>%1 a refusé de déposer de l&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>%1 withdrew %2 from the bank!</source>
        <translation>%1 a retiré %2 de la banque&#xa0;!</translation>
    </message>
    <message>
        <source>%1 refused to insure any companies!</source>
        <translation>%1 a refusé d&apos;assurer ses entreprises&#xa0;!</translation>
    </message>
    <message>
        <source>%1 insured her companies for free!</source>
        <translation>%1 a assuré ses entreprises gratuitement&#xa0;!</translation>
    </message>
    <message>
        <source>%1 insured his companies for free!</source>
        <translation>%1 a assuré ses entreprises gratuitement&#xa0;!</translation>
    </message>
    <message>
        <source>%1 paid %2 for insurance!</source>
        <translation>%1 a payé %2 d&apos;assurance&#xa0;!</translation>
    </message>
    <message>
        <source>%1 loaned %2 to %3 with %4 % interest for %5 moves!</source>
        <translation>%1 a prêté %2 à %3 avec %4 % d&apos;intérêts sur %5 tours&#xa0;!</translation>
    </message>
    <message>
        <source>%1 refused the loan from %2!</source>
        <translation>%1 a refusé le prêt de %2&#xa0;!</translation>
    </message>
    <message>
        <source>%1 refused to lend any money!</source>
        <translation>%1 a refusé de prêter de l&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <source>%1 repaid her %2 loan to %3!</source>
        <translation>%1 a remboursé son prêt de %2 à %3&#xa0;!</translation>
    </message>
    <message>
        <source>%1 repaid his %2 loan to %3!</source>
        <translation>%1 a remboursé son prêt de %2 à %3&#xa0;!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and doesn&apos;t need repaying anymore!</source>
        <translation>Le prêt de %2 de %1 à %3 est annulé et n&apos;a plus à être remboursé&#xa0;!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was repaid with interest by the bank!</source>
        <translation>Le prêt de %2 de %1 à %3 a été remboursé avec intérêts par la banque&#xa0;!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and won&apos;t be repaid by the bank!</source>
        <translation>Le prêt de %2 de %1 à %3 est annulé et ne sera pas remboursé par la banque&#xa0;!</translation>
    </message>
    <message>
        <source>There are no companies to buy here!</source>
        <translation>Il n&apos;y a aucune entreprise à acheter ici&#xa0;!</translation>
    </message>
    <message>
        <source>%1 spent %2 and bought %3!</source>
        <translation>%1 a dépensé %2 et acheté %3&#xa0;!</translation>
    </message>
    <message>
        <source>%1 refused to buy any companies!</source>
        <translation>%1 a refusé d&apos;acheter une entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1 sold %2 to %3 at %4!</source>
        <translation>%1 a vendu %2 à %3 pour %4&#xa0;!</translation>
    </message>
    <message>
        <source>%1 refused to sell any companies!</source>
        <translation>%1 a refusé de vendre une entreprise&#xa0;!</translation>
    </message>
    <message>
        <source>%1 now owns %2!</source>
        <translation>%1 possède maintenant le %2&#xa0;!</translation>
    </message>
    <message>
        <source>So she no longer owns %1!</source>
        <translation>Elle ne possède donc plus le %1&#xa0;!</translation>
    </message>
    <message>
        <source>So he no longer owns %1!</source>
        <translation>Il ne possède donc plus le %1&#xa0;!</translation>
    </message>
    <message>
        <source>%1 now owns 5 companies.</source>
        <translation>%1 possède maintenant 5 entreprises.</translation>
    </message>
    <message>
        <source>%1&apos;s estate is now more than $8,000,000.</source>
        <translation>Le patrimoine de %1 dépasse maintenant $8,000,000.</translation>
    </message>
    <message>
        <source>So she won and exited the game!</source>
        <translation>Elle a donc gagné et quitté la partie&#xa0;!</translation>
    </message>
    <message>
        <source>So he won and exited the game!</source>
        <translation>Il a donc gagné et quitté la partie&#xa0;!</translation>
    </message>
    <message>
        <source>%1 lost and exited the game!</source>
        <translation>%1 a perdu et quitte la partie&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>not seated in this game</source>
        <translation>pas de place dans cette partie</translation>
    </message>
    <message>
        <source>not your seat</source>
        <translation>pas ta place</translation>
    </message>
    <message>
        <source>not your turn</source>
        <translation>pas ton tour</translation>
    </message>
    <message>
        <source>no such window open</source>
        <translation>aucune fenêtre de ce genre n&apos;est ouverte</translation>
    </message>
    <message>
        <source>not possible now</source>
        <translation>impossible pour l&apos;instant</translation>
    </message>
</context>
<context>
    <name>Sale</name>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Bad names</source>
        <translation>Noms incorrects</translation>
    </message>
    <message>
        <source>Bad number</source>
        <translation>Nombre incorrect</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partie enregistrée</translation>
    </message>
    <message>
        <source>Illegal Loan</source>
        <translation>Prêt impossible</translation>
    </message>
    <message>
        <source>Illegal Save</source>
        <translation>Enregistrement impossible</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Format de fichier non valide</translation>
    </message>
    <message>
        <source>Loan confirmation</source>
        <translation>Confirmer le prêt</translation>
    </message>
    <message>
        <source>Loan refused</source>
        <translation>Prêt refusé</translation>
    </message>
    <message>
        <source>Lose confirmation</source>
        <translation>Confirmer l&apos;abandon</translation>
    </message>
    <message>
        <source>No companies</source>
        <translation>Aucune entreprise</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Aucun nom</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Désolé&#xa0;!</translation>
    </message>
    <message>
        <source>Want to save?</source>
        <translation>Enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>You must pay now!</source>
        <translation>Tu dois payer maintenant&#xa0;!</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Zentrix</source>
        <translation>Zentrix</translation>
    </message>
</context>
<context>
    <name>Waiting</name>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering his company...</source>
        <translation>En attente&#xa0;: %1 doit payer %2 à %3 pour avoir visité son entreprise...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering his complexed company...</source>
        <translation>En attente&#xa0;: %1 doit payer %2 à %3 pour avoir visité son entreprise en complexe...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her company...</source>
        <translation>En attente&#xa0;: %1 doit payer %2 à %3 pour avoir visité son entreprise...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her complexed company...</source>
        <translation>En attente&#xa0;: %1 doit payer %2 à %3 pour avoir visité son entreprise en complexe...</translation>
    </message>
    <message>
        <source>Waiting for %1 to repay %2 loan to %3...</source>
        <translation>En attente&#xa0;: %1 doit rembourser le prêt de %2 à %3...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A board game about buying and running companies, for two to four players.</source>
        <translation>Un jeu de plateau où l&apos;on achète et dirige des entreprises, pour deux à quatre joueurs.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>A saved game (.znx) to open.</source>
        <translation>Une partie enregistrée (.znx) à ouvrir.</translation>
    </message>
    <message>
        <source>Only one saved game can be opened at a time.</source>
        <translation>On ne peut ouvrir qu&apos;une partie enregistrée à la fois.</translation>
    </message>
    <message>
        <source>Joins the network game at this link.</source>
        <translation>Rejoint la partie en réseau de ce lien.</translation>
    </message>
</context>
<context>
    <name>zx::AboutWindow</name>
    <message>
        <source>IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen are registered trademarks of their respective owners.</source>
        <translation>IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen sont des marques déposées de leurs propriétaires respectifs.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Zentrix icon</source>
        <translation>Icône de Zentrix</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Infos système...</translation>
    </message>
</context>
<context>
    <name>zx::BuyWindow</name>
    <message>
        <source>Buy a company</source>
        <translation>Acheter une entreprise</translation>
    </message>
    <message>
        <source>Company logo</source>
        <translation>Logo de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Nom de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Company price</source>
        <translation>Prix de l&apos;entreprise</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>A&amp;cheter</translation>
    </message>
    <message>
        <source>Buy selected company</source>
        <translation>Acheter l&apos;entreprise choisie</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Refuse to buy any companies</source>
        <translation>N&apos;acheter aucune entreprise</translation>
    </message>
</context>
<context>
    <name>zx::Controller</name>
    <message>
        <source>Connection to %1 lost: trying again in %2 s</source>
        <translation>Connexion à %1 perdue&#xa0;: nouvel essai dans %2&#xa0;s</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>%1: not here yet</source>
        <translation>%1&#xa0;: pas encore là</translation>
    </message>
    <message>
        <source>%1: reconnecting, %2 s</source>
        <translation>%1&#xa0;: reconnexion, %2&#xa0;s</translation>
    </message>
    <message>
        <source>%1: played by the computer until he returns</source>
        <translation>%1&#xa0;: joué par l&apos;ordinateur jusqu&apos;à son retour</translation>
    </message>
    <message>
        <source>%1: played by the computer until she returns</source>
        <translation>%1&#xa0;: jouée par l&apos;ordinateur jusqu&apos;à son retour</translation>
    </message>
    <message>
        <source>A network game you played in may not be finished. Resume network game?</source>
        <translation>Une partie en réseau à laquelle tu as participé n&apos;est peut-être pas terminée. Reprendre la partie en réseau ?</translation>
    </message>
    <message>
        <source>This game was played over a network. Host it again for the same players?</source>
        <translation>Cette partie a été jouée en réseau. L&apos;héberger de nouveau pour les mêmes joueurs ?</translation>
    </message>
</context>
<context>
    <name>zx::FileDialogs</name>
    <message>
        <source>Zentrix Save File (*.znx)</source>
        <translation>Partie Zentrix (*.znx)</translation>
    </message>
</context>
<context>
    <name>zx::FormWindow</name>
    <message>
        <source>Press F1 for online help!</source>
        <translation>Appuie sur F1 pour l&apos;aide&#xa0;!</translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help on this window!</source>
        <translation>Appuie sur F1 pour l&apos;aide complète sur cette fenêtre&#xa0;!</translation>
    </message>
</context>
<context>
    <name>zx::GraphWindow</name>
    <message>
        <source>Game trend graph</source>
        <translation>Graphique des tendances de la partie</translation>
    </message>
    <message>
        <source>Estates of the players</source>
        <translation>Patrimoine des joueurs</translation>
    </message>
    <message>
        <source>This graph shows the general direction and history of the game.  It is a superb tool to compare your wealth with your opponents.</source>
        <translation>Ce graphique montre l&apos;orientation générale et l&apos;historique de la partie.  Un outil idéal pour comparer ta fortune à celle de tes adversaires.</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Estate (Million $)</source>
        <translation>Patrimoine (millions $)</translation>
    </message>
</context>
<context>
    <name>zx::HelpWindow</name>
    <message>
        <source>Zentrix Help</source>
        <translation>Aide de Zentrix</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Go back to the page seen before</source>
        <translation>Revenir à la page vue avant</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>Go forward to the next page seen</source>
        <translation>Aller à la page vue ensuite</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the help</source>
        <translation>Fermer l&apos;aide</translation>
    </message>
</context>
<context>
    <name>zx::HostWindow</name>
    <message>
        <source>Host a network game</source>
        <translation>Héberger une partie en réseau</translation>
    </message>
    <message>
        <source>&amp;Invite link:</source>
        <translation>&amp;Lien d&apos;invitation&#xa0;:</translation>
    </message>
    <message>
        <source>The link appears once the table is open</source>
        <translation>Le lien apparaît dès que la table est ouverte</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the link, to send it to the other players</source>
        <translation>Copier le lien pour l&apos;envoyer aux autres joueurs</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>A&amp;dresse&#xa0;:</translation>
    </message>
    <message>
        <source>The address of this computer that the other players can reach</source>
        <translation>L&apos;adresse de cet ordinateur que les autres joueurs peuvent atteindre</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>n&apos;importe quel port libre</translation>
    </message>
    <message>
        <source>The TCP port to listen on; open it in a firewall between you and the others</source>
        <translation>Le port TCP d&apos;écoute&#xa0;; ouvre-le dans un pare-feu entre toi et les autres</translation>
    </message>
    <message>
        <source>&amp;Seats:</source>
        <translation>Pl&amp;aces&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Put this window away; the table stays open</source>
        <translation>Ranger cette fenêtre&#xa0;; la table reste ouverte</translation>
    </message>
    <message>
        <source>Seat %1: %2, a computer player</source>
        <translation>Place %1&#xa0;: %2, joueur ordinateur</translation>
    </message>
    <message>
        <source>Seat %1: open</source>
        <translation>Place %1&#xa0;: libre</translation>
    </message>
    <message>
        <source>Seat %1: %2, joined</source>
        <translation>Place %1&#xa0;: %2, a rejoint</translation>
    </message>
    <message>
        <source>Seat %1: %2, away</source>
        <translation>Place %1&#xa0;: %2, absent</translation>
    </message>
    <message>
        <source>The network game could not be hosted: %1</source>
        <translation>La partie en réseau n&apos;a pas pu être hébergée : %1</translation>
    </message>
</context>
<context>
    <name>zx::JoinWindow</name>
    <message>
        <source>Network game</source>
        <translation>Partie en réseau</translation>
    </message>
    <message>
        <source>Join a network game</source>
        <translation>Rejoindre une partie en réseau</translation>
    </message>
    <message>
        <source>&amp;Server or invite link:</source>
        <translation>&amp;Serveur ou lien d&apos;invitation&#xa0;:</translation>
    </message>
    <message>
        <source>Show &amp;Tables</source>
        <translation>Afficher les &amp;tables</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Ton &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Open tables and their free seats:</source>
        <translation>Tables ouvertes et leurs places libres&#xa0;:</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Tables ouvertes</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1: %2 (free seats: %3)</source>
        <translation>%1&#xa0;: %2 (places libres&#xa0;: %3)</translation>
    </message>
    <message>
        <source>Choose a table from the list, or give an invite link with the table&apos;s code.</source>
        <translation>Choisis une table dans la liste, ou donne un lien d&apos;invitation avec le code de la table.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a Zentrix server or table. An invite link looks like zentrix://HOST:PORT/CODE.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas l&apos;adresse d&apos;un serveur ou d&apos;une table Zentrix. Un lien d&apos;invitation ressemble à zentrix://HOST:PORT/CODE.</translation>
    </message>
    <message>
        <source>No Zentrix server answers at %1. Check the address, and that the server is running.</source>
        <translation>Aucun serveur Zentrix ne répond à %1. Vérifie l&apos;adresse, et que le serveur fonctionne.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>La connexion à %1 a été perdue.</translation>
    </message>
    <message>
        <source>There is no table %1 at %2.</source>
        <translation>Il n&apos;y a pas de table %1 sur %2.</translation>
    </message>
    <message>
        <source>The table %1 has no free seat left.</source>
        <translation>La table %1 n&apos;a plus de place libre.</translation>
    </message>
    <message>
        <source>Somebody at this table has that name already. Please choose another name.</source>
        <translation>Quelqu&apos;un à cette table porte déjà ce nom. Choisis un autre nom, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The server no longer knows this seat.</source>
        <translation>Le serveur ne connaît plus cette place.</translation>
    </message>
    <message>
        <source>This server plays another version of Zentrix: %1</source>
        <translation>Ce serveur joue une autre version de Zentrix&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server says: %1</source>
        <translation>Le serveur dit&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>zx::LoanWindow</name>
    <message>
        <source>Player the loan will be given to</source>
        <translation>Joueur à qui le prêt est accordé</translation>
    </message>
    <message>
        <source>Extra money you get when loan is payed back</source>
        <translation>Argent en plus que tu reçois au remboursement du prêt</translation>
    </message>
    <message>
        <source>Number of moves you&apos;ll wait until the loan is payed back</source>
        <translation>Nombre de tours à attendre avant le remboursement du prêt</translation>
    </message>
    <message>
        <source>Lend money</source>
        <translation>Prêter de l&apos;argent</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Enter amount of loan</source>
        <translation>Montant du prêt</translation>
    </message>
    <message>
        <source>Amount of loan in millions of dollars</source>
        <translation>Montant du prêt en millions de dollars</translation>
    </message>
    <message>
        <source>Raise or lower the amount of loan</source>
        <translation>Augmenter ou baisser le montant du prêt</translation>
    </message>
    <message>
        <source>Million $</source>
        <translation>millions $</translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation>Intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>100 Moves</source>
        <translation>100 tours</translation>
    </message>
    <message>
        <source>Interest and duration</source>
        <translation>Intérêt et durée</translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation>&amp;Prêter</translation>
    </message>
    <message>
        <source>Grant the loan</source>
        <translation>Accorder le prêt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Refuse to loan</source>
        <translation>Ne rien prêter</translation>
    </message>
</context>
<context>
    <name>zx::LogWindow</name>
    <message>
        <source>Game log</source>
        <translation>Journal de la partie</translation>
    </message>
    <message>
        <source>&amp;Events of this game:</source>
        <translation>É&amp;vénements de cette partie&#xa0;:</translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>Copy the whole log as plain text (Ctrl+C copies the chosen lines)</source>
        <translation>Copier tout le journal en texte brut (Ctrl+C copie les lignes choisies)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Put the log away; the game keeps writing it</source>
        <translation>Ranger le journal&#xa0;; la partie continue de l&apos;écrire</translation>
    </message>
    <message>
        <source>&amp;Say:</source>
        <translation>&amp;Dire&#xa0;:</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>Say this to the other players</source>
        <translation>Dire cela aux autres joueurs</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>zx::MainWindow</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Zentrix will speak this language from its next start.</source>
        <translation>Zentrix parlera cette langue dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Zentrix 3.0</source>
        <translation>Zentrix 3.0</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouvelle...</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer s&amp;ous...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Recent Events</source>
        <translation>&amp;Derniers événements</translation>
    </message>
    <message>
        <source>Computer &amp;Speed</source>
        <translation>&amp;Vitesse de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About Zentrix...</source>
        <translation>À &amp;propos de Zentrix...</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Amount of time elapsed since game started</source>
        <translation>Temps écoulé depuis le début de la partie</translation>
    </message>
    <message>
        <source>Number of dice rolls or moves since game started</source>
        <translation>Nombre de lancers ou de tours depuis le début de la partie</translation>
    </message>
    <message>
        <source>Reaction time count-down will be shown here</source>
        <translation>Le compte à rebours du temps de réaction s&apos;affiche ici</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Tours&#xa0;:</translation>
    </message>
    <message>
        <source>Reaction time:</source>
        <translation>Réaction&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Trend Graph</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Compare players&apos; estates in a graph</source>
        <translation>Comparer le patrimoine des joueurs dans un graphique</translation>
    </message>
    <message>
        <source>Ga&amp;me Log</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Every event of this game, in order (Ctrl+G)</source>
        <translation>Tous les événements de cette partie, dans l&apos;ordre (Ctrl+G)</translation>
    </message>
    <message>
        <source>Game prompts are shown here</source>
        <translation>Les annonces du jeu s&apos;affichent ici</translation>
    </message>
    <message>
        <source>Computer prompts are shown here</source>
        <translation>Les annonces de l&apos;Ordinateur s&apos;affichent ici</translation>
    </message>
    <message>
        <source>Game hints are shown here</source>
        <translation>Les conseils de jeu s&apos;affichent ici</translation>
    </message>
    <message>
        <source>&amp;Recent events</source>
        <translation>&amp;Derniers événements</translation>
    </message>
    <message>
        <source>The newest events of the game; the Game Log shows them all</source>
        <translation>Les événements les plus récents&#xa0;; le Journal de la partie les montre tous</translation>
    </message>
    <message>
        <source>Dice picture</source>
        <translation>Image du dé</translation>
    </message>
    <message>
        <source>Roll &amp;Dice</source>
        <translation>&amp;Lancer le dé</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Lancer le dé</translation>
    </message>
    <message>
        <source>The player who is playing now</source>
        <translation>Le joueur dont c&apos;est le tour</translation>
    </message>
    <message>
        <source>The player who will play next</source>
        <translation>Le joueur qui jouera ensuite</translation>
    </message>
    <message>
        <source>Current player:</source>
        <translation>Joueur actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Next player:</source>
        <translation>Joueur suivant&#xa0;:</translation>
    </message>
    <message>
        <source>Press F1 for online help!</source>
        <translation>Appuie sur F1 pour l&apos;aide&#xa0;!</translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help!</source>
        <translation>Appuie sur F1 pour l&apos;aide complète en HTML&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Join Network Game...</source>
        <translation>&amp;Rejoindre une partie en réseau...</translation>
    </message>
    <message>
        <source>&amp;Resume Network Game</source>
        <translation>&amp;Reprendre la partie en réseau</translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation>&amp;Héberger une partie en réseau...</translation>
    </message>
</context>
<context>
    <name>zx::NewGameWindow</name>
    <message>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Number of players</source>
        <translation>Nombre de joueurs</translation>
    </message>
    <message>
        <source>Player name &amp;&amp; gender</source>
        <translation>Nom &amp;&amp; sexe du joueur</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>Choose F for female or M for Male</source>
        <translation>Choisis F pour féminin ou M pour masculin</translation>
    </message>
    <message>
        <source>Player %1 gender</source>
        <translation>Sexe du joueur %1</translation>
    </message>
    <message>
        <source>Choose Human for a person at this screen, or a computer player and its strength</source>
        <translation>Choisis Humain pour une personne devant cet écran, ou un joueur ordinateur et sa force</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Type du joueur %1</translation>
    </message>
    <message>
        <source>Piece style</source>
        <translation>Style des pions</translation>
    </message>
    <message>
        <source>&amp;Next set</source>
        <translation>&amp;Jeu suivant</translation>
    </message>
    <message>
        <source>See the next piece set</source>
        <translation>Voir le jeu de pions suivant</translation>
    </message>
    <message>
        <source>Type of companies</source>
        <translation>Type d&apos;entreprises</translation>
    </message>
    <message>
        <source>Com&amp;puter companies</source>
        <translation>&amp;Informatique</translation>
    </message>
    <message>
        <source>Ca&amp;r manufacturers</source>
        <translation>&amp;Automobile</translation>
    </message>
    <message>
        <source>Companies like Microsoft, Intel, HP, etc</source>
        <translation>Des entreprises comme Microsoft, Intel, HP, etc.</translation>
    </message>
    <message>
        <source>Companies like Ford, Nissan, BMW, etc</source>
        <translation>Des entreprises comme Ford, Nissan, BMW, etc.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Auto-save every 5 min&apos;s</source>
        <translation>&amp;Enregistrer toutes les 5 min</translation>
    </message>
    <message>
        <source>Check to save the game automatically every 5 minutes</source>
        <translation>Coche pour enregistrer la partie automatiquement toutes les 5 minutes</translation>
    </message>
    <message>
        <source>Play &amp;sounds</source>
        <translation>Jouer les &amp;sons</translation>
    </message>
    <message>
        <source>Check to enable sounds during the game</source>
        <translation>Coche pour entendre les sons pendant la partie</translation>
    </message>
    <message>
        <source>&amp;Limit reaction time</source>
        <translation>&amp;Limiter le temps de réaction</translation>
    </message>
    <message>
        <source>Check to set limits on the amount of time you&apos;ve got to react to game prompts</source>
        <translation>Coche pour limiter le temps dont tu disposes pour répondre aux annonces du jeu</translation>
    </message>
    <message>
        <source>Play &amp;background music</source>
        <translation>&amp;Musique de fond</translation>
    </message>
    <message>
        <source>Check to listen to soft music during the game</source>
        <translation>Coche pour écouter une musique douce pendant la partie</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Start the game</source>
        <translation>Démarrer la partie</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Cancel new game</source>
        <translation>Annuler la nouvelle partie</translation>
    </message>
    <message>
        <source>Network player</source>
        <translation>Joueur en réseau</translation>
    </message>
    <message>
        <source>Choose Human for a person at this screen, Network player for a person joining over the network, or a computer player and its strength</source>
        <translation>Choisis Humain pour une personne devant cet écran, Joueur en réseau pour une personne qui rejoint par le réseau, ou un joueur ordinateur et sa force</translation>
    </message>
</context>
<context>
    <name>zx::PlayerWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Estate = your cash + your bank balance + the value of all your companies</source>
        <translation>Patrimoine = tes espèces + ton solde bancaire + la valeur de toutes tes entreprises</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Espèces&#xa0;:</translation>
    </message>
    <message>
        <source>Estate:</source>
        <translation>Patrimoine&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation>&amp;Prêter</translation>
    </message>
    <message>
        <source>Lend money to somebody</source>
        <translation>Prêter de l&apos;argent à quelqu&apos;un</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Exit the game voluntarily</source>
        <translation>Quitter la partie de toi-même</translation>
    </message>
    <message>
        <source>Companies</source>
        <translation>Entreprises</translation>
    </message>
    <message>
        <source>The list of companies you own</source>
        <translation>La liste des entreprises que tu possèdes</translation>
    </message>
    <message>
        <source>Companies you own</source>
        <translation>Tes entreprises</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Vendre</translation>
    </message>
    <message>
        <source>Sell your companies</source>
        <translation>Vendre tes entreprises</translation>
    </message>
    <message>
        <source>Insure</source>
        <translation>Assurer</translation>
    </message>
    <message>
        <source>Check to insure the company to the left</source>
        <translation>Coche pour assurer l&apos;entreprise à gauche</translation>
    </message>
    <message>
        <source>Insure company %1</source>
        <translation>Assurer l&apos;entreprise %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Insure selected companies</source>
        <translation>Assurer les entreprises choisies</translation>
    </message>
    <message>
        <source>Bank account</source>
        <translation>Compte en banque</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Solde&#xa0;:</translation>
    </message>
    <message>
        <source>Enter a number smaller than 1 or leave empty to refuse</source>
        <translation>Tape un nombre inférieur à 1 ou laisse vide pour refuser</translation>
    </message>
    <message>
        <source>Amount in million dollars</source>
        <translation>Montant en millions de dollars</translation>
    </message>
    <message>
        <source>Step the amount</source>
        <translation>Changer le montant pas à pas</translation>
    </message>
    <message>
        <source>Mil. $</source>
        <translation>M$</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>&amp;Déposer</translation>
    </message>
    <message>
        <source>Put money in your bank account</source>
        <translation>Mettre de l&apos;argent sur ton compte en banque</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Take money out of your bank account</source>
        <translation>Retirer de l&apos;argent de ton compte en banque</translation>
    </message>
    <message>
        <source>Insure %1</source>
        <translation>Assurer %1</translation>
    </message>
</context>
<context>
    <name>zx::ResultsWindow</name>
    <message>
        <source>Game over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Finish game!</source>
        <translation>Terminer la partie&#xa0;!</translation>
    </message>
</context>
<context>
    <name>zx::SellWindow</name>
    <message>
        <source>The bank will always buy companies at half of their original value</source>
        <translation>La banque rachète toujours les entreprises à la moitié de leur valeur d&apos;origine</translation>
    </message>
    <message>
        <source>Enter bids without commas or dollar sign.  Example:1630000</source>
        <translation>Tape les offres sans virgules ni signe dollar.  Exemple&#xa0;: 1630000</translation>
    </message>
    <message>
        <source>Sell a company</source>
        <translation>Vendre une entreprise</translation>
    </message>
    <message>
        <source>Company to be sold</source>
        <translation>Entreprise à vendre</translation>
    </message>
    <message>
        <source>Bids</source>
        <translation>Offres</translation>
    </message>
    <message>
        <source>Bank&apos;s offer</source>
        <translation>Offre de la banque</translation>
    </message>
    <message>
        <source>Bid</source>
        <translation>Offre</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>S&amp;ubmit</source>
        <translation>&amp;Révéler</translation>
    </message>
    <message>
        <source>End bid and reveal bids</source>
        <translation>Clore les offres et les révéler</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Vendre</translation>
    </message>
    <message>
        <source>Sell company to selected player</source>
        <translation>Vendre l&apos;entreprise au joueur choisi</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Refuse selling company</source>
        <translation>Ne pas vendre l&apos;entreprise</translation>
    </message>
    <message>
        <source>Bid of %1</source>
        <translation>Offre de %1</translation>
    </message>
</context>
<context>
    <name>zx::WaitWindow</name>
    <message>
        <source>Waiting...</source>
        <translation>En attente...</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Payer</translation>
    </message>
    <message>
        <source>Pay the money and continue the game</source>
        <translation>Payer l&apos;argent et continuer la partie</translation>
    </message>
    <message>
        <source>I Lose!</source>
        <translation>J&apos;abandonne&#xa0;!</translation>
    </message>
    <message>
        <source>Lose and exit the game</source>
        <translation>Perdre et quitter la partie</translation>
    </message>
</context>
</TS>
