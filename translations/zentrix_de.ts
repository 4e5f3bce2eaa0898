<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bank</name>
    <message>
        <source>%1 can&apos;t deposit any money in her bank account!</source>
        <translation>%1 kann kein Geld auf ihr Bankkonto einzahlen!</translation>
    </message>
    <message>
        <source>%1 can&apos;t deposit any money in his bank account!</source>
        <translation>%1 kann kein Geld auf sein Bankkonto einzahlen!</translation>
    </message>
    <message>
        <source>%1 is in deposit mode!</source>
        <translation>%1 kann jetzt Geld einzahlen!</translation>
    </message>
    <message>
        <source>Enter the amount of money to deposit (in million dollars) in the white box at the right of your personal window and click Deposit, or press Esc to refuse.</source>
        <translation>Gib den Betrag (in Millionen Dollar) rechts in deinem persönlichen Fenster in das weiße Feld ein und klicke auf Einzahlen, oder drücke Esc, um abzulehnen.</translation>
    </message>
    <message>
        <source>Every time you land on a Bank cell, you get 10% of your bank balance as interest.  </source>
        <translation>Jedes Mal, wenn du auf einem Bankfeld landest, bekommst du 10% deines Kontostands als Zinsen.  </translation>
    </message>
    <message>
        <source>%1 recieved %2 interest and is in deposit mode!</source>
        <translation>%1 hat %2 Zinsen bekommen und kann jetzt Geld einzahlen!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to pay tax on!</source>
        <translation>%1 hat keine Firmen, für die Steuern fällig wären!</translation>
    </message>
    <message>
        <source>%1 paid %2 tax for her companies!</source>
        <translation>%1 hat %2 Steuern für ihre Firmen bezahlt!</translation>
    </message>
    <message>
        <source>%1 paid %2 tax for his companies!</source>
        <translation>%1 hat %2 Steuern für seine Firmen bezahlt!</translation>
    </message>
    <message>
        <source>Every time you land on a Tax cell, you must pay the tax of all your companies.</source>
        <translation>Jedes Mal, wenn du auf einem Steuerfeld landest, musst du die Steuern für alle deine Firmen zahlen.</translation>
    </message>
    <message>
        <source>You do not have enough money to pay the tax of your companies!</source>
        <translation>Du hast nicht genug Geld, um die Steuern für deine Firmen zu zahlen!</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of her companies...</source>
        <translation>Warte, bis %1 %2 Steuern für ihre Firmen zahlt...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of his companies...</source>
        <translation>Warte, bis %1 %2 Steuern für seine Firmen zahlt...</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Show information</source>
        <translation>Informationen zeigen</translation>
    </message>
    <message>
        <source>Game board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>The arrow keys move along the path, Home goes to the current player&apos;s piece, Enter tells about the cell and Space moves there when the Computer lets you.</source>
        <translation>Die Pfeiltasten bewegen dich den Weg entlang, Pos1 springt zur Figur des Spielers am Zug, Eingabe erklärt das Feld, und die Leertaste zieht dorthin, wenn der Computer es dir erlaubt.</translation>
    </message>
</context>
<context>
    <name>Insurance</name>
    <message>
        <source>%1 is in Insurance mode!</source>
        <translation>%1 kann jetzt Firmen versichern!</translation>
    </message>
    <message>
        <source>Select the companies you want to insure by clicking the check-boxes in front of them in your personal window and click OK.</source>
        <translation>Wähle in deinem persönlichen Fenster die Firmen, die du versichern willst, mit den Kästchen vor ihnen aus und klicke auf OK.</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to insure!</source>
        <translation>%1 hat keine Firmen zum Versichern!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any un-insured companies!</source>
        <translation>%1 hat keine unversicherten Firmen!</translation>
    </message>
    <message>
        <source>%1, all of your companies are insured already.</source>
        <translation>%1, alle deine Firmen sind schon versichert.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Bad names</source>
        <translation>Ungültige Namen</translation>
    </message>
    <message>
        <source>Bad number</source>
        <translation>Ungültige Zahl</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Spiel gespeichert</translation>
    </message>
    <message>
        <source>Illegal Loan</source>
        <translation>Unzulässiger Kredit</translation>
    </message>
    <message>
        <source>Illegal Save</source>
        <translation>Speichern nicht möglich</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>Loan confirmation</source>
        <translation>Kredit bestätigen</translation>
    </message>
    <message>
        <source>Loan refused</source>
        <translation>Kredit abgelehnt</translation>
    </message>
    <message>
        <source>Lose confirmation</source>
        <translation>Aufgeben bestätigen</translation>
    </message>
    <message>
        <source>No companies</source>
        <translation>Keine Firmen</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Kein Name</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Tut mir leid!</translation>
    </message>
    <message>
        <source>Want to save?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>You must pay now!</source>
        <translation>Du musst jetzt zahlen!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A board game about buying and running companies, for two to four players.</source>
        <translation>Ein Brettspiel übers Kaufen und Führen von Firmen, für zwei bis vier Spieler.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen.</translation>
    </message>
    <message>
        <source>A saved game (.znx) to open.</source>
        <translation>Ein gespeichertes Spiel (.znx), das geöffnet wird.</translation>
    </message>
    <message>
        <source>Only one saved game can be opened at a time.</source>
        <translation>Es lässt sich nur ein gespeichertes Spiel auf einmal öffnen.</translation>
    </message>
</context>
<context>
    <name>zx::AboutWindow</name>
    <message>
        <source>IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen are registered trademarks of their respective owners.</source>
        <translation>IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen sind eingetragene Marken ihrer jeweiligen Inhaber.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Zentrix icon</source>
        <translation>Zentrix-Symbol</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
</context>
<context>
    <name>zx::BuyWindow</name>
    <message>
        <source>Buy a company</source>
        <translation>Eine Firma kaufen</translation>
    </message>
    <message>
        <source>Company logo</source>
        <translation>Firmenlogo</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Company price</source>
        <translation>Firmenpreis</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>&amp;Kaufen</translation>
    </message>
    <message>
        <source>Buy selected company</source>
        <translation>Die gewählte Firma kaufen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Refuse to buy any companies</source>
        <translation>Keine Firma kaufen</translation>
    </message>
</context>
<context>
    <name>zx::FileDialogs</name>
    <message>
        <source>Zentrix Save File (*.znx)</source>
        <translation>Zentrix-Spielstand (*.znx)</translation>
    </message>
</context>
<context>
    <name>zx::FormWindow</name>
    <message>
        <source>Press F1 for online help!</source>
        <translation>F1 drücken für die Hilfe!</translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help on this window!</source>
        <translation>F1 drücken für die ausführliche Hilfe zu diesem Fenster!</translation>
    </message>
</context>
<context>
    <name>zx::GraphWindow</name>
    <message>
        <source>Game trend graph</source>
        <translation>Trenddiagramm des Spiels</translation>
    </message>
    <message>
        <source>Estates of the players</source>
        <translation>Vermögen der Spieler</translation>
    </message>
    <message>
        <source>This graph shows the general direction and history of the game.  It is a superb tool to compare your wealth with your opponents.</source>
        <translation>Dieses Diagramm zeigt den Verlauf und die Entwicklung des Spiels.  Damit kannst du deinen Reichtum bestens mit dem deiner Gegner vergleichen.</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Estate (Million $)</source>
        <translation>Vermögen (Mio. $)</translation>
    </message>
</context>
<context>
    <name>zx::HelpWindow</name>
    <message>
        <source>Zentrix Help</source>
        <translation>Zentrix-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Go back to the page seen before</source>
        <translation>Zurück zur vorigen Seite</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Go forward to the next page seen</source>
        <translation>Vorwärts zur nächsten besuchten Seite</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the help</source>
        <translation>Die Hilfe schließen</translation>
    </message>
</context>
<context>
    <name>zx::LoanWindow</name>
    <message>
        <source>Player the loan will be given to</source>
        <translation>Spieler, der den Kredit bekommt</translation>
    </message>
    <message>
        <source>Extra money you get when loan is payed back</source>
        <translation>Zusätzliches Geld, das du bei der Rückzahlung bekommst</translation>
    </message>
    <message>
        <source>Number of moves you&apos;ll wait until the loan is payed back</source>
        <translation>Anzahl der Züge bis zur Rückzahlung des Kredits</translation>
    </message>
    <message>
        <source>Lend money</source>
        <translation>Geld leihen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Enter amount of loan</source>
        <translation>Kreditbetrag eingeben</translation>
    </message>
    <message>
        <source>Amount of loan in millions of dollars</source>
        <translation>Kreditbetrag in Millionen Dollar</translation>
    </message>
    <message>
        <source>Raise or lower the amount of loan</source>
        <translation>Den Kreditbetrag erhöhen oder senken</translation>
    </message>
    <message>
        <source>Million $</source>
        <translation>Mio. $</translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation>Zinsen:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>100 Moves</source>
        <translation>100 Züge</translation>
    </message>
    <message>
        <source>Interest and duration</source>
        <translation>Zinsen und Laufzeit</translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <source>Grant the loan</source>
        <translation>Den Kredit gewähren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Refuse to loan</source>
        <translation>Nichts leihen</translation>
    </message>
</context>
<context>
    <name>zx::LogWindow</name>
    <message>
        <source>Game log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>&amp;Events of this game:</source>
        <translation>&amp;Ereignisse dieses Spiels:</translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>Copy the whole log as plain text (Ctrl+C copies the chosen lines)</source>
        <translation>Das ganze Protokoll als reinen Text kopieren (Strg+C kopiert die gewählten Zeilen)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Put the log away; the game keeps writing it</source>
        <translation>Das Protokoll weglegen; das Spiel schreibt es weiter</translation>
    </message>
</context>
<context>
    <name>zx::MainWindow</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Zentrix will speak this language from its next start.</source>
        <translation>Zentrix spricht diese Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Zentrix 3.0</source>
        <translation>Zentrix 3.0</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Recent Events</source>
        <translation>&amp;Letzte Ereignisse</translation>
    </message>
    <message>
        <source>Computer &amp;Speed</source>
        <translation>Computer-&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About Zentrix...</source>
        <translation>Ü&amp;ber Zentrix...</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Amount of time elapsed since game started</source>
        <translation>Zeit seit Spielbeginn</translation>
    </message>
    <message>
        <source>Number of dice rolls or moves since game started</source>
        <translation>Anzahl der Würfe oder Züge seit Spielbeginn</translation>
    </message>
    <message>
        <source>Reaction time count-down will be shown here</source>
        <translation>Hier läuft die Reaktionszeit ab</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Züge:</translation>
    </message>
    <message>
        <source>Reaction time:</source>
        <translation>Reaktionszeit:</translation>
    </message>
    <message>
        <source>&amp;Trend Graph</source>
        <translation>&amp;Trenddiagramm</translation>
    </message>
    <message>
        <source>Compare players&apos; estates in a graph</source>
        <translation>Das Vermögen der Spieler im Diagramm vergleichen</translation>
    </message>
    <message>
        <source>Ga&amp;me Log</source>
        <translation>Spiel&amp;protokoll</translation>
    </message>
    <message>
        <source>Every event of this game, in order (Ctrl+G)</source>
        <translation>Alle Ereignisse dieses Spiels der Reihe nach (Strg+G)</translation>
    </message>
    <message>
        <source>Game prompts are shown here</source>
        <translation>Hier erscheinen die Ansagen des Spiels</translation>
    </message>
    <message>
        <source>Computer prompts are shown here</source>
        <translation>Hier erscheinen die Ansagen des Computers</translation>
    </message>
    <message>
        <source>Game hints are shown here</source>
        <translation>Hier erscheinen Spieltipps</translation>
    </message>
    <message>
        <source>&amp;Recent events</source>
        <translation>&amp;Letzte Ereignisse</translation>
    </message>
    <message>
        <source>The newest events of the game; the Game Log shows them all</source>
        <translation>Die neuesten Ereignisse des Spiels; das Spielprotokoll zeigt alle</translation>
    </message>
    <message>
        <source>Dice picture</source>
        <translation>Würfelbild</translation>
    </message>
    <message>
        <source>Roll &amp;Dice</source>
        <translation>&amp;Würfeln</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Die Würfel werfen</translation>
    </message>
    <message>
        <source>The player who is playing now</source>
        <translation>Der Spieler, der gerade am Zug ist</translation>
    </message>
    <message>
        <source>The player who will play next</source>
        <translation>Der Spieler, der als Nächstes dran ist</translation>
    </message>
    <message>
        <source>Current player:</source>
        <translation>Am Zug:</translation>
    </message>
    <message>
        <source>Next player:</source>
        <translation>Danach:</translation>
    </message>
    <message>
        <source>Press F1 for online help!</source>
        <translation>F1 drücken für die Hilfe!</translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help!</source>
        <translation>F1 drücken für die ausführliche Hilfe!</translation>
    </message>
</context>
<context>
    <name>zx::NewGameWindow</name>
    <message>
        <source>Start a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Number of players</source>
        <translation>Anzahl der Spieler</translation>
    </message>
    <message>
        <source>Player name &amp;&amp; gender</source>
        <translation>Spielername &amp;&amp; Geschlecht</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>Choose F for female or M for Male</source>
        <translation>F für weiblich, M für männlich</translation>
    </message>
    <message>
        <source>Player %1 gender</source>
        <translation>Geschlecht von Spieler %1</translation>
    </message>
    <message>
        <source>Choose Human for a person at this screen, or a computer player and its strength</source>
        <translation>Wähle einen Menschen an diesem Bildschirm oder einen Computerspieler und seine Stärke</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Art von Spieler %1</translation>
    </message>
    <message>
        <source>Piece style</source>
        <translation>Spielfiguren</translation>
    </message>
    <message>
        <source>&amp;Next set</source>
        <translation>&amp;Nächster Satz</translation>
    </message>
    <message>
        <source>See the next piece set</source>
        <translation>Den nächsten Figurensatz zeigen</translation>
    </message>
    <message>
        <source>Type of companies</source>
        <translation>Art der Firmen</translation>
    </message>
    <message>
        <source>Com&amp;puter companies</source>
        <translation>Com&amp;puterfirmen</translation>
    </message>
    <message>
        <source>Ca&amp;r manufacturers</source>
        <translation>Auto&amp;hersteller</translation>
    </message>
    <message>
        <source>Companies like Microsoft, Intel, HP, etc</source>
        <translation>Firmen wie Microsoft, Intel, HP usw.</translation>
    </message>
    <message>
        <source>Companies like Ford, Nissan, BMW, etc</source>
        <translation>Firmen wie Ford, Nissan, BMW usw.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Auto-save every 5 min&apos;s</source>
        <translation>&amp;Alle 5 Min. speichern</translation>
    </message>
    <message>
        <source>Check to save the game automatically every 5 minutes</source>
        <translation>Ankreuzen, um das Spiel alle 5 Minuten automatisch zu speichern</translation>
    </message>
    <message>
        <source>Play &amp;sounds</source>
        <translation>&amp;Klänge abspielen</translation>
    </message>
    <message>
        <source>Check to enable sounds during the game</source>
        <translation>Ankreuzen für Klänge während des Spiels</translation>
    </message>
    <message>
        <source>&amp;Limit reaction time</source>
        <translation>&amp;Reaktionszeit begrenzen</translation>
    </message>
    <message>
        <source>Check to set limits on the amount of time you&apos;ve got to react to game prompts</source>
        <translation>Ankreuzen, um die Zeit zu begrenzen, die du für eine Antwort auf die Ansagen des Spiels hast</translation>
    </message>
    <message>
        <source>Play &amp;background music</source>
        <translation>&amp;Musik im Hintergrund</translation>
    </message>
    <message>
        <source>Check to listen to soft music during the game</source>
        <translation>Ankreuzen für leise Musik während des Spiels</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>Start the game</source>
        <translation>Das Spiel starten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Cancel new game</source>
        <translation>Kein neues Spiel beginnen</translation>
    </message>
</context>
<context>
    <name>zx::PlayerWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Estate = your cash + your bank balance + the value of all your companies</source>
        <translation>Vermögen = dein Bargeld + dein Kontostand + der Wert all deiner Firmen</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Bargeld:</translation>
    </message>
    <message>
        <source>Estate:</source>
        <translation>Vermögen:</translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <source>Lend money to somebody</source>
        <translation>Jemandem Geld leihen</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Aufgeben</translation>
    </message>
    <message>
        <source>Exit the game voluntarily</source>
        <translation>Freiwillig aus dem Spiel ausscheiden</translation>
    </message>
    <message>
        <source>Companies</source>
        <translation>Firmen</translation>
    </message>
    <message>
        <source>The list of companies you own</source>
        <translation>Die Liste deiner Firmen</translation>
    </message>
    <message>
        <source>Companies you own</source>
        <translation>Deine Firmen</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkaufen</translation>
    </message>
    <message>
        <source>Sell your companies</source>
        <translation>Deine Firmen verkaufen</translation>
    </message>
    <message>
        <source>Insure</source>
        <translation>Versichern</translation>
    </message>
    <message>
        <source>Check to insure the company to the left</source>
        <translation>Ankreuzen, um die Firma links davon zu versichern</translation>
    </message>
    <message>
        <source>Insure company %1</source>
        <translation>Firma %1 versichern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Insure selected companies</source>
        <translation>Die gewählten Firmen versichern</translation>
    </message>
    <message>
        <source>Bank account</source>
        <translation>Bankkonto</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Kontostand:</translation>
    </message>
    <message>
        <source>Enter a number smaller than 1 or leave empty to refuse</source>
        <translation>Gib eine Zahl kleiner als 1 ein oder lass das Feld leer, um abzulehnen</translation>
    </message>
    <message>
        <source>Amount in million dollars</source>
        <translation>Betrag in Millionen Dollar</translation>
    </message>
    <message>
        <source>Step the amount</source>
        <translation>Den Betrag schrittweise ändern</translation>
    </message>
    <message>
        <source>Mil. $</source>
        <translation>Mio. $</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>&amp;Einzahlen</translation>
    </message>
    <message>
        <source>Put money in your bank account</source>
        <translation>Geld auf dein Bankkonto einzahlen</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>A&amp;bheben</translation>
    </message>
    <message>
        <source>Take money out of your bank account</source>
        <translation>Geld von deinem Bankkonto abheben</translation>
    </message>
    <message>
        <source>Insure %1</source>
        <translation>%1 versichern</translation>
    </message>
</context>
<context>
    <name>zx::ResultsWindow</name>
    <message>
        <source>Game over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Finish game!</source>
        <translation>Spiel beenden!</translation>
    </message>
</context>
<context>
    <name>zx::SellWindow</name>
    <message>
        <source>The bank will always buy companies at half of their original value</source>
        <translation>Die Bank kauft Firmen immer zum halben ursprünglichen Wert</translation>
    </message>
    <message>
        <source>Enter bids without commas or dollar sign.  Example:1630000</source>
        <translation>Gebote ohne Kommas und Dollarzeichen eingeben.  Beispiel:1630000</translation>
    </message>
    <message>
        <source>Sell a company</source>
        <translation>Eine Firma verkaufen</translation>
    </message>
    <message>
        <source>Company to be sold</source>
        <translation>Firma, die verkauft wird</translation>
    </message>
    <message>
        <source>Bids</source>
        <translation>Gebote</translation>
    </message>
    <message>
        <source>Bank&apos;s offer</source>
        <translation>Angebot der Bank</translation>
    </message>
    <message>
        <source>Bid</source>
        <translation>Gebot</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>S&amp;ubmit</source>
        <translation>Auf&amp;decken</translation>
    </message>
    <message>
        <source>End bid and reveal bids</source>
        <translation>Bieten beenden und die Gebote aufdecken</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Verkaufen</translation>
    </message>
    <message>
        <source>Sell company to selected player</source>
        <translation>Die Firma an den gewählten Spieler verkaufen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Refuse selling company</source>
        <translation>Die Firma nicht verkaufen</translation>
    </message>
    <message>
        <source>Bid of %1</source>
        <translation>Gebot von %1</translation>
    </message>
</context>
<context>
    <name>zx::WaitWindow</name>
    <message>
        <source>Waiting...</source>
        <translation>Warten...</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Pay the money and continue the game</source>
        <translation>Das Geld zahlen und weiterspielen</translation>
    </message>
    <message>
        <source>I Lose!</source>
        <translation>Ich gebe auf!</translation>
    </message>
    <message>
        <source>Lose and exit the game</source>
        <translation>Aufgeben und aus dem Spiel ausscheiden</translation>
    </message>
</context>
</TS>
