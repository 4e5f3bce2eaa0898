<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>Board</name>
    <message>
        <source>%1 Complex</source>
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
    <name>Cell</name>
    <message>
        <source>Company cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owned by %1, insured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owned by %1, not insured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No owner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Struck by a disaster: %1 is being destroyed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 whole, owned by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sells the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s piece is here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pieces of %1 are here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company market cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance cell</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Computer</name>
    <message>
        <source>Go back one place!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back two places!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click anywhere on the board you want to move to!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire at %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earthquake at %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flood at %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storm at %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You get $100,000 from each player!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You get $400,000 from the bank!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All players get $200,000 from the bank!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay only half of your tax next time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insure your companies for free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t play for one turn!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>The small windows you see around the game board are player windows.  You perform tasks using your own personal window.  Click the Roll Dice button to begin!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complexed companies give the owner much more income and power than companies scattered around the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer makes random decisions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The insurance office pays the value of insured companies which are destroyed as compensation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, you would have been paid the value of your destroyed company if it were insured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount of money to be withdrawn in million dollars and click Withdraw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To take money out of your bank account, enter a number in the white box at the right of your personal window and click Withdraw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refusing to insure those companies was a big mistake, unless you didn&apos;t have enough money to do so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 had recieved a free insurance bonus from the Computer before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent!  Insuring your companies is always a safe decision.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To quit the game voluntarily, click Quit Game in your personal window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose who you&apos;re lending to, enter the amount of loan in the white box, select loan interest and duration using the scrollbar (they have a direct relation) and click Loan, or click Cancel to refuse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All companies in this complex are already owned by other players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a company and click Buy, or click Cancel to refuse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 was added to the Companies list at the left of your personal window.  And a square in your special color appears around it on the game board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selling is similar to an auction.  %1 should choose a company to sell from the left.  Then other players should enter their secret bids in their boxes at the right and click Submit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now %1 should choose who she will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now %1 should choose who he will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A complex means 3 companies next to each other.  Complexed companies give the owner more income and power than companies scattered around the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a company in one&apos;s complex is sold or destroyed, that player no longer owns that complex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game ends when there&apos;s only 1 player left.</source>
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
    <name>Loan</name>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Moves</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Move %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rolled a %2 and walked to cell %3, %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved to cell %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no bid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bids for %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was saved automatically to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 misses this turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was loaded from %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1&apos;s piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
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
        <source>Welcome to Zentrix!  Go to Game-&gt;New to start a new game, Game-&gt;Load to load a saved game, or Help-&gt;Help to learn the rules and find out how to play.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Do you want to save before starting a new game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save this game before closing it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save before quitting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please don&apos;t use identical names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save game in waiting mode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be saved to %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save before loading another game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t load file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his complexed company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her complexed company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a positive number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t deposit more than $1,000,000 at a time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to deposit %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your bank account can&apos;t hold more than %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a positive integer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a smaller number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money in the bank!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t hold more than %1 in cash!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money to pay for the insurance of your companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have any companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t lend money in waiting mode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There can&apos;t be more than 5 loans scheduled at a time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For information on this company in the real world, press F1 for Help, then choose &quot;The Companies&quot; from the Contents list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For information on this cell, press F1 for Help, then choose &quot;Cells&quot; from the Contents list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a smaller amount!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, do you want to borrow %2 from %3 with %4 % interest for %5 moves?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 refused to borrow %3 from you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money to repay %2 loan to %3!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have enough money to buy this company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bids can&apos;t be bigger than 1.5 times the company value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than her money!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than his money!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bids can&apos;t be equal!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doesn&apos;t own %2 anymore!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to lose and exit the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must withdraw money from your bank account or sell your companies to provide the money!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>However, you can provide the money by selling your companies or borrowing money from somebody.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerType</name>
    <message>
        <source>Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer (easy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Game started!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own complexed company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own complexed company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his complexed company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her complexed company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody owns this company!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the players had any companies in the destroyed complex!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was destroyed, but %2 received %3 as compensation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was destroyed and %2 didn&apos;t receive any money as compensation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deposited %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused to deposit any money!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 withdrew %2 from the bank!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused to insure any companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 insured her companies for free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 insured his companies for free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paid %2 for insurance!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 loaned %2 to %3 with %4 % interest for %5 moves!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the loan from %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused to lend any money!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repaid her %2 loan to %3!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repaid his %2 loan to %3!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and doesn&apos;t need repaying anymore!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was repaid with interest by the bank!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and won&apos;t be repaid by the bank!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no companies to buy here!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 spent %2 and bought %3!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused to buy any companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sold %2 to %3 at %4!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused to sell any companies!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 now owns %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So she no longer owns %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So he no longer owns %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 now owns 5 companies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s estate is now more than $8,000,000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So she won and exited the game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So he won and exited the game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lost and exited the game!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>not seated in this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not your seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not your turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such window open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not possible now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sale</name>
    <message>
        <source>Bank</source>
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
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Waiting</name>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering his company...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering his complexed company...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her company...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her complexed company...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to repay %2 loan to %3...</source>
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
