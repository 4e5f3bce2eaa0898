<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Bank</name>
    <message>
        <source>%1 can&apos;t deposit any money in her bank account!</source>
        <translation>¡%1 no puede ingresar dinero en su cuenta bancaria!</translation>
    </message>
    <message>
        <source>%1 can&apos;t deposit any money in his bank account!</source>
        <translation>¡%1 no puede ingresar dinero en su cuenta bancaria!</translation>
    </message>
    <message>
        <source>%1 is in deposit mode!</source>
        <translation>¡%1 puede ingresar dinero!</translation>
    </message>
    <message>
        <source>Enter the amount of money to deposit (in million dollars) in the white box at the right of your personal window and click Deposit, or press Esc to refuse.</source>
        <translation>Escribe la cantidad que quieres ingresar (en millones de dólares) en la casilla blanca a la derecha de tu ventana personal y pulsa Ingresar, o pulsa Esc para renunciar.</translation>
    </message>
    <message>
        <source>Every time you land on a Bank cell, you get 10% of your bank balance as interest.  </source>
        <translation>Cada vez que caes en una casilla de Banco, recibes un 10% de tu saldo bancario como intereses.  </translation>
    </message>
    <message>
        <source>%1 recieved %2 interest and is in deposit mode!</source>
        <translation>¡%1 ha recibido %2 de intereses y puede ingresar dinero!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to pay tax on!</source>
        <translation>¡%1 no tiene empresas por las que pagar impuestos!</translation>
    </message>
    <message>
        <source>%1 paid %2 tax for her companies!</source>
        <translation>¡%1 ha pagado %2 de impuestos por sus empresas!</translation>
    </message>
    <message>
        <source>%1 paid %2 tax for his companies!</source>
        <translation>¡%1 ha pagado %2 de impuestos por sus empresas!</translation>
    </message>
    <message>
        <source>Every time you land on a Tax cell, you must pay the tax of all your companies.</source>
        <translation>Cada vez que caes en una casilla de Impuestos, tienes que pagar los impuestos de todas tus empresas.</translation>
    </message>
    <message>
        <source>You do not have enough money to pay the tax of your companies!</source>
        <translation>¡No tienes bastante dinero para pagar los impuestos de tus empresas!</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of her companies...</source>
        <translation>Esperando a que %1 pague %2 de impuestos por sus empresas...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 for the tax of his companies...</source>
        <translation>Esperando a que %1 pague %2 de impuestos por sus empresas...</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>%1 Complex</source>
        <translation>Complejo %1</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Show information</source>
        <translation>Mostrar información</translation>
    </message>
    <message>
        <source>Game board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>The arrow keys move along the path, Home goes to the current player&apos;s piece, Enter tells about the cell and Space moves there when the Computer lets you.</source>
        <translation>Las flechas recorren el camino, Inicio va a la ficha del jugador en turno, Intro describe la casilla y Espacio te lleva allí cuando el Ordenador te lo permite.</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>Company cell</source>
        <translation>Casilla de empresa</translation>
    </message>
    <message>
        <source>Company market</source>
        <translation>Mercado de empresas</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impuestos</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Owned by %1, insured.</source>
        <translation>De %1, asegurada.</translation>
    </message>
    <message>
        <source>Owned by %1, not insured.</source>
        <translation>De %1, sin asegurar.</translation>
    </message>
    <message>
        <source>No owner.</source>
        <translation>Sin dueño.</translation>
    </message>
    <message>
        <source>Struck by a disaster: %1 is being destroyed.</source>
        <translation>Golpeado por una catástrofe: el %1 está siendo destruido.</translation>
    </message>
    <message>
        <source>%1 whole, owned by %2.</source>
        <translation>%1 completo, de %2.</translation>
    </message>
    <message>
        <source>%1 not whole.</source>
        <translation>%1 incompleto.</translation>
    </message>
    <message>
        <source>Sells the %1.</source>
        <translation>Vende el %1.</translation>
    </message>
    <message>
        <source>%1&apos;s piece is here.</source>
        <translation>Aquí está la ficha de %1.</translation>
    </message>
    <message>
        <source>Pieces of %1 are here.</source>
        <translation>Aquí están las fichas de %1.</translation>
    </message>
    <message>
        <source>Cell %1 of %2.</source>
        <translation>Casilla %1 de %2.</translation>
    </message>
    <message>
        <source>Company market cell</source>
        <translation>Casilla de mercado de empresas</translation>
    </message>
    <message>
        <source>Computer cell</source>
        <translation>Casilla del Ordenador</translation>
    </message>
    <message>
        <source>Tax cell</source>
        <translation>Casilla de impuestos</translation>
    </message>
    <message>
        <source>Bank cell</source>
        <translation>Casilla de banco</translation>
    </message>
    <message>
        <source>Insurance cell</source>
        <translation>Casilla de seguros</translation>
    </message>
</context>
<context>
    <name>Complex</name>
    <message>
        <source>Computers</source>
        <translation>informático</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>de procesadores</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>de software</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>multimedia</translation>
    </message>
    <message>
        <source>US</source>
        <translation>estadounidense</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>japonés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francés</translation>
    </message>
</context>
<context>
    <name>Computer</name>
    <message>
        <source>Go back one place!</source>
        <translation>¡Retrocede una casilla!</translation>
    </message>
    <message>
        <source>Go back two places!</source>
        <translation>¡Retrocede dos casillas!</translation>
    </message>
    <message>
        <source>Click anywhere on the board you want to move to!</source>
        <translation>¡Pulsa en cualquier casilla del tablero a la que quieras ir!</translation>
    </message>
    <message>
        <source>Fire at %1!</source>
        <translation>¡Incendio en el %1!</translation>
    </message>
    <message>
        <source>Earthquake at %1!</source>
        <translation>¡Terremoto en el %1!</translation>
    </message>
    <message>
        <source>Flood at %1!</source>
        <translation>¡Inundación en el %1!</translation>
    </message>
    <message>
        <source>Storm at %1!</source>
        <translation>¡Tormenta en el %1!</translation>
    </message>
    <message>
        <source>You get $100,000 from each player!</source>
        <translation>¡Recibes $100,000 de cada jugador!</translation>
    </message>
    <message>
        <source>You get $400,000 from the bank!</source>
        <translation>¡Recibes $400,000 del banco!</translation>
    </message>
    <message>
        <source>All players get $200,000 from the bank!</source>
        <translation>¡Todos los jugadores reciben $200,000 del banco!</translation>
    </message>
    <message>
        <source>Pay only half of your tax next time!</source>
        <translation>¡La próxima vez solo pagas la mitad de tus impuestos!</translation>
    </message>
    <message>
        <source>Insure your companies for free!</source>
        <translation>¡Asegura tus empresas gratis!</translation>
    </message>
    <message>
        <source>Don&apos;t play for one turn!</source>
        <translation>¡Pierdes un turno!</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordenador: %1</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>The small windows you see around the game board are player windows.  You perform tasks using your own personal window.  Click the Roll Dice button to begin!</source>
        <translation>Las ventanitas que ves alrededor del tablero son las ventanas de los jugadores.  Juegas con tu propia ventana personal.  ¡Pulsa el botón Tirar el dado para empezar!</translation>
    </message>
    <message>
        <source>Complexed companies give the owner much more income and power than companies scattered around the board.</source>
        <translation>Las empresas en complejo dan a su dueño muchos más ingresos y poder que las empresas sueltas por el tablero.</translation>
    </message>
    <message>
        <source>The Computer makes random decisions.</source>
        <translation>El Ordenador toma decisiones al azar.</translation>
    </message>
    <message>
        <source>The insurance office pays the value of insured companies which are destroyed as compensation.</source>
        <translation>La oficina de seguros paga como indemnización el valor de las empresas aseguradas que se destruyen.</translation>
    </message>
    <message>
        <source>%1, you would have been paid the value of your destroyed company if it were insured.</source>
        <translation>%1, te habrían pagado el valor de tu empresa destruida si hubiera estado asegurada.</translation>
    </message>
    <message>
        <source>Enter the amount of money to be withdrawn in million dollars and click Withdraw.</source>
        <translation>Escribe la cantidad que quieres retirar en millones de dólares y pulsa Retirar.</translation>
    </message>
    <message>
        <source>To take money out of your bank account, enter a number in the white box at the right of your personal window and click Withdraw.</source>
        <translation>Para sacar dinero de tu cuenta bancaria, escribe un número en la casilla blanca a la derecha de tu ventana personal y pulsa Retirar.</translation>
    </message>
    <message>
        <source>Refusing to insure those companies was a big mistake, unless you didn&apos;t have enough money to do so.</source>
        <translation>No asegurar esas empresas ha sido un gran error, salvo que no tuvieras dinero suficiente.</translation>
    </message>
    <message>
        <source>%1 had recieved a free insurance bonus from the Computer before.</source>
        <translation>%1 ya había recibido antes un seguro gratis del Ordenador.</translation>
    </message>
    <message>
        <source>Excellent!  Insuring your companies is always a safe decision.</source>
        <translation>¡Excelente!  Asegurar tus empresas siempre es una decisión prudente.</translation>
    </message>
    <message>
        <source>To quit the game voluntarily, click Quit Game in your personal window.</source>
        <translation>Para abandonar la partida voluntariamente, pulsa Abandonar en tu ventana personal.</translation>
    </message>
    <message>
        <source>Choose who you&apos;re lending to, enter the amount of loan in the white box, select loan interest and duration using the scrollbar (they have a direct relation) and click Loan, or click Cancel to refuse.</source>
        <translation>Elige a quién prestas, escribe la cantidad del préstamo en la casilla blanca, elige el interés y la duración con la barra (van unidos) y pulsa Prestar, o pulsa Cancelar para renunciar.</translation>
    </message>
    <message>
        <source>All companies in this complex are already owned by other players.</source>
        <translation>Todas las empresas de este complejo ya pertenecen a otros jugadores.</translation>
    </message>
    <message>
        <source>Select a company and click Buy, or click Cancel to refuse.</source>
        <translation>Elige una empresa y pulsa Comprar, o pulsa Cancelar para renunciar.</translation>
    </message>
    <message>
        <source>%1, %2 was added to the Companies list at the left of your personal window.  And a square in your special color appears around it on the game board.</source>
        <translation>%1, %2 se ha añadido a la lista de Empresas a la izquierda de tu ventana personal.  Y en el tablero aparece a su alrededor un cuadrado de tu color.</translation>
    </message>
    <message>
        <source>Selling is similar to an auction.  %1 should choose a company to sell from the left.  Then other players should enter their secret bids in their boxes at the right and click Submit.</source>
        <translation>Vender es como una subasta.  %1 elige a la izquierda una empresa para vender.  Luego los demás jugadores escriben sus pujas secretas en sus casillas de la derecha y pulsan Revelar.</translation>
    </message>
    <message>
        <source>Now %1 should choose who she will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation>Ahora %1 elige a quién vende %2 y pulsa Vender, o pulsa Cancelar para quedársela.</translation>
    </message>
    <message>
        <source>Now %1 should choose who he will sell %2 to and click Sell, or click Cancel to keep it.</source>
        <translation>Ahora %1 elige a quién vende %2 y pulsa Vender, o pulsa Cancelar para quedársela.</translation>
    </message>
    <message>
        <source>A complex means 3 companies next to each other.  Complexed companies give the owner more income and power than companies scattered around the board.</source>
        <translation>Un complejo son 3 empresas seguidas.  Las empresas en complejo dan a su dueño más ingresos y poder que las empresas sueltas por el tablero.</translation>
    </message>
    <message>
        <source>When a company in one&apos;s complex is sold or destroyed, that player no longer owns that complex.</source>
        <translation>Cuando se vende o se destruye una empresa de un complejo, su jugador deja de ser dueño de ese complejo.</translation>
    </message>
    <message>
        <source>The game ends when there&apos;s only 1 player left.</source>
        <translation>La partida termina cuando solo queda 1 jugador.</translation>
    </message>
</context>
<context>
    <name>Insurance</name>
    <message>
        <source>%1 is in Insurance mode!</source>
        <translation>¡%1 puede asegurar empresas!</translation>
    </message>
    <message>
        <source>Select the companies you want to insure by clicking the check-boxes in front of them in your personal window and click OK.</source>
        <translation>Marca en tu ventana personal las casillas delante de las empresas que quieres asegurar y pulsa OK.</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any companies to insure!</source>
        <translation>¡%1 no tiene empresas que asegurar!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have any un-insured companies!</source>
        <translation>¡%1 no tiene empresas sin asegurar!</translation>
    </message>
    <message>
        <source>%1, all of your companies are insured already.</source>
        <translation>%1, todas tus empresas ya están aseguradas.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
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
        <translation>%1 jugadas</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Move %1: %2</source>
        <translation>Jugada %1: %2</translation>
    </message>
    <message>
        <source>%1 rolled a %2 and walked to cell %3, %4.</source>
        <translation>%1 sacó un %2 y avanzó a la casilla %3, %4.</translation>
    </message>
    <message>
        <source>%1 moved to cell %2, %3.</source>
        <translation>%1 fue a la casilla %2, %3.</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>Banco %1</translation>
    </message>
    <message>
        <source>no bid</source>
        <translation>sin puja</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Bids for %1: %2.</source>
        <translation>Pujas por %1: %2.</translation>
    </message>
    <message>
        <source>The game was saved to %1.</source>
        <translation>La partida se guardó en %1.</translation>
    </message>
    <message>
        <source>The game was saved automatically to %1.</source>
        <translation>La partida se guardó automáticamente en %1.</translation>
    </message>
    <message>
        <source>%1 misses this turn.</source>
        <translation>%1 pierde este turno.</translation>
    </message>
    <message>
        <source>The game was loaded from %1.</source>
        <translation>La partida se cargó desde %1.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1&apos;s piece</source>
        <translation>Ficha de %1</translation>
    </message>
    <message>
        <source>%1 Minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Game prompts are shown here</source>
        <translation>Aquí aparecen los avisos de la partida</translation>
    </message>
    <message>
        <source>Computer prompts are shown here</source>
        <translation>Aquí aparecen los avisos del Ordenador</translation>
    </message>
    <message>
        <source>Welcome to Zentrix!  Go to Game-&gt;New to start a new game, Game-&gt;Load to load a saved game, or Help-&gt;Help to learn the rules and find out how to play.</source>
        <translation>¡Bienvenido a Zentrix!  Ve a Partida-&gt;Nueva para empezar una partida nueva, a Partida-&gt;Cargar para cargar una partida guardada, o a Ayuda-&gt;Ayuda para aprender las reglas y ver cómo se juega.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Do you want to save before starting a new game?</source>
        <translation>¿Quieres guardar antes de empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Do you want to save this game before closing it?</source>
        <translation>¿Quieres guardar esta partida antes de cerrarla?</translation>
    </message>
    <message>
        <source>Do you want to save before quitting?</source>
        <translation>¿Quieres guardar antes de salir?</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Escribe un nombre, por favor.</translation>
    </message>
    <message>
        <source>Please don&apos;t use identical names.</source>
        <translation>No uses nombres repetidos, por favor.</translation>
    </message>
    <message>
        <source>Can&apos;t save game in waiting mode!</source>
        <translation>¡No se puede guardar la partida mientras se espera un pago!</translation>
    </message>
    <message>
        <source>The game could not be saved to %1!</source>
        <translation>¡No se ha podido guardar la partida en %1!</translation>
    </message>
    <message>
        <source>The game was saved.</source>
        <translation>La partida se ha guardado.</translation>
    </message>
    <message>
        <source>Do you want to save before loading another game?</source>
        <translation>¿Quieres guardar antes de cargar otra partida?</translation>
    </message>
    <message>
        <source>Couldn&apos;t load file!</source>
        <translation>¡No se ha podido cargar el archivo!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his company!</source>
        <translation>¡%1!  ¡No tienes bastante dinero para pagar %2 a %3 por caer en su empresa!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering his complexed company!</source>
        <translation>¡%1!  ¡No tienes bastante dinero para pagar %2 a %3 por caer en una empresa de su complejo!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her company!</source>
        <translation>¡%1!  ¡No tienes bastante dinero para pagar %2 a %3 por caer en su empresa!</translation>
    </message>
    <message>
        <source>%1!  You don&apos;t have enough money to pay %2 to %3 because of entering her complexed company!</source>
        <translation>¡%1!  ¡No tienes bastante dinero para pagar %2 a %3 por caer en una empresa de su complejo!</translation>
    </message>
    <message>
        <source>Please enter a positive number!</source>
        <translation>¡Escribe un número positivo, por favor!</translation>
    </message>
    <message>
        <source>You can&apos;t deposit more than $1,000,000 at a time!</source>
        <translation>¡No puedes ingresar más de $1,000,000 de una vez!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to deposit %1!</source>
        <translation>¡No tienes bastante dinero para ingresar %1!</translation>
    </message>
    <message>
        <source>Your bank account can&apos;t hold more than %1!</source>
        <translation>¡Tu cuenta bancaria no admite más de %1!</translation>
    </message>
    <message>
        <source>Please enter a positive integer!</source>
        <translation>¡Escribe un número entero positivo, por favor!</translation>
    </message>
    <message>
        <source>Please enter a smaller number!</source>
        <translation>¡Escribe un número más pequeño, por favor!</translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money in the bank!</source>
        <translation>¡No tienes %1 en el banco!</translation>
    </message>
    <message>
        <source>You can&apos;t hold more than %1 in cash!</source>
        <translation>¡No puedes tener más de %1 en efectivo!</translation>
    </message>
    <message>
        <source>You don&apos;t have %1 money to pay for the insurance of your companies!</source>
        <translation>¡No tienes %1 para pagar el seguro de tus empresas!</translation>
    </message>
    <message>
        <source>You don&apos;t have any companies!</source>
        <translation>¡No tienes ninguna empresa!</translation>
    </message>
    <message>
        <source>You can&apos;t lend money in waiting mode!</source>
        <translation>¡No puedes prestar dinero mientras se espera un pago!</translation>
    </message>
    <message>
        <source>There can&apos;t be more than 5 loans scheduled at a time!</source>
        <translation>¡No puede haber más de 5 préstamos pendientes a la vez!</translation>
    </message>
    <message>
        <source>For information on this company in the real world, press F1 for Help, then choose &quot;The Companies&quot; from the Contents list.</source>
        <translation>Para saber más de esta empresa en el mundo real, pulsa F1 para abrir la Ayuda y elige &quot;Las empresas&quot; en el índice.</translation>
    </message>
    <message>
        <source>For information on this cell, press F1 for Help, then choose &quot;Cells&quot; from the Contents list.</source>
        <translation>Para saber más de esta casilla, pulsa F1 para abrir la Ayuda y elige &quot;Casillas&quot; en el índice.</translation>
    </message>
    <message>
        <source>Please enter a smaller amount!</source>
        <translation>¡Escribe una cantidad más pequeña, por favor!</translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money!</source>
        <translation>¡%1, no tienes bastante dinero!</translation>
    </message>
    <message>
        <source>%1, do you want to borrow %2 from %3 with %4 % interest for %5 moves?</source>
        <translation>%1, ¿quieres pedir prestado %2 a %3 con un %4 % de interés durante %5 jugadas?</translation>
    </message>
    <message>
        <source>%1, %2 refused to borrow %3 from you!</source>
        <translation>¡%1, %2 no ha aceptado tu préstamo de %3!</translation>
    </message>
    <message>
        <source>%1, you don&apos;t have enough money to repay %2 loan to %3!</source>
        <translation>¡%1, no tienes bastante dinero para devolver el préstamo de %2 a %3!</translation>
    </message>
    <message>
        <source>You do not have enough money to buy this company!</source>
        <translation>¡No tienes bastante dinero para comprar esta empresa!</translation>
    </message>
    <message>
        <source>Bids can&apos;t be bigger than 1.5 times the company value!</source>
        <translation>¡Las pujas no pueden superar 1.5 veces el valor de la empresa!</translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than her money!</source>
        <translation>¡La puja de %1 no puede ser mayor que su dinero!</translation>
    </message>
    <message>
        <source>%1&apos;s bid can&apos;t be greater than his money!</source>
        <translation>¡La puja de %1 no puede ser mayor que su dinero!</translation>
    </message>
    <message>
        <source>Bids can&apos;t be equal!</source>
        <translation>¡Las pujas no pueden ser iguales!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t own %2 anymore!</source>
        <translation>¡%2 ya no pertenece a %1!</translation>
    </message>
    <message>
        <source>Are you sure you want to lose and exit the game?</source>
        <translation>¿Seguro que quieres rendirte y abandonar la partida?</translation>
    </message>
    <message>
        <source>You must withdraw money from your bank account or sell your companies to provide the money!</source>
        <translation>¡Tienes que retirar dinero de tu cuenta bancaria o vender empresas para conseguir el dinero!</translation>
    </message>
    <message>
        <source>However, you can provide the money by selling your companies or borrowing money from somebody.</source>
        <translation>Pero puedes conseguir el dinero vendiendo empresas o pidiendo un préstamo a alguien.</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
</context>
<context>
    <name>PlayerType</name>
    <message>
        <source>Human</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Computer (easy)</source>
        <translation>Ordenador (fácil)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Ordenador (normal)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Ordenador (difícil)</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Game started!</source>
        <translation>¡Empieza la partida!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own company!</source>
        <translation>¡%1 ha recibido %2 de ingresos por caer en su propia empresa!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering his own complexed company!</source>
        <translation>¡%1 ha recibido %2 de ingresos por caer en una empresa de su propio complejo!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own company!</source>
        <translation>¡%1 ha recibido %2 de ingresos por caer en su propia empresa!</translation>
    </message>
    <message>
        <source>%1 recieved %2 as income because of entering her own complexed company!</source>
        <translation>¡%1 ha recibido %2 de ingresos por caer en una empresa de su propio complejo!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his company!</source>
        <translation>¡%1 ha pagado %2 a %3 por caer en su empresa!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering his complexed company!</source>
        <translation>¡%1 ha pagado %2 a %3 por caer en una empresa de su complejo!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her company!</source>
        <translation>¡%1 ha pagado %2 a %3 por caer en su empresa!</translation>
    </message>
    <message>
        <source>%1 paid %2 to %3 because of entering her complexed company!</source>
        <translation>¡%1 ha pagado %2 a %3 por caer en una empresa de su complejo!</translation>
    </message>
    <message>
        <source>Nobody owns this company!</source>
        <translation>¡Esta empresa no tiene dueño!</translation>
    </message>
    <message>
        <source>None of the players had any companies in the destroyed complex!</source>
        <translation>¡Ningún jugador tenía empresas en el complejo destruido!</translation>
    </message>
    <message>
        <source>%1 was destroyed, but %2 received %3 as compensation!</source>
        <translation>¡%1 ha sido destruida, pero %2 ha recibido %3 de indemnización!</translation>
    </message>
    <message>
        <source>%1 was destroyed and %2 didn&apos;t receive any money as compensation!</source>
        <translation>¡%1 ha sido destruida y %2 no ha recibido ninguna indemnización!</translation>
    </message>
    <message>
        <source>%1 deposited %2!</source>
        <translation>¡%1 ha ingresado %2!</translation>
    </message>
    <message>
        <source>%1 refused to deposit any money!</source>
        <translation>¡%1 no ha querido ingresar dinero!</translation>
    </message>
    <message>
        <source>%1 withdrew %2 from the bank!</source>
        <translation>¡%1 ha retirado %2 del banco!</translation>
    </message>
    <message>
        <source>%1 refused to insure any companies!</source>
        <translation>¡%1 no ha querido asegurar ninguna empresa!</translation>
    </message>
    <message>
        <source>%1 insured her companies for free!</source>
        <translation>¡%1 ha asegurado sus empresas gratis!</translation>
    </message>
    <message>
        <source>%1 insured his companies for free!</source>
        <translation>¡%1 ha asegurado sus empresas gratis!</translation>
    </message>
    <message>
        <source>%1 paid %2 for insurance!</source>
        <translation>¡%1 ha pagado %2 por el seguro!</translation>
    </message>
    <message>
        <source>%1 loaned %2 to %3 with %4 % interest for %5 moves!</source>
        <translation>¡%1 ha prestado %2 a %3 con un %4 % de interés durante %5 jugadas!</translation>
    </message>
    <message>
        <source>%1 refused the loan from %2!</source>
        <translation>¡%1 ha rechazado el préstamo de %2!</translation>
    </message>
    <message>
        <source>%1 refused to lend any money!</source>
        <translation>¡%1 no ha querido prestar dinero!</translation>
    </message>
    <message>
        <source>%1 repaid her %2 loan to %3!</source>
        <translation>¡%1 ha devuelto su préstamo de %2 a %3!</translation>
    </message>
    <message>
        <source>%1 repaid his %2 loan to %3!</source>
        <translation>¡%1 ha devuelto su préstamo de %2 a %3!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and doesn&apos;t need repaying anymore!</source>
        <translation>¡El préstamo de %2 de %1 a %3 se ha cancelado y ya no hay que devolverlo!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was repaid with interest by the bank!</source>
        <translation>¡El banco ha devuelto con intereses el préstamo de %2 de %1 a %3!</translation>
    </message>
    <message>
        <source>%1&apos;s %2 loan to %3 was cancelled and won&apos;t be repaid by the bank!</source>
        <translation>¡El préstamo de %2 de %1 a %3 se ha cancelado y el banco no lo devolverá!</translation>
    </message>
    <message>
        <source>There are no companies to buy here!</source>
        <translation>¡Aquí no hay empresas que comprar!</translation>
    </message>
    <message>
        <source>%1 spent %2 and bought %3!</source>
        <translation>¡%1 ha pagado %2 y ha comprado %3!</translation>
    </message>
    <message>
        <source>%1 refused to buy any companies!</source>
        <translation>¡%1 no ha querido comprar ninguna empresa!</translation>
    </message>
    <message>
        <source>%1 sold %2 to %3 at %4!</source>
        <translation>¡%1 ha vendido %2 a %3 por %4!</translation>
    </message>
    <message>
        <source>%1 refused to sell any companies!</source>
        <translation>¡%1 no ha querido vender ninguna empresa!</translation>
    </message>
    <message>
        <source>%1 now owns %2!</source>
        <translation>¡El %2 ya es de %1!</translation>
    </message>
    <message>
        <source>So she no longer owns %1!</source>
        <translation>¡Así que el %1 ya no es suyo!</translation>
    </message>
    <message>
        <source>So he no longer owns %1!</source>
        <translation>¡Así que el %1 ya no es suyo!</translation>
    </message>
    <message>
        <source>%1 now owns 5 companies.</source>
        <translation>%1 ya tiene 5 empresas.</translation>
    </message>
    <message>
        <source>%1&apos;s estate is now more than $8,000,000.</source>
        <translation>El patrimonio de %1 ya supera $8,000,000.</translation>
    </message>
    <message>
        <source>So she won and exited the game!</source>
        <translation>¡Así que ha ganado y sale de la partida!</translation>
    </message>
    <message>
        <source>So he won and exited the game!</source>
        <translation>¡Así que ha ganado y sale de la partida!</translation>
    </message>
    <message>
        <source>%1 lost and exited the game!</source>
        <translation>¡%1 ha perdido y sale de la partida!</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>not seated in this game</source>
        <translation>no juegas en esta partida</translation>
    </message>
    <message>
        <source>not your seat</source>
        <translation>no es tu puesto</translation>
    </message>
    <message>
        <source>not your turn</source>
        <translation>no es tu turno</translation>
    </message>
    <message>
        <source>no such window open</source>
        <translation>esa ventana no está abierta</translation>
    </message>
    <message>
        <source>not possible now</source>
        <translation>ahora no es posible</translation>
    </message>
</context>
<context>
    <name>Sale</name>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Bad names</source>
        <translation>Nombres no válidos</translation>
    </message>
    <message>
        <source>Bad number</source>
        <translation>Número no válido</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partida guardada</translation>
    </message>
    <message>
        <source>Illegal Loan</source>
        <translation>Préstamo no permitido</translation>
    </message>
    <message>
        <source>Illegal Save</source>
        <translation>No se puede guardar</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Formato de archivo no válido</translation>
    </message>
    <message>
        <source>Loan confirmation</source>
        <translation>Confirmar préstamo</translation>
    </message>
    <message>
        <source>Loan refused</source>
        <translation>Préstamo rechazado</translation>
    </message>
    <message>
        <source>Lose confirmation</source>
        <translation>Confirmar rendición</translation>
    </message>
    <message>
        <source>No companies</source>
        <translation>Sin empresas</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>¡Lo siento!</translation>
    </message>
    <message>
        <source>Want to save?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>You must pay now!</source>
        <translation>¡Tienes que pagar ya!</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
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
        <translation>Esperando a que %1 pague %2 a %3 por caer en su empresa...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering his complexed company...</source>
        <translation>Esperando a que %1 pague %2 a %3 por caer en una empresa de su complejo...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her company...</source>
        <translation>Esperando a que %1 pague %2 a %3 por caer en su empresa...</translation>
    </message>
    <message>
        <source>Waiting for %1 to pay %2 to %3 because of entering her complexed company...</source>
        <translation>Esperando a que %1 pague %2 a %3 por caer en una empresa de su complejo...</translation>
    </message>
    <message>
        <source>Waiting for %1 to repay %2 loan to %3...</source>
        <translation>Esperando a que %1 devuelva el préstamo de %2 a %3...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A board game about buying and running companies, for two to four players.</source>
        <translation>Un juego de tablero sobre comprar y dirigir empresas, para dos a cuatro jugadores.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>A saved game (.znx) to open.</source>
        <translation>Una partida guardada (.znx) que abrir.</translation>
    </message>
    <message>
        <source>Only one saved game can be opened at a time.</source>
        <translation>Solo se puede abrir una partida guardada a la vez.</translation>
    </message>
    <message>
        <source>Joins the network game at this link.</source>
        <translation>Se une a la partida en red de este enlace.</translation>
    </message>
</context>
<context>
    <name>zx::AboutWindow</name>
    <message>
        <source>IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen are registered trademarks of their respective owners.</source>
        <translation>IBM, HP, Compaq, Motorola, Intel, AMD, Lucent Technologies, Microsoft, Sun Microsystems, Sillicon Graphics, Electronic Arts, Diamond Multimedia, General Motors, Ford, Buick, Toyota, Honda, Nissan, Volkswagen, BMW, Mercedes Benz, Renault, Peugeot, Citroen son marcas registradas de sus respectivos propietarios.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Zentrix icon</source>
        <translation>Icono de Zentrix</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>zx::BuyWindow</name>
    <message>
        <source>Buy a company</source>
        <translation>Comprar una empresa</translation>
    </message>
    <message>
        <source>Company logo</source>
        <translation>Logotipo de la empresa</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Nombre de la empresa</translation>
    </message>
    <message>
        <source>Company price</source>
        <translation>Precio de la empresa</translation>
    </message>
    <message>
        <source>&amp;Buy</source>
        <translation>Co&amp;mprar</translation>
    </message>
    <message>
        <source>Buy selected company</source>
        <translation>Comprar la empresa elegida</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Refuse to buy any companies</source>
        <translation>No comprar ninguna empresa</translation>
    </message>
</context>
<context>
    <name>zx::Controller</name>
    <message>
        <source>Connection to %1 lost: trying again in %2 s</source>
        <translation>Conexión con %1 perdida: nuevo intento en %2 s</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Conectando con %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>%1: not here yet</source>
        <translation>%1: aún no ha llegado</translation>
    </message>
    <message>
        <source>%1: reconnecting, %2 s</source>
        <translation>%1: reconectando, %2 s</translation>
    </message>
    <message>
        <source>%1: played by the computer until he returns</source>
        <translation>%1: lo juega el ordenador hasta que vuelva</translation>
    </message>
    <message>
        <source>%1: played by the computer until she returns</source>
        <translation>%1: la juega el ordenador hasta que vuelva</translation>
    </message>
    <message>
        <source>A network game you played in may not be finished. Resume network game?</source>
        <translation>Puede que una partida en red en la que jugaste no haya terminado. ¿Reanudar la partida en red?</translation>
    </message>
    <message>
        <source>This game was played over a network. Host it again for the same players?</source>
        <translation>Esta partida se jugó en red. ¿Alojarla de nuevo para los mismos jugadores?</translation>
    </message>
</context>
<context>
    <name>zx::FileDialogs</name>
    <message>
        <source>Zentrix Save File (*.znx)</source>
        <translation>Partida guardada de Zentrix (*.znx)</translation>
    </message>
</context>
<context>
    <name>zx::FormWindow</name>
    <message>
        <source>Press F1 for online help!</source>
        <translation>¡Pulsa F1 para ver la ayuda!</translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help on this window!</source>
        <translation>¡Pulsa F1 para ver la ayuda completa de esta ventana!</translation>
    </message>
</context>
<context>
    <name>zx::GraphWindow</name>
    <message>
        <source>Game trend graph</source>
        <translation>Gráfico de tendencias de la partida</translation>
    </message>
    <message>
        <source>Estates of the players</source>
        <translation>Patrimonio de los jugadores</translation>
    </message>
    <message>
        <source>This graph shows the general direction and history of the game.  It is a superb tool to compare your wealth with your opponents.</source>
        <translation>Este gráfico muestra la marcha y la historia de la partida.  Es una herramienta estupenda para comparar tu riqueza con la de tus rivales.</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Estate (Million $)</source>
        <translation>Patrimonio (mill. $)</translation>
    </message>
</context>
<context>
    <name>zx::HelpWindow</name>
    <message>
        <source>Zentrix Help</source>
        <translation>Ayuda de Zentrix</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Go back to the page seen before</source>
        <translation>Volver a la página anterior</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Go forward to the next page seen</source>
        <translation>Ir a la siguiente página vista</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Close the help</source>
        <translation>Cerrar la ayuda</translation>
    </message>
</context>
<context>
    <name>zx::HostWindow</name>
    <message>
        <source>Host a network game</source>
        <translation>Alojar una partida en red</translation>
    </message>
    <message>
        <source>&amp;Invite link:</source>
        <translation>&amp;Enlace de invitación:</translation>
    </message>
    <message>
        <source>The link appears once the table is open</source>
        <translation>El enlace aparece en cuanto la mesa está abierta</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the link, to send it to the other players</source>
        <translation>Copiar el enlace para enviarlo a los demás jugadores</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>The address of this computer that the other players can reach</source>
        <translation>La dirección de este ordenador que los demás jugadores pueden alcanzar</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>cualquier puerto libre</translation>
    </message>
    <message>
        <source>The TCP port to listen on; open it in a firewall between you and the others</source>
        <translation>El puerto TCP en el que se escucha; ábrelo en un cortafuegos entre tú y los demás</translation>
    </message>
    <message>
        <source>&amp;Seats:</source>
        <translation>Pue&amp;stos:</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Put this window away; the table stays open</source>
        <translation>Guardar esta ventana; la mesa sigue abierta</translation>
    </message>
    <message>
        <source>Seat %1: %2, a computer player</source>
        <translation>Puesto %1: %2, jugador del Ordenador</translation>
    </message>
    <message>
        <source>Seat %1: open</source>
        <translation>Puesto %1: libre</translation>
    </message>
    <message>
        <source>Seat %1: %2, joined</source>
        <translation>Puesto %1: %2, se ha unido</translation>
    </message>
    <message>
        <source>Seat %1: %2, away</source>
        <translation>Puesto %1: %2, ausente</translation>
    </message>
    <message>
        <source>The network game could not be hosted: %1</source>
        <translation>No se pudo alojar la partida en red: %1</translation>
    </message>
</context>
<context>
    <name>zx::JoinWindow</name>
    <message>
        <source>Network game</source>
        <translation>Partida en red</translation>
    </message>
    <message>
        <source>Join a network game</source>
        <translation>Unirse a una partida en red</translation>
    </message>
    <message>
        <source>&amp;Server or invite link:</source>
        <translation>&amp;Servidor o enlace de invitación:</translation>
    </message>
    <message>
        <source>Show &amp;Tables</source>
        <translation>Mostrar &amp;mesas</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>Open tables and their free seats:</source>
        <translation>Mesas abiertas y sus asientos libres:</translation>
    </message>
    <message>
        <source>Open tables</source>
        <translation>Mesas abiertas</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1: %2 (free seats: %3)</source>
        <translation>%1: %2 (asientos libres: %3)</translation>
    </message>
    <message>
        <source>Choose a table from the list, or give an invite link with the table&apos;s code.</source>
        <translation>Elige una mesa de la lista, o indica un enlace de invitación con el código de la mesa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a Zentrix server or table. An invite link looks like zentrix://HOST:PORT/CODE.</source>
        <translation>&quot;%1&quot; no es la dirección de un servidor ni de una mesa de Zentrix. Un enlace de invitación tiene la forma zentrix://HOST:PORT/CODE.</translation>
    </message>
    <message>
        <source>No Zentrix server answers at %1. Check the address, and that the server is running.</source>
        <translation>Ningún servidor de Zentrix responde en %1. Comprueba la dirección y que el servidor esté en marcha.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>Se ha perdido la conexión con %1.</translation>
    </message>
    <message>
        <source>There is no table %1 at %2.</source>
        <translation>No hay ninguna mesa %1 en %2.</translation>
    </message>
    <message>
        <source>The table %1 has no free seat left.</source>
        <translation>La mesa %1 ya no tiene ningún asiento libre.</translation>
    </message>
    <message>
        <source>Somebody at this table has that name already. Please choose another name.</source>
        <translation>Alguien en esta mesa ya tiene ese nombre. Elige otro nombre, por favor.</translation>
    </message>
    <message>
        <source>The server no longer knows this seat.</source>
        <translation>El servidor ya no conoce este asiento.</translation>
    </message>
    <message>
        <source>This server plays another version of Zentrix: %1</source>
        <translation>Este servidor juega otra versión de Zentrix: %1</translation>
    </message>
    <message>
        <source>The server says: %1</source>
        <translation>El servidor dice: %1</translation>
    </message>
</context>
<context>
    <name>zx::LoanWindow</name>
    <message>
        <source>Player the loan will be given to</source>
        <translation>Jugador que recibe el préstamo</translation>
    </message>
    <message>
        <source>Extra money you get when loan is payed back</source>
        <translation>Dinero extra que recibes cuando te devuelven el préstamo</translation>
    </message>
    <message>
        <source>Number of moves you&apos;ll wait until the loan is payed back</source>
        <translation>Número de jugadas que esperarás hasta que te devuelvan el préstamo</translation>
    </message>
    <message>
        <source>Lend money</source>
        <translation>Prestar dinero</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Enter amount of loan</source>
        <translation>Escribe la cantidad del préstamo</translation>
    </message>
    <message>
        <source>Amount of loan in millions of dollars</source>
        <translation>Cantidad del préstamo en millones de dólares</translation>
    </message>
    <message>
        <source>Raise or lower the amount of loan</source>
        <translation>Subir o bajar la cantidad del préstamo</translation>
    </message>
    <message>
        <source>Million $</source>
        <translation>Mill. $</translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation>Interés:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>100 Moves</source>
        <translation>100 jugadas</translation>
    </message>
    <message>
        <source>Interest and duration</source>
        <translation>Interés y duración</translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation>&amp;Prestar</translation>
    </message>
    <message>
        <source>Grant the loan</source>
        <translation>Conceder el préstamo</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Refuse to loan</source>
        <translation>No prestar</translation>
    </message>
</context>
<context>
    <name>zx::LogWindow</name>
    <message>
        <source>Game log</source>
        <translation>Registro de la partida</translation>
    </message>
    <message>
        <source>&amp;Events of this game:</source>
        <translation>&amp;Sucesos de esta partida:</translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation>Copiar &amp;todo</translation>
    </message>
    <message>
        <source>Copy the whole log as plain text (Ctrl+C copies the chosen lines)</source>
        <translation>Copiar todo el registro como texto (Ctrl+C copia las líneas elegidas)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Put the log away; the game keeps writing it</source>
        <translation>Apartar el registro; la partida lo sigue escribiendo</translation>
    </message>
    <message>
        <source>&amp;Say:</source>
        <translation>&amp;Decir:</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Say this to the other players</source>
        <translation>Decir esto a los demás jugadores</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Zentrix will speak this language from its next start.</source>
        <translation>Zentrix hablará este idioma a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Zentrix 3.0</source>
        <translation>Zentrix 3.0</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nueva...</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Cargar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Recent Events</source>
        <translation>Últimos &amp;sucesos</translation>
    </message>
    <message>
        <source>Computer &amp;Speed</source>
        <translation>&amp;Velocidad del Ordenador</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>A&amp;justes</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Ayuda...</translation>
    </message>
    <message>
        <source>&amp;About Zentrix...</source>
        <translation>Acerca &amp;de Zentrix...</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Amount of time elapsed since game started</source>
        <translation>Tiempo transcurrido desde el inicio de la partida</translation>
    </message>
    <message>
        <source>Number of dice rolls or moves since game started</source>
        <translation>Número de tiradas o jugadas desde el inicio de la partida</translation>
    </message>
    <message>
        <source>Reaction time count-down will be shown here</source>
        <translation>Aquí se muestra la cuenta atrás del tiempo de reacción</translation>
    </message>
    <message>
        <source>Game time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Jugadas:</translation>
    </message>
    <message>
        <source>Reaction time:</source>
        <translation>Reacción:</translation>
    </message>
    <message>
        <source>&amp;Trend Graph</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Compare players&apos; estates in a graph</source>
        <translation>Comparar el patrimonio de los jugadores en un gráfico</translation>
    </message>
    <message>
        <source>Ga&amp;me Log</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>Every event of this game, in order (Ctrl+G)</source>
        <translation>Todos los sucesos de esta partida, en orden (Ctrl+G)</translation>
    </message>
    <message>
        <source>Game prompts are shown here</source>
        <translation>Aquí aparecen los avisos de la partida</translation>
    </message>
    <message>
        <source>Computer prompts are shown here</source>
        <translation>Aquí aparecen los avisos del Ordenador</translation>
    </message>
    <message>
        <source>Game hints are shown here</source>
        <translation>Aquí aparecen los consejos de la partida</translation>
    </message>
    <message>
        <source>&amp;Recent events</source>
        <translation>Últimos &amp;sucesos</translation>
    </message>
    <message>
        <source>The newest events of the game; the Game Log shows them all</source>
        <translation>Los sucesos más recientes de la partida; el Registro de la partida los muestra todos</translation>
    </message>
    <message>
        <source>Dice picture</source>
        <translation>Imagen del dado</translation>
    </message>
    <message>
        <source>Roll &amp;Dice</source>
        <translation>&amp;Tirar el dado</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Tirar el dado</translation>
    </message>
    <message>
        <source>The player who is playing now</source>
        <translation>El jugador que juega ahora</translation>
    </message>
    <message>
        <source>The player who will play next</source>
        <translation>El jugador que juega después</translation>
    </message>
    <message>
        <source>Current player:</source>
        <translation>Juega:</translation>
    </message>
    <message>
        <source>Next player:</source>
        <translation>Después:</translation>
    </message>
    <message>
        <source>Press F1 for online help!</source>
        <translation>¡Pulsa F1 para ver la ayuda!</translation>
    </message>
    <message>
        <source>Press F1 for complete HTML Help!</source>
        <translation>¡Pulsa F1 para ver la ayuda completa!</translation>
    </message>
    <message>
        <source>&amp;Join Network Game...</source>
        <translation>&amp;Unirse a partida en red...</translation>
    </message>
    <message>
        <source>&amp;Resume Network Game</source>
        <translation>&amp;Reanudar partida en red</translation>
    </message>
    <message>
        <source>&amp;Host Network Game...</source>
        <translation>&amp;Alojar partida en red...</translation>
    </message>
</context>
<context>
    <name>zx::NewGameWindow</name>
    <message>
        <source>Start a new game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>Number of players</source>
        <translation>Número de jugadores</translation>
    </message>
    <message>
        <source>Player name &amp;&amp; gender</source>
        <translation>Nombre &amp;&amp; sexo</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>Choose F for female or M for Male</source>
        <translation>Elige F para mujer o M para hombre</translation>
    </message>
    <message>
        <source>Player %1 gender</source>
        <translation>Sexo del jugador %1</translation>
    </message>
    <message>
        <source>Choose Human for a person at this screen, or a computer player and its strength</source>
        <translation>Elige Persona para alguien ante esta pantalla, o un jugador del Ordenador y su nivel</translation>
    </message>
    <message>
        <source>Player %1 type</source>
        <translation>Tipo del jugador %1</translation>
    </message>
    <message>
        <source>Piece style</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>&amp;Next set</source>
        <translation>&amp;Otro juego</translation>
    </message>
    <message>
        <source>See the next piece set</source>
        <translation>Ver el siguiente juego de fichas</translation>
    </message>
    <message>
        <source>Type of companies</source>
        <translation>Tipo de empresas</translation>
    </message>
    <message>
        <source>Com&amp;puter companies</source>
        <translation>Empresas de &amp;informática</translation>
    </message>
    <message>
        <source>Ca&amp;r manufacturers</source>
        <translation>&amp;Fabricantes de coches</translation>
    </message>
    <message>
        <source>Companies like Microsoft, Intel, HP, etc</source>
        <translation>Empresas como Microsoft, Intel, HP, etc.</translation>
    </message>
    <message>
        <source>Companies like Ford, Nissan, BMW, etc</source>
        <translation>Empresas como Ford, Nissan, BMW, etc.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Auto-save every 5 min&apos;s</source>
        <translation>&amp;Guardar cada 5 min</translation>
    </message>
    <message>
        <source>Check to save the game automatically every 5 minutes</source>
        <translation>Márcalo para guardar la partida automáticamente cada 5 minutos</translation>
    </message>
    <message>
        <source>Play &amp;sounds</source>
        <translation>Con &amp;sonidos</translation>
    </message>
    <message>
        <source>Check to enable sounds during the game</source>
        <translation>Márcalo para oír sonidos durante la partida</translation>
    </message>
    <message>
        <source>&amp;Limit reaction time</source>
        <translation>&amp;Limitar tiempo de reacción</translation>
    </message>
    <message>
        <source>Check to set limits on the amount of time you&apos;ve got to react to game prompts</source>
        <translation>Márcalo para limitar el tiempo que tienes para responder a los avisos de la partida</translation>
    </message>
    <message>
        <source>Play &amp;background music</source>
        <translation>&amp;Música de fondo</translation>
    </message>
    <message>
        <source>Check to listen to soft music during the game</source>
        <translation>Márcalo para oír música suave durante la partida</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>Start the game</source>
        <translation>Empezar la partida</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Cancel new game</source>
        <translation>No empezar una partida nueva</translation>
    </message>
    <message>
        <source>Network player</source>
        <translation>Jugador en red</translation>
    </message>
    <message>
        <source>Choose Human for a person at this screen, Network player for a person joining over the network, or a computer player and its strength</source>
        <translation>Elige Persona para alguien ante esta pantalla, Jugador en red para alguien que se une por la red, o un jugador del Ordenador y su nivel</translation>
    </message>
</context>
<context>
    <name>zx::PlayerWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Estate = your cash + your bank balance + the value of all your companies</source>
        <translation>Patrimonio = tu efectivo + tu saldo bancario + el valor de todas tus empresas</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>Efectivo:</translation>
    </message>
    <message>
        <source>Estate:</source>
        <translation>Patrimonio:</translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation>&amp;Prestar</translation>
    </message>
    <message>
        <source>Lend money to somebody</source>
        <translation>Prestar dinero a alguien</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Abandonar</translation>
    </message>
    <message>
        <source>Exit the game voluntarily</source>
        <translation>Abandonar la partida voluntariamente</translation>
    </message>
    <message>
        <source>Companies</source>
        <translation>Empresas</translation>
    </message>
    <message>
        <source>The list of companies you own</source>
        <translation>La lista de tus empresas</translation>
    </message>
    <message>
        <source>Companies you own</source>
        <translation>Tus empresas</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Vender</translation>
    </message>
    <message>
        <source>Sell your companies</source>
        <translation>Vender tus empresas</translation>
    </message>
    <message>
        <source>Insure</source>
        <translation>Asegurar</translation>
    </message>
    <message>
        <source>Check to insure the company to the left</source>
        <translation>Márcalo para asegurar la empresa de la izquierda</translation>
    </message>
    <message>
        <source>Insure company %1</source>
        <translation>Asegurar la empresa %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Insure selected companies</source>
        <translation>Asegurar las empresas elegidas</translation>
    </message>
    <message>
        <source>Bank account</source>
        <translation>Cuenta bancaria</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>Enter a number smaller than 1 or leave empty to refuse</source>
        <translation>Escribe un número menor que 1 o déjalo vacío para renunciar</translation>
    </message>
    <message>
        <source>Amount in million dollars</source>
        <translation>Cantidad en millones de dólares</translation>
    </message>
    <message>
        <source>Step the amount</source>
        <translation>Cambiar la cantidad paso a paso</translation>
    </message>
    <message>
        <source>Mil. $</source>
        <translation>Mill. $</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>&amp;Ingresar</translation>
    </message>
    <message>
        <source>Put money in your bank account</source>
        <translation>Meter dinero en tu cuenta bancaria</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>&amp;Retirar</translation>
    </message>
    <message>
        <source>Take money out of your bank account</source>
        <translation>Sacar dinero de tu cuenta bancaria</translation>
    </message>
    <message>
        <source>Insure %1</source>
        <translation>Asegurar %1</translation>
    </message>
</context>
<context>
    <name>zx::ResultsWindow</name>
    <message>
        <source>Game over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Finish game!</source>
        <translation>¡Terminar la partida!</translation>
    </message>
</context>
<context>
    <name>zx::SellWindow</name>
    <message>
        <source>The bank will always buy companies at half of their original value</source>
        <translation>El banco siempre compra las empresas a la mitad de su valor original</translation>
    </message>
    <message>
        <source>Enter bids without commas or dollar sign.  Example:1630000</source>
        <translation>Escribe las pujas sin comas ni signo de dólar.  Ejemplo:1630000</translation>
    </message>
    <message>
        <source>Sell a company</source>
        <translation>Vender una empresa</translation>
    </message>
    <message>
        <source>Company to be sold</source>
        <translation>Empresa en venta</translation>
    </message>
    <message>
        <source>Bids</source>
        <translation>Pujas</translation>
    </message>
    <message>
        <source>Bank&apos;s offer</source>
        <translation>Oferta del banco</translation>
    </message>
    <message>
        <source>Bid</source>
        <translation>Puja</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>S&amp;ubmit</source>
        <translation>&amp;Revelar</translation>
    </message>
    <message>
        <source>End bid and reveal bids</source>
        <translation>Cerrar la puja y revelar las pujas</translation>
    </message>
    <message>
        <source>&amp;Sell</source>
        <translation>&amp;Vender</translation>
    </message>
    <message>
        <source>Sell company to selected player</source>
        <translation>Vender la empresa al jugador elegido</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Refuse selling company</source>
        <translation>No vender la empresa</translation>
    </message>
    <message>
        <source>Bid of %1</source>
        <translation>Puja de %1</translation>
    </message>
</context>
<context>
    <name>zx::WaitWindow</name>
    <message>
        <source>Waiting...</source>
        <translation>Esperando...</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Pagar</translation>
    </message>
    <message>
        <source>Pay the money and continue the game</source>
        <translation>Pagar el dinero y seguir jugando</translation>
    </message>
    <message>
        <source>I Lose!</source>
        <translation>¡Me rindo!</translation>
    </message>
    <message>
        <source>Lose and exit the game</source>
        <translation>Rendirse y abandonar la partida</translation>
    </message>
</context>
</TS>
