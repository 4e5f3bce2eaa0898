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
    <name>Board</name>
    <message>
        <source>%1 Complex</source>
        <translation>%1-Komplex</translation>
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
    <name>Cell</name>
    <message>
        <source>Company cell</source>
        <translation>Firmenfeld</translation>
    </message>
    <message>
        <source>Company market</source>
        <translation>Firmenmarkt</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Owned by %1, insured.</source>
        <translation>Gehört %1, versichert.</translation>
    </message>
    <message>
        <source>Owned by %1, not insured.</source>
        <translation>Gehört %1, nicht versichert.</translation>
    </message>
    <message>
        <source>No owner.</source>
        <translation>Kein Besitzer.</translation>
    </message>
    <message>
        <source>Struck by a disaster: %1 is being destroyed.</source>
        <translation>Von einer Katastrophe getroffen: Der %1 wird zerstört.</translation>
    </message>
    <message>
        <source>%1 whole, owned by %2.</source>
        <translation>Der ganze %1 gehört %2.</translation>
    </message>
    <message>
        <source>%1 not whole.</source>
        <translation>Der %1 ist nicht in einer Hand.</translation>
    </message>
    <message>
        <source>Sells the %1.</source>
        <translation>Verkauft die Firmen im %1.</translation>
    </message>
    <message>
        <source>%1&apos;s piece is here.</source>
        <translation>Hier steht die Figur von %1.</translation>
    </message>
    <message>
        <source>Pieces of %1 are here.</source>
        <translation>Hier stehen die Figuren von %1.</translation>
    </message>
    <message>
        <source>Cell %1 of %2.</source>
        <translation>Feld %1 von %2.</translation>
    </message>
    <message>
        <source>Company market cell</source>
        <translation>Firmenmarkt-Feld</translation>
    </message>
    <message>
        <source>Computer cell</source>
        <translation>Computerfeld</translation>
    </message>
    <message>
        <source>Tax cell</source>
        <translation>Steuerfeld</translation>
    </message>
    <message>
        <source>Bank cell</source>
        <translation>Bankfeld</translation>
    </message>
    <message>
        <source>Insurance cell</source>
        <translation>Versicherungsfeld</translation>
    </message>
</context>
<context>
    <name>Complex</name>
    <message>
        <source>Computers</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frankreich</translation>
    </message>
</context>
<context>
    <name>Computer</name>
    <message>
        <source>Go back one place!</source>
        <translation>Ein Feld zurück!</translation>
    </message>
    <message>
        <source>Go back two places!</source>
        <translation>Zwei Felder zurück!</translation>
    </message>
    <message>
        <source>Click anywhere on the board you want to move to!</source>
        <translation>Klicke auf ein beliebiges Feld, auf das du ziehen willst!</translation>
    </message>
    <message>
        <source>Fire at %1!</source>
        <translation>Feuer im %1!</translation>
    </message>
    <message>
        <source>Earthquake at %1!</source>
        <translation>Erdbeben im %1!</translation>
    </message>
    <message>
        <source>Flood at %1!</source>
        <translation>Flut im %1!</translation>
    </message>
    <message>
        <source>Storm at %1!</source>
        <translation>Sturm im %1!</translation>
    </message>
    <message>
        <source>You get $100,000 from each player!</source>
        <translation>Du bekommst $100,000 von jedem Spieler!</translation>
    </message>
    <message>
        <source>You get $400,000 from the bank!</source>
        <translation>Du bekommst $400,000 von der Bank!</translation>
    </message>
    <message>
        <source>All players get $200,000 from the bank!</source>
        <translation>Alle Spieler bekommen $200,000 von der Bank!</translation>
    </message>
    <message>
        <source>Pay only half of your tax next time!</source>
        <translation>Zahle beim nächsten Mal nur die halbe Steuer!</translation>
    </message>
    <message>
        <source>Insure your companies for free!</source>
        <translation>Versichere deine Firmen gratis!</translation>
    </message>
    <message>
        <source>Don&apos;t play for one turn!</source>
        <translation>Einmal aussetzen!</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>The small windows you see around the game board are player windows.  You perform tasks using your own personal window.  Click the Roll Dice button to begin!</source>
        <translation>Die kleinen Fenster rund ums Spielbrett sind die Fenster der Spieler.  Du spielst mit deinem persönlichen Fenster.  Klicke auf Würfeln, um zu beginnen!</translation>
    </message>
    <message>
        <source>Complexed companies give the owner much more income and power than companies scattered around the board.</source>
        <translation>Firmen in einem Komplex bringen ihrem Besitzer viel mehr Einnahmen und Macht als Firmen, die über das Brett verstreut sind.</translation>
    </message>
    <message>
        <source>The Computer makes random decisions.</source>
        <translation>Der Computer entscheidet zufällig.</translation>
    </message>
    <message>
        <source>The insurance office pays the value of insured companies which are destroyed as compensation.</source>
        <translation>Die Versicherung zahlt für versicherte Firmen, die zerstört werden, ihren Wert als Entschädigung.</translation>
    </message>
    <message>
        <source>%1, you would have been paid the value of your destroyed company if it were insured.</source>
        <translation>%1, wäre deine zerstörte Firma versichert gewesen, hättest du ihren Wert als Entschädigung bekommen.</translation>
    </message>
    <message>
        <source>Enter the amount of money to be withdrawn in million dollars and click Withdraw.</source>
        <translation>Gib den Betrag, den du abheben willst, in Millionen Dollar ein und klicke auf Abheben.</translation>
    </message>
    <message>
        <source>To take money out of your bank account, enter a number in the white box at the right of your personal window and click Withdraw.</source>
        <translation>Um Geld von deinem Bankkonto abzuheben, gib rechts in deinem persönlichen Fenster eine Zahl in das weiße Feld ein und klicke auf Abheben.</translation>
    </message>
    <message>
        <source>Refusing to insure those companies was a big mistake, unless you didn&apos;t have enough money to do so.</source>
        <translation>Diese Firmen nicht zu versichern war ein großer Fehler, außer du hattest nicht genug Geld dafür.</translation>
    </message>
    <message>
        <source>%1 had recieved a free insurance bonus from the Computer before.</source>
        <translation>%1 hatte vom Computer schon vorher eine Gratis-Versicherung bekommen.</translation>
    </message>
    <message>
        <source>Excellent!  Insuring your companies is always a safe decision.</source>
        <translation>Ausgezeichnet!  Deine Firmen zu versichern ist immer eine sichere Entscheidung.</translation>
    </message>
    <message>
        <source>To quit the game voluntarily, click Quit Game in your personal window.</source>
        <translation>Um das Spiel freiwillig zu verlassen, klicke in deinem persönlichen Fenster auf Aufgeben.</translation>
    </message>
    <message>
        <source>Choose who you&apos;re lending to, enter the amount of loan in the white box, select loan interest and duration using the scrollbar (they have a direct relation) and click Loan, or click Cancel to refuse.</source>
        <translation>Wähle, wem du Geld leihst, gib den Kreditbetrag in das weiße Feld ein, stelle Zinsen und Laufzeit mit der Bildlaufleiste ein (sie hängen direkt zusammen) und klicke auf Leihen, oder klicke auf Abbrechen, um abzulehnen.</translation>
    </message>
    <message>
        <source>All companies in this complex are already owned by other players.</source>
        <translation>Alle Firmen dieses Komplexes gehören schon anderen Spielern.</translation>
    </message>
    <message>
        <source>Select a company and click Buy, or click Cancel to refuse.</source>
        <translation>Wähle eine Firma und klicke auf Kaufen, oder klicke auf Abbrechen, um abzulehnen.</translation>
    </message>
    <message>
        <source>%1, %2 was added to the Companies list at the left of your personal window.  And a square in your special color appears around it on the game board.</source>
        <translation>%1, %2 steht jetzt links in deinem persönlichen Fenster in der Liste deiner Firmen.  Und auf dem Spielbrett erscheint ein Quadrat in deiner Farbe um die Firma.</translation>
    </message>
    <message>
        <source>Selling is similar to an auction.  %1 should choose a company to sell from the left.  Then other players should enter their secret bids in their boxes at the right and click Submit.</source>
        <translation>Ein Verkauf ist wie eine Versteigerung.  %1 wählt links die Firma, die verkauft werden soll.  Dann geben die anderen Spieler rechts in ihre Felder ihre geheimen Gebote ein und klicken auf Aufdecken.</translation>
    </message>
    <message>
        <source>Now %1 should choose who she will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation>Jetzt wählt %1, an wen sie %2 verkauft, und klickt auf Verkaufen, oder auf Abbrechen, um die Firma zu behalten.</translation>
    </message>
    <message>
        <source>Now %1 should choose who he will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation>Jetzt wählt %1, an wen er %2 verkauft, und klickt auf Verkaufen, oder auf Abbrechen, um die Firma zu behalten.</translation>
    </message>
    <message>
        <source>A complex means 3 companies next to each other.  Complexed companies give the owner more income and power than companies scattered around the board.</source>
        <translation>Ein Komplex sind 3 benachbarte Firmen.  Firmen in einem Komplex bringen ihrem Besitzer mehr Einnahmen und Macht als Firmen, die über das Brett verstreut sind.</translation>
    </message>
    <message>
        <source>When a company in one&apos;s complex is sold or destroyed, that player no longer owns that complex.</source>
        <translation>Wird eine Firma aus einem Komplex verkauft oder zerstört, besitzt ihr bisheriger Besitzer den Komplex nicht mehr.</translation>
    </message>
    <message>
        <source>The game ends when there&apos;s only 1 player left.</source>
        <translation>Das Spiel endet, wenn nur noch 1 Spieler übrig ist.</translation>
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
    <name>Loan</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 Moves</source>
        <translation>%1 Züge</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Move %1: %2</source>
        <translation>Zug %1: %2</translation>
    </message>
    <message>
        <source>%1 rolled a %2 and walked to cell %3, %4.</source>
        <translation>%1 hat eine %2 gewürfelt und ist auf Feld %3 gezogen (%4).</translation>
    </message>
    <message>
        <source>%1 moved to cell %2, %3.</source>
        <translation>%1 ist auf Feld %2 gezogen (%3).</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>no bid</source>
        <translation>kein Gebot</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Bids for %1: %2.</source>
        <translation>Gebote für %1: %2.</translation>
    </message>
    <message>
        <source>The game was saved to %1.</source>
        <translation>Das Spiel wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The game was saved automatically to %1.</source>
        <translation>Das Spiel wurde automatisch in %1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 misses this turn.</source>
        <translation>%1 setzt diesmal aus.</translation>
    </message>
    <message>
        <source>The game was loaded from %1.</source>
        <translation>Das Spiel wurde aus %1 geladen.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1&apos;s piece</source>
        <translation>Figur von %1</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
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
        <source>Welcome to Zentrix!  Go to Game-&gt;New to start a new game, Game-&gt;Load to load a saved game, or Help-&gt;Help to learn the rules and find out how to play.</source>
        <translation>Willkommen bei Zentrix!  Wähle Spiel-&gt;Neu für ein neues Spiel, Spiel-&gt;Laden für ein gespeichertes Spiel oder Hilfe-&gt;Hilfe, um die Regeln zu lernen und zu erfahren, wie man spielt.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Do you want to save before starting a new game?</source>
        <translation>Willst du vor dem neuen Spiel speichern?</translation>
    </message>
    <message>
        <source>Do you want to save this game before closing it?</source>
        <translation>Willst du dieses Spiel vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Do you want to save before quitting?</source>
        <translation>Willst du vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte gib einen Namen ein.</translation>
    </message>
    <message>
        <source>Please don&apos;t use identical names.</source>
        <translation>Bitte gib keine gleichen Namen ein.</translation>
    </message>
    <message>
        <source>Can&apos;t save game in waiting mode!</source>
        <translation>Während des Wartens kannst du nicht speichern!</translation>
    </message>
    <message>
        <source>The game could not be saved to %1!</source>
        <translation>Das Spiel konnte nicht in %1 gespeichert werden!</translation>
    </message>
    <message>
        <source>The game was saved.</source>
        <translation>Das Spiel wurde gespeichert.</translation>
    </message>
    <message>
        <source>Do you want to save before loading another game?</source>
        <translation>Willst du speichern, bevor du ein anderes Spiel lädst?</translation>
    </message>
    <message>
        <source>Couldn&apos;t load file!</source>
        <translation>Die Datei ließ sich nicht laden!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his company!</source>
        <translation>%1!  Du bist auf der Firma von %3 gelandet und hast nicht genug Geld, um ihm %2 zu zahlen!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his complexed company!</source>
        <translation>%1!  Du bist auf einer Firma im Komplex von %3 gelandet und hast nicht genug Geld, um ihm %2 zu zahlen!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her company!</source>
        <translation>%1!  Du bist auf der Firma von %3 gelandet und hast nicht genug Geld, um ihr %2 zu zahlen!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her complexed company!</source>
        <translation>%1!  Du bist auf einer Firma im Komplex von %3 gelandet und hast nicht genug Geld, um ihr %2 zu zahlen!</translation>
    </message>
    <message>
        <source>Please enter a positive number!</source>
        <translation>Bitte gib eine positive Zahl ein!</translation>
    </message>
    <message>
        <source>You can&apos;t deposit more than $1,000,000 at a time!</source>
        <translation>Du kannst nicht mehr als $1,000,000 auf einmal einzahlen!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to deposit %1!</source>
        <translation>Du hast nicht genug Geld, um %1 einzuzahlen!</translation>
    </message>
    <message>
        <source>Your bank account can&apos;t hold more than %1!</source>
        <translation>Auf dein Bankkonto passen nicht mehr als %1!</translation>
    </message>
    <message>
        <source>Please enter a positive integer!</source>
        <translation>Bitte gib eine positive ganze Zahl ein!</translation>
    </message>
    <message>
        <source>Please enter a smaller number!</source>
        <translation>Bitte gib eine kleinere Zahl ein!</translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money in the bank!</source>
        <translation>Du hast keine %1 auf der Bank!</translation>
    </message>
    <message>
        <source>You can&apos;t hold more than %1 in cash!</source>
        <translation>Du kannst nicht mehr als %1 Bargeld haben!</translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money to pay for the insurance of your companies!</source>
        <translation>Du hast keine %1 für die Versicherung deiner Firmen!</translation>
    </message>
    <message>
        <source>You don&apos;t have any companies!</source>
        <translation>Du hast keine Firmen!</translation>
    </message>
    <message>
        <source>You can&apos;t lend money in waiting mode!</source>
        <translation>Während des Wartens kannst du kein Geld leihen!</translation>
    </message>
    <message>
        <source>There can&apos;t be more than 5 loans scheduled at a time!</source>
        <translation>Es können nicht mehr als 5 Kredite gleichzeitig laufen!</translation>
    </message>
    <message>
        <source>For information on this company in the real world, press F1 for Help, then choose &quot;The Companies&quot; from the Contents list.</source>
        <translation>Mehr über diese Firma in der wirklichen Welt: Drücke F1 für die Hilfe und wähle im Inhalt „Die Firmen“.</translation>
    </message>
    <message>
        <source>For information on this cell, press F1 for Help, then choose &quot;Cells&quot; from the Contents list.</source>
        <translation>Mehr über dieses Feld: Drücke F1 für die Hilfe und wähle im Inhalt „Felder“.</translation>
    </message>
    <message>
        <source>Please enter a smaller amount!</source>
        <translation>Bitte gib einen kleineren Betrag ein!</translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money!</source>
        <translation>%1, du hast nicht genug Geld!</translation>
    </message>
    <message>
        <source>%1, do you want to borrow %2 from %3 with %4 % interest for %5 moves?</source>
        <translation>%1, willst du dir %2 von %3 zu %4 % Zinsen für %5 Züge leihen?</translation>
    </message>
    <message>
        <source>%1, %2 refused to borrow %3 from you!</source>
        <translation>%1, %2 will sich keine %3 von dir leihen!</translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money to repay %2 loan to %3!</source>
        <translation>%1, du hast nicht genug Geld, um %3 den Kredit über %2 zurückzuzahlen!</translation>
    </message>
    <message>
        <source>You do not have enough money to buy this company!</source>
        <translation>Du hast nicht genug Geld, um diese Firma zu kaufen!</translation>
    </message>
    <message>
        <source>Bids can&apos;t be bigger than 1.5 times the company value!</source>
        <translation>Gebote dürfen nicht höher sein als das 1,5-Fache des Firmenwerts!</translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than her money!</source>
        <translation>Das Gebot von %1 darf nicht größer sein als ihr Geld!</translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than his money!</source>
        <translation>Das Gebot von %1 darf nicht größer sein als sein Geld!</translation>
    </message>
    <message>
        <source>Bids can&apos;t be equal!</source>
        <translation>Gebote dürfen nicht gleich sein!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t own %2 anymore!</source>
        <translation>%2 gehört %1 nicht mehr!</translation>
    </message>
    <message>
        <source>Are you sure you want to lose and exit the game?</source>
        <translation>Willst du wirklich aufgeben und das Spiel verlassen?</translation>
    </message>
    <message>
        <source>You must withdraw money from your bank account or sell your companies to provide the money!</source>
        <translation>Heb Geld von deinem Bankkonto ab oder verkaufe Firmen, um das Geld aufzubringen!</translation>
    </message>
    <message>
        <source>However, you can provide the money by selling your companies or borrowing money from somebody.</source>
        <translation>Du kannst das Geld aber aufbringen, indem du Firmen verkaufst oder dir Geld leihen lässt.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
</context>
<context>
    <name>PlayerType</name>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer (easy)</source>
        <translation>Computer (leicht)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Computer (normal)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Computer (schwer)</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Game started!</source>
        <translation>Das Spiel hat begonnen!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own company!</source>
        <translation>%1 ist auf seiner eigenen Firma gelandet und hat %2 Einnahmen bekommen!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own complexed company!</source>
        <translation>%1 ist auf einer Firma in seinem eigenen Komplex gelandet und hat %2 Einnahmen bekommen!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own company!</source>
        <translation>%1 ist auf ihrer eigenen Firma gelandet und hat %2 Einnahmen bekommen!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own complexed company!</source>
        <translation>%1 ist auf einer Firma in ihrem eigenen Komplex gelandet und hat %2 Einnahmen bekommen!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his company!</source>
        <translation>%1 ist auf der Firma von %3 gelandet und hat ihm %2 gezahlt!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his complexed company!</source>
        <translation>%1 ist auf einer Firma im Komplex von %3 gelandet und hat ihm %2 gezahlt!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her company!</source>
        <translation>%1 ist auf der Firma von %3 gelandet und hat ihr %2 gezahlt!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her complexed company!</source>
        <translation>%1 ist auf einer Firma im Komplex von %3 gelandet und hat ihr %2 gezahlt!</translation>
    </message>
    <message>
        <source>Nobody owns this company!</source>
        <translation>Diese Firma gehört niemandem!</translation>
    </message>
    <message>
        <source>None of the players had any companies in the destroyed complex!</source>
        <translation>Keiner der Spieler hatte Firmen im zerstörten Komplex!</translation>
    </message>
    <message>
        <source>%1 was destroyed, but %2 received %3 as compensation!</source>
        <translation>%1 wurde zerstört, aber %2 bekommt %3 Entschädigung!</translation>
    </message>
    <message>
        <source>%1 was destroyed and %2 didn&apos;t receive any money as compensation!</source>
        <translation>%1 wurde zerstört, und %2 bekommt keine Entschädigung!</translation>
    </message>
    <message>
        <source>%1 deposited %2!</source>
        <translation>%1 hat %2 eingezahlt!</translation>
    </message>
    <message>
        <source>%1 refused to deposit any money!</source>
        <translation>%1 hat kein Geld eingezahlt!</translation>
    </message>
    <message>
        <source>%1 withdrew %2 from the bank!</source>
        <translation>%1 hat %2 von der Bank abgehoben!</translation>
    </message>
    <message>
        <source>%1 refused to insure any companies!</source>
        <translation>%1 hat keine Firmen versichert!</translation>
    </message>
    <message>
        <source>%1 insured her companies for free!</source>
        <translation>%1 hat ihre Firmen gratis versichert!</translation>
    </message>
    <message>
        <source>%1 insured his companies for free!</source>
        <translation>%1 hat seine Firmen gratis versichert!</translation>
    </message>
    <message>
        <source>%1 paid %2 for insurance!</source>
        <translation>%1 hat %2 für die Versicherung gezahlt!</translation>
    </message>
    <message>
        <source>%1 loaned %2 to %3 with %4 % interest for %5 moves!</source>
        <translation>%1 hat %3 %2 zu %4 % Zinsen für %5 Züge geliehen!</translation>
    </message>
    <message>
        <source>%1 refused the loan from %2!</source>
        <translation>%1 hat den Kredit von %2 abgelehnt!</translation>
    </message>
    <message>
        <source>%1 refused to lend any money!</source>
        <translation>%1 hat niemandem Geld geliehen!</translation>
    </message>
    <message>
        <source>%1 repaid her %2 loan to %3!</source>
        <translation>%1 hat %3 ihren Kredit über %2 zurückgezahlt!</translation>
    </message>
    <message>
        <source>%1 repaid his %2 loan to %3!</source>
        <translation>%1 hat %3 seinen Kredit über %2 zurückgezahlt!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and doesn&apos;t need repaying anymore!</source>
        <translation>Der Kredit über %2 von %1 an %3 entfällt und muss nicht mehr zurückgezahlt werden!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was repaid with interest by the bank!</source>
        <translation>Die Bank hat den Kredit über %2 von %1 an %3 mit Zinsen zurückgezahlt!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and won&apos;t be repaid by the bank!</source>
        <translation>Der Kredit über %2 von %1 an %3 entfällt, und die Bank zahlt ihn nicht zurück!</translation>
    </message>
    <message>
        <source>There are no companies to buy here!</source>
        <translation>Hier gibt es keine Firmen zu kaufen!</translation>
    </message>
    <message>
        <source>%1 spent %2 and bought %3!</source>
        <translation>%1 hat %3 für %2 gekauft!</translation>
    </message>
    <message>
        <source>%1 refused to buy any companies!</source>
        <translation>%1 hat keine Firma gekauft!</translation>
    </message>
    <message>
        <source>%1 sold %2 to %3 at %4!</source>
        <translation>%1 hat %2 für %4 an %3 verkauft!</translation>
    </message>
    <message>
        <source>%1 refused to sell any companies!</source>
        <translation>%1 hat keine Firma verkauft!</translation>
    </message>
    <message>
        <source>%1 now owns %2!</source>
        <translation>%1 besitzt jetzt den %2!</translation>
    </message>
    <message>
        <source>So she no longer owns %1!</source>
        <translation>Damit besitzt sie den %1 nicht mehr!</translation>
    </message>
    <message>
        <source>So he no longer owns %1!</source>
        <translation>Damit besitzt er den %1 nicht mehr!</translation>
    </message>
    <message>
        <source>%1 now owns 5 companies.</source>
        <translation>%1 besitzt jetzt 5 Firmen.</translation>
    </message>
    <message>
        <source>%1&apos;s estate is now more than $8,000,000.</source>
        <translation>Das Vermögen von %1 liegt jetzt über $8,000,000.</translation>
    </message>
    <message>
        <source>So she won and exited the game!</source>
        <translation>Damit hat sie gewonnen und das Spiel verlassen!</translation>
    </message>
    <message>
        <source>So he won and exited the game!</source>
        <translation>Damit hat er gewonnen und das Spiel verlassen!</translation>
    </message>
    <message>
        <source>%1 lost and exited the game!</source>
        <translation>%1 hat verloren und das Spiel verlassen!</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>not seated in this game</source>
        <translation>spielt in diesem Spiel nicht mit</translation>
    </message>
    <message>
        <source>not your seat</source>
        <translation>nicht dein Platz</translation>
    </message>
    <message>
        <source>not your turn</source>
        <translation>du bist nicht am Zug</translation>
    </message>
    <message>
        <source>no such window open</source>
        <translation>dieses Fenster ist nicht offen</translation>
    </message>
    <message>
        <source>not possible now</source>
        <translation>jetzt nicht möglich</translation>
    </message>
</context>
<context>
    <name>Sale</name>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
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
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
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
        <translation>Warte, bis %1 %3 die %2 für seine Firma zahlt...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering his complexed company...</source>
        <translation>Warte, bis %1 %3 die %2 für die Firma in seinem Komplex zahlt...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her company...</source>
        <translation>Warte, bis %1 %3 die %2 für ihre Firma zahlt...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her complexed company...</source>
        <translation>Warte, bis %1 %3 die %2 für die Firma in ihrem Komplex zahlt...</translation>
    </message>
    <message>
        <source>Waiting for %1 to repay %2 loan to %3...</source>
        <translation>Warte, bis %1 %3 den Kredit über %2 zurückzahlt...</translation>
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
    <message>
        <source>Joins the network game at this link.</source>
        <translation>Tritt dem Netzwerkspiel unter diesem Link bei.</translation>
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
    <name>zx::Controller</name>
    <message>
        <source>Connection to %1 lost: trying again in %2 s</source>
        <translation>Verbindung zu %1 verloren: neuer Versuch in %2 s</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbinde mit %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>%1: not here yet</source>
        <translation>%1: noch nicht da</translation>
    </message>
    <message>
        <source>%1: reconnecting, %2 s</source>
        <translation>%1: verbindet neu, %2 s</translation>
    </message>
    <message>
        <source>%1: played by the computer until he returns</source>
        <translation>%1: spielt der Computer, bis er zurück ist</translation>
    </message>
    <message>
        <source>%1: played by the computer until she returns</source>
        <translation>%1: spielt der Computer, bis sie zurück ist</translation>
    </message>
    <message>
        <source>A network game you played in may not be finished. Resume network game?</source>
        <translation>Ein Netzwerkspiel, an dem du teilgenommen hast, ist vielleicht noch nicht zu Ende. Netzwerkspiel fortsetzen?</translation>
    </message>
    <message>
        <source>This game was played over a network. Host it again for the same players?</source>
        <translation>Dieses Spiel wurde über ein Netzwerk gespielt. Soll es für dieselben Spieler wieder geleitet werden?</translation>
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
    <name>zx::HostWindow</name>
    <message>
        <source>Host a network game</source>
        <translation>Ein Netzwerkspiel leiten</translation>
    </message>
    <message>
        <source>&amp;Invite link:</source>
        <translation>&amp;Einladungslink:</translation>
    </message>
    <message>
        <source>The link appears once the table is open</source>
        <translation>Der Link erscheint, sobald der Tisch offen ist</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the link, to send it to the other players</source>
        <translation>Den Link kopieren, um ihn den anderen Spielern zu schicken</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>The address of this computer that the other players can reach</source>
        <translation>Die Adresse dieses Computers, die die anderen Spieler erreichen können</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>beliebiger freier Port</translation>
    </message>
    <message>
        <source>The TCP port to listen on; open it in a firewall between you and the others</source>
        <translation>Der TCP-Port, auf dem gelauscht wird; öffne ihn in einer Firewall zwischen dir und den anderen</translation>
    </message>
    <message>
        <source>&amp;Seats:</source>
        <translation>Pl&amp;ätze:</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Put this window away; the table stays open</source>
        <translation>Dieses Fenster wegräumen; der Tisch bleibt offen</translation>
    </message>
    <message>
        <source>Seat %1: %2, a computer player</source>
        <translation>Platz %1: %2, ein Computerspieler</translation>
    </message>
    <message>
        <source>Seat %1: open</source>
        <translation>Platz %1: frei</translation>
    </message>
    <message>
        <source>Seat %1: %2, joined</source>
        <translation>Platz %1: %2, beigetreten</translation>
    </message>
    <message>
        <source>Seat %1: %2, away</source>
        <translation>Platz %1: %2, abwesend</translation>
    </message>
    <message>
        <source>The network game could not be hosted: %1</source>
        <translation>Das Netzwerkspiel konnte nicht geleitet werden: %1</translation>
    </message>
</context>
<context>
    <name>zx::JoinWindow</name>
    <message>
        <source>Network game</source>
        <translation>Netzwerkspiel</translation>
    </message>
    <message>
        <source>Join a network game</source>
        <translation>Einem Netzwerkspiel beitreten</translation>
    </message>
    <message>
        <source>&amp;Server or invite link:</source>
        <translation>&amp;Server oder Einladungslink:</translation>
    </message>
    <message>
        <source>Show &amp;Tables</source>
        <translation>&amp;Tische anzeigen</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>Open tables and their free seats:</source>
        <translation>Offene Tische und ihre freien Plätze:</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Offene Tische</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1: %2 (free seats: %3)</source>
        <translation>%1: %2 (freie Plätze: %3)</translation>
    </message>
    <message>
        <source>Choose a table from the list, or give an invite link with the table&apos;s code.</source>
        <translation>Wähle einen Tisch aus der Liste, oder gib einen Einladungslink mit dem Code des Tisches an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a Zentrix server or table. An invite link looks like zentrix://HOST:PORT/CODE.</source>
        <translation>„%1“ ist keine Adresse eines Zentrix-Servers oder -Tisches. Ein Einladungslink sieht so aus: zentrix://HOST:PORT/CODE.</translation>
    </message>
    <message>
        <source>No Zentrix server answers at %1. Check the address, and that the server is running.</source>
        <translation>Unter %1 antwortet kein Zentrix-Server. Prüfe die Adresse, und ob der Server läuft.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>Die Verbindung zu %1 ist abgebrochen.</translation>
    </message>
    <message>
        <source>There is no table %1 at %2.</source>
        <translation>Bei %2 gibt es keinen Tisch %1.</translation>
    </message>
    <message>
        <source>The table %1 has no free seat left.</source>
        <translation>Am Tisch %1 ist kein Platz mehr frei.</translation>
    </message>
    <message>
        <source>Somebody at this table has that name already. Please choose another name.</source>
        <translation>Jemand an diesem Tisch hat diesen Namen schon. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>The server no longer knows this seat.</source>
        <translation>Der Server kennt diesen Platz nicht mehr.</translation>
    </message>
    <message>
        <source>This server plays another version of Zentrix: %1</source>
        <translation>Dieser Server spielt eine andere Version von Zentrix: %1</translation>
    </message>
    <message>
        <source>The server says: %1</source>
        <translation>Der Server meldet: %1</translation>
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
    <message>
        <source>&amp;Say:</source>
        <translation>Sa&amp;gen:</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>Sen&amp;den</translation>
    </message>
    <message>
        <source>Say this to the other players</source>
        <translation>Das den anderen Spielern sagen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
    <message>
        <source>&amp;Join Network Game...</source>
        <translation>&amp;Netzwerkspiel beitreten...</translation>
    </message>
    <message>
        <source>&amp;Resume Network Game</source>
        <translation>Netzwerkspiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation>Netzwerkspiel l&amp;eiten...</translation>
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
    <message>
        <source>Network player</source>
        <translation>Netzwerkspieler</translation>
    </message>
    <message>
        <source>Choose Human for a person at this screen, Network player for a person joining over the network, or a computer player and its strength</source>
        <translation>Wähle einen Menschen an diesem Bildschirm, einen Netzwerkspieler für jemanden, der über das Netzwerk beitritt, oder einen Computerspieler und seine Stärke</translation>
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
