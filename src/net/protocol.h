#pragma once
// The Zentrix network protocol, shared by the server and its clients.
//
// One message per WebSocket binary frame, each a CBOR map whose "kind" text
// names it. The first message of a connection must be "hello" with the
// client's protocol version; any other version, or anything else first,
// gets an "error" (code "version") and the connection is closed, so an old
// client is told apart instead of playing a confused game.
//
//  kind       direction  fields                                    answer
//  ---------  ---------  ----------------------------------------  ----------------
//  hello      c -> s     version                                   welcome
//  welcome    s -> c     version, server
//  create     c -> s     seats [{type remote|easy|normal|hard,     created
//                        name?, sex? F|M}] (2-4), options?
//                        {autoSave, sounds, limitReactionTime,
//                        backgroundMusic, companySet 1|2,
//                        awaySeconds 1..3600 (60)}, seed?
//  created    s -> c     table (the code to share)
//  list       c -> s     -                                         tables
//  tables     s -> c     tables [{table, started, seats [{seat,
//                        name, type, free}]}] (open tables only)
//  join       c -> s     table, name?                              joined, status
//  joined     s -> c     table, seat, token (128 bits, hex; the
//                        token, not the name, is the seat now)
//  resume     c -> s     token                                     resumed, status
//  resumed    s -> c     table, seat
//  watch      c -> s     table (public status of any table)        status
//  status     s -> c     table, started, finished, moves, seats
//                        [{seat, name, type, free, connected}],
//                        results [names by place] once finished;
//                        to watchers at every checkpoint, to the
//                        seats only when more than the moves changed
//  box        s -> c     box (id), text, title, icon, buttons,     answer (when
//                        default, mine (true: the box waits for      mine)
//                        this seat's answer; false: for everybody,
//                        no answer wanted)
//                        about (the box's English title)
//  answer     c -> s     box, answer ok|cancel|yes|no
//  view       s -> c     version, view (the seat's whole view, see
//                        view_codec.h: on start, resume, or asked)
//  view       c -> s     - (a client that found a gap asks again)  view
//  change     s -> c     version, change (the parts of the view
//                        that differ from version - 1; a walk or a
//                        money count is one change at its start)
//  operation  c -> s     operation {kind (OpKindName), index,      error (code
//                        value, text, window}: one of a person's    refused) when
//                        operations, always for the sender's seat;  refused; done
//                        id? (0 or more: asks for done)             when id given
//  done       s -> c     id (the operation is carried out; every
//                        change it made at once came before; the
//                        refusal of an operation with an id has it)
//  error      s -> c     code, text (words a person can read),
//                        fatal (the connection is closed after it);
//                        code "moved": address (ws://..., the server
//                        holding the table, when one does)
//  chat       c -> s     text (trimmed, 1..MaxChatLength;          chat (to the
//                        seated clients only)                      seats and the
//                                                                  watchers)
//  chat       s -> c     seat, name, text
//
// Limits: a message is at most MaxMessageBytes; a connection may send
// RateBurst messages at once and RatePerSecond on average, and create
// MaxTablesPerConnection tables; a server runs MaxLiveTables at most. Decoding checks
// every field's type and range, so the server never acts on a malformed
// message; it answers with an "error" instead.

#include <QByteArray>
#include <QCborMap>
#include <QCborValue>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/operations.h"
#include "rules/ui.h"

namespace zx::net {

constexpr int ProtocolVersion = 1;
constexpr qsizetype MaxMessageBytes = 16 * 1024;
constexpr int RatePerSecond = 50;
constexpr int RateBurst = 200;
// Tables not yet finished on one server, and tables one connection may create.
constexpr int MaxLiveTables = 5000;
constexpr int MaxTablesPerConnection = 20;
constexpr int MinSeats = 2;
constexpr int MaxSeats = 4;
// The longest name the new-game window takes.
constexpr int MaxNameLength = 12;
// The longest line a person may say at a table.
constexpr int MaxChatLength = 200;

enum class Kind {
    Hello, Welcome, Create, Created, List, Tables, Join, Joined, Resume, Resumed,
    Watch, Status, Box, Answer, View, Change, Operation, Error, Chat, Done,
};
QString KindName(Kind k);
std::optional<Kind> KindFromName(const QString& name);

enum class ErrorCode {
    Malformed,     // not CBOR, not a map, a field of the wrong type
    TooLarge,      // over MaxMessageBytes
    TooFast,       // over the rate limit
    Version,       // no hello first, or another protocol version
    UnknownKind,   // a kind the server does not take from clients
    BadTable,      // the seats or options of a new table are not a game
    UnknownTable,  // no table with that code
    TableFull,     // no free remote seat left
    BadToken,      // no seat with that token
    BadName,       // empty, too long, or another seat's name
    NoSuchBox,     // no box waiting for this seat's answer with that id
    NotSeated,     // the connection has joined no seat
    Seated,        // the connection has a seat already
    NotYet,        // not built into this server yet
    Busy,          // the server or this connection has as many tables as it may
    Refused,       // an operation the seat may not make now (the text says why)
    Moved,         // another server holds the table now; "address" says which
};
QString ErrorCodeName(ErrorCode c);

enum class SeatType { Remote, Easy, Normal, Hard };
QString SeatTypeName(SeatType t);
std::optional<SeatType> SeatTypeFromName(const QString& name);

struct SeatChoice {
    SeatType type = SeatType::Remote;
    QString name;  // empty: "Player N"
    bool male = false;
};

// The new-game window's options, with its defaults.
struct TableOptions {
    bool autoSave = true;
    bool sounds = true;
    bool limitReactionTime = false;
    bool backgroundMusic = true;
    int companySet = 1;
    // How long a remote seat's person may be away, when his answer or move
    // is due, before a computer player takes his seat until he is back.
    int awaySeconds = 60;
};
QCborMap OptionsToCbor(const TableOptions& o);

enum class BoxAnswer { Ok, Cancel, Yes, No };
QString BoxAnswerName(BoxAnswer a);
std::optional<BoxAnswer> BoxAnswerFromName(const QString& name);
// A box's icon, buttons and answers as the wire names them.
QString IconName(MsgIcon i);
MsgIcon IconFromName(const QString& name);  // None when unknown
QString ButtonsName(MsgButtons b);
std::optional<MsgButtons> ButtonsFromName(const QString& name);
BoxAnswer ToBoxAnswer(MsgAnswer a);
MsgAnswer FromBoxAnswer(BoxAnswer a);

// A client's message, checked.
struct Request {
    Kind kind = Kind::Hello;
    int version = 0;                 // hello
    std::vector<SeatChoice> seats;     // create
    TableOptions options;            // create
    std::optional<std::uint64_t> seed;  // create
    QString table;                   // join, watch
    QString name;                    // join (optional)
    QString token;                   // resume
    QString text;                    // chat (trimmed)
    qint64 box = 0;                  // answer
    BoxAnswer answer = BoxAnswer::Ok;  // answer
    Op op;                           // operation (its seatId is never the client's to say)
    qint64 opId = -1;                // operation: the client's number for it, -1 for none
};

struct DecodeError {
    ErrorCode code = ErrorCode::Malformed;
    QString text;
};

// One frame to a map with a "kind" text; empty (with why) otherwise.
std::optional<QCborMap> DecodeFrame(const QByteArray& bytes, DecodeError* error = nullptr);
// A client's frame to a checked request.
std::optional<Request> DecodeRequest(const QByteArray& bytes, DecodeError* error = nullptr);

QByteArray Encode(const QCborMap& message);
QCborMap Message(Kind k);
QCborMap ErrorMessage(ErrorCode code, const QString& text, bool fatal = false);

// Clients' side: the frames a client sends.
QByteArray HelloFrame(int version = ProtocolVersion);
QByteArray CreateFrame(const std::vector<SeatChoice>& seats, const TableOptions& options = {},
                       std::optional<std::uint64_t> seed = std::nullopt);

// Operations by name ("RollDice", "SaleBid", ...), for the wire.
QString OpKindName(OpKind k);
std::optional<OpKind> OpKindFromName(const QString& name);
// `id` (0 or more) asks the server to say when it has carried the
// operation out: "done" with the id once every change it made at once is
// sent, or the refusal with the id.
QByteArray OperationFrame(const Op& op, qint64 id = -1);
QByteArray ChatFrame(const QString& text);
// The server's side: a seat's line, for every client of the table.
QCborMap ChatMessage(int seat, const QString& name, const QString& text);

// Seat tokens and table codes.
bool LooksLikeToken(const QString& s);
// Table codes leave out the look-alikes 0/O and 1/I.
inline constexpr char TableCodeLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr int TableCodeLength = 6;
bool LooksLikeTableCode(const QString& s);

}  // namespace zx::net
