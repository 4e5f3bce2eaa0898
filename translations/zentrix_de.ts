<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bank</name>
    <message>
        <source>%1 can&apos;t deposit any money in her bank account!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can&apos;t deposit any money in his bank account!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in deposit mode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount of money to deposit (in million dollars) in the white box at the right of your personal window and click Deposit, or press Esc to refuse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every time you land on a Bank cell, you get 10% of your bank balance as interest.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recieved %2 interest and is in deposit mode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to pay tax on!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paid %2 tax for her companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paid %2 tax for his companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every time you land on a Tax cell, you must pay the tax of all your companies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have enough money to pay the tax of your companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of her companies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of his companies...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Show information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrow keys move along the path, Home goes to the current player&apos;s piece, Enter tells about the cell and Space moves there when the Computer lets you.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Insurance</name>
    <message>
        <source>%1 is in Insurance mode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the companies you want to insure by clicking the check-boxes in front of them in your personal window and click OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to insure!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any un-insured companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, all of your companies are insured already.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Bad names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Want to save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must pay now!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A board game about buying and running companies, for two to four players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saved game (.znx) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one saved game can be opened at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::AboutWindow</name>
    <message>
        <source>IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen are registered trademarks of their respective owners.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrix icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::BuyWindow</name>
    <message>
        <source>Buy a company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy selected company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refuse to buy any companies</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::FileDialogs</name>
    <message>
        <source>Zentrix Save File (*.znx)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::FormWindow</name>
    <message>
        <source>Press F1 for online help!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help on this window!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::GraphWindow</name>
    <message>
        <source>Game trend graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estates of the players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This graph shows the general direction and history of the game.  It is a superb tool to compare your wealth with your opponents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estate (Million $)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::HelpWindow</name>
    <message>
        <source>Zentrix Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back to the page seen before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go forward to the next page seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::LoanWindow</name>
    <message>
        <source>Player the loan will be given to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra money you get when loan is payed back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of moves you&apos;ll wait until the loan is payed back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lend money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter amount of loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of loan in millions of dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise or lower the amount of loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Million $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest and duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grant the loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refuse to loan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::LogWindow</name>
    <message>
        <source>Game log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Events of this game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the whole log as plain text (Ctrl+C copies the chosen lines)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the log away; the game keeps writing it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::MainWindow</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrix will speak this language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrix 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer &amp;Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Zentrix...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of time elapsed since game started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of dice rolls or moves since game started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reaction time count-down will be shown here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reaction time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trend Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare players&apos; estates in a graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ga&amp;me Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every event of this game, in order (Ctrl+G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game prompts are shown here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer prompts are shown here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game hints are shown here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest events of the game; the Game Log shows them all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dice picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll &amp;Dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player who is playing now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player who will play next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F1 for online help!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::NewGameWindow</name>
    <message>
        <source>Start a new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name &amp;&amp; gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose F for female or M for Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Human for a person at this screen, or a computer player and its strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the next piece set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;puter companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;r manufacturers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Companies like Microsoft, Intel, HP, etc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Companies like Ford, Nissan, BMW, etc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto-save every 5 min&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to save the game automatically every 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable sounds during the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Limit reaction time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to set limits on the amount of time you&apos;ve got to react to game prompts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play &amp;background music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to listen to soft music during the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel new game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::PlayerWindow</name>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estate = your cash + your bank balance + the value of all your companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lend money to somebody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the game voluntarily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of companies you own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Companies you own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sell your companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to insure the company to the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insure company %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insure selected companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a number smaller than 1 or leave empty to refuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount in million dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step the amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mil. $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put money in your bank account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take money out of your bank account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insure %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::ResultsWindow</name>
    <message>
        <source>Game over!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish game!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::SellWindow</name>
    <message>
        <source>The bank will always buy companies at half of their original value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter bids without commas or dollar sign.  Example:1630000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sell a company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company to be sold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank&apos;s offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ubmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End bid and reveal bids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sell company to selected player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refuse selling company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bid of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zx::WaitWindow</name>
    <message>
        <source>Waiting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay the money and continue the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Lose!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose and exit the game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
