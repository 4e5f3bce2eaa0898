#include "net/protocol.h"

#include <QCborArray>
#include <QCborParserError>
#include <algorithm>
#include <array>
#include <utility>

namespace zx::net {
namespace {

constexpr std::array<std::pair<Kind, const char*>, 20> Kinds{{
    {Kind::Hello, "hello"}, {Kind::Welcome, "welcome"}, {Kind::Create, "create"}, {Kind::Created, "created"},
    {Kind::List, "list"}, {Kind::Tables, "tables"}, {Kind::Join, "join"}, {Kind::Joined, "joined"},
    {Kind::Resume, "resume"}, {Kind::Resumed, "resumed"}, {Kind::Watch, "watch"}, {Kind::Status, "status"},
    {Kind::Box, "box"}, {Kind::Answer, "answer"}, {Kind::View, "view"}, {Kind::Change, "change"},
    {Kind::Operation, "operation"}, {Kind::Error, "error"}, {Kind::Chat, "chat"}, {Kind::Done, "done"},
}};

constexpr std::array<std::pair<OpKind, const char*>, 31> OpKinds{{
    {OpKind::RollDice, "RollDice"}, {OpKind::BoardClick, "BoardClick"}, {OpKind::BuyChoose, "BuyChoose"},
    {OpKind::BuyBuy, "BuyBuy"}, {OpKind::BuyCancel, "BuyCancel"}, {OpKind::DeskType, "DeskType"},
    {OpKind::DeskScroll, "DeskScroll"}, {OpKind::DeskDeposit, "DeskDeposit"}, {OpKind::DeskWithdraw, "DeskWithdraw"},
    {OpKind::DeskOK, "DeskOK"}, {OpKind::DeskInsurance, "DeskInsurance"}, {OpKind::DeskSell, "DeskSell"},
    {OpKind::DeskLoan, "DeskLoan"}, {OpKind::DeskQuit, "DeskQuit"}, {OpKind::DeskList, "DeskList"},
    {OpKind::WaitPay, "WaitPay"}, {OpKind::WaitLose, "WaitLose"}, {OpKind::SaleChooseCompany, "SaleChooseCompany"},
    {OpKind::SaleChooseBuyer, "SaleChooseBuyer"}, {OpKind::SaleBid, "SaleBid"}, {OpKind::SaleSubmit, "SaleSubmit"},
    {OpKind::SaleSell, "SaleSell"}, {OpKind::SaleCancel, "SaleCancel"}, {OpKind::SaleClose, "SaleClose"},
    {OpKind::LoanChooseBorrower, "LoanChooseBorrower"}, {OpKind::LoanType, "LoanType"},
    {OpKind::LoanScroll, "LoanScroll"}, {OpKind::LoanTerms, "LoanTerms"}, {OpKind::LoanLend, "LoanLend"},
    {OpKind::LoanCancel, "LoanCancel"}, {OpKind::LoanClose, "LoanClose"},
}};

bool SmallInteger(const QCborMap& m, const char* key, int& out) {
    const QCborValue v = m.value(QLatin1String(key));
    if (v.isUndefined()) return true;
    if (!v.isInteger() || v.toInteger() < -1000 || v.toInteger() > 1000) return false;
    out = static_cast<int>(v.toInteger());
    return true;
}

std::optional<Request> Fail(DecodeError* error, const QString& text, ErrorCode code = ErrorCode::Malformed) {
    if (error) *error = {code, text};
    return std::nullopt;
}

// A field that may be absent; present, it must have the type asked for.
bool OptionalText(const QCborMap& m, const char* key, QString& out) {
    const QCborValue v = m.value(QLatin1String(key));
    if (v.isUndefined()) return true;
    if (!v.isString()) return false;
    out = v.toString();
    return true;
}

bool OptionalBool(const QCborMap& m, const char* key, bool& out) {
    const QCborValue v = m.value(QLatin1String(key));
    if (v.isUndefined()) return true;
    if (!v.isBool()) return false;
    out = v.toBool();
    return true;
}

bool RequiredText(const QCborMap& m, const char* key, QString& out, qsizetype maxLength) {
    const QCborValue v = m.value(QLatin1String(key));
    if (!v.isString()) return false;
    out = v.toString();
    return out.size() <= maxLength;
}

std::optional<Request> DecodeCreate(const QCborMap& m, Request r, DecodeError* error) {
    const QCborValue seats = m.value(QLatin1String("seats"));
    if (!seats.isArray()) return Fail(error, QStringLiteral("A new table needs its seats."));
    const QCborArray list = seats.toArray();
    if (list.size() < MinSeats || list.size() > MaxSeats)
        return Fail(error, QStringLiteral("A table has 2 to 4 seats."), ErrorCode::BadTable);
    for (const QCborValue& s : list) {
        if (!s.isMap()) return Fail(error, QStringLiteral("Each seat is a map."));
        const QCborMap seat = s.toMap();
        SeatChoice choice;
        QString type;
        if (!RequiredText(seat, "type", type, 16)) return Fail(error, QStringLiteral("Each seat needs its type."));
        const auto t = SeatTypeFromName(type);
        if (!t) return Fail(error, QStringLiteral("A seat is remote, easy, normal or hard."), ErrorCode::BadTable);
        choice.type = *t;
        if (!OptionalText(seat, "name", choice.name)) return Fail(error, QStringLiteral("A seat's name is text."));
        if (choice.name.size() > MaxNameLength)
            return Fail(error, QStringLiteral("A name has at most 12 characters."), ErrorCode::BadName);
        QString sex = QStringLiteral("F");
        if (!OptionalText(seat, "sex", sex)) return Fail(error, QStringLiteral("A seat's sex is text."));
        if (sex != QLatin1String("F") && sex != QLatin1String("M"))
            return Fail(error, QStringLiteral("A seat's sex is F or M."), ErrorCode::BadTable);
        choice.male = sex == QLatin1String("M");
        r.seats.push_back(choice);
    }
    const QCborValue options = m.value(QLatin1String("options"));
    if (!options.isUndefined()) {
        if (!options.isMap()) return Fail(error, QStringLiteral("The options are a map."));
        const QCborMap o = options.toMap();
        TableOptions& t = r.options;
        if (!OptionalBool(o, "autoSave", t.autoSave) || !OptionalBool(o, "sounds", t.sounds) ||
            !OptionalBool(o, "limitReactionTime", t.limitReactionTime) ||
            !OptionalBool(o, "backgroundMusic", t.backgroundMusic))
            return Fail(error, QStringLiteral("The options are true or false."));
        const QCborValue set = o.value(QLatin1String("companySet"));
        if (!set.isUndefined()) {
            if (!set.isInteger() || set.toInteger() < 1 || set.toInteger() > 2)
                return Fail(error, QStringLiteral("The company set is 1 or 2."), ErrorCode::BadTable);
            t.companySet = static_cast<int>(set.toInteger());
        }
        const QCborValue away = o.value(QLatin1String("awaySeconds"));
        if (!away.isUndefined()) {
            if (!away.isInteger() || away.toInteger() < 1 || away.toInteger() > 3600)
                return Fail(error, QStringLiteral("A seat may be away 1 to 3600 seconds."), ErrorCode::BadTable);
            t.awaySeconds = static_cast<int>(away.toInteger());
        }
    }
    const QCborValue seed = m.value(QLatin1String("seed"));
    if (!seed.isUndefined()) {
        if (!seed.isInteger() || seed.toInteger() < 0) return Fail(error, QStringLiteral("The seed is a whole number."));
        r.seed = static_cast<std::uint64_t>(seed.toInteger());
    }
    return r;
}

}  // namespace

QString KindName(Kind k) {
    for (const auto& [kind, name] : Kinds)
        if (kind == k) return QLatin1String(name);
    return {};
}

std::optional<Kind> KindFromName(const QString& name) {
    for (const auto& [kind, n] : Kinds)
        if (name == QLatin1String(n)) return kind;
    return std::nullopt;
}

QString ErrorCodeName(ErrorCode c) {
    switch (c) {
        case ErrorCode::Malformed: return QStringLiteral("malformed");
        case ErrorCode::TooLarge: return QStringLiteral("too-large");
        case ErrorCode::TooFast: return QStringLiteral("too-fast");
        case ErrorCode::Version: return QStringLiteral("version");
        case ErrorCode::UnknownKind: return QStringLiteral("unknown-kind");
        case ErrorCode::BadTable: return QStringLiteral("bad-table");
        case ErrorCode::UnknownTable: return QStringLiteral("unknown-table");
        case ErrorCode::TableFull: return QStringLiteral("table-full");
        case ErrorCode::BadToken: return QStringLiteral("bad-token");
        case ErrorCode::BadName: return QStringLiteral("bad-name");
        case ErrorCode::NoSuchBox: return QStringLiteral("no-such-box");
        case ErrorCode::NotSeated: return QStringLiteral("not-seated");
        case ErrorCode::Seated: return QStringLiteral("seated");
        case ErrorCode::NotYet: return QStringLiteral("not-yet");
        case ErrorCode::Busy: return QStringLiteral("busy");
        case ErrorCode::Refused: return QStringLiteral("refused");
        case ErrorCode::Moved: return QStringLiteral("moved");
    }
    return QStringLiteral("malformed");
}

QString SeatTypeName(SeatType t) {
    switch (t) {
        case SeatType::Remote: return QStringLiteral("remote");
        case SeatType::Easy: return QStringLiteral("easy");
        case SeatType::Normal: return QStringLiteral("normal");
        case SeatType::Hard: return QStringLiteral("hard");
    }
    return QStringLiteral("remote");
}

std::optional<SeatType> SeatTypeFromName(const QString& name) {
    for (SeatType t : {SeatType::Remote, SeatType::Easy, SeatType::Normal, SeatType::Hard})
        if (name == SeatTypeName(t)) return t;
    return std::nullopt;
}

QString BoxAnswerName(BoxAnswer a) {
    switch (a) {
        case BoxAnswer::Ok: return QStringLiteral("ok");
        case BoxAnswer::Cancel: return QStringLiteral("cancel");
        case BoxAnswer::Yes: return QStringLiteral("yes");
        case BoxAnswer::No: return QStringLiteral("no");
    }
    return QStringLiteral("ok");
}

std::optional<BoxAnswer> BoxAnswerFromName(const QString& name) {
    for (BoxAnswer a : {BoxAnswer::Ok, BoxAnswer::Cancel, BoxAnswer::Yes, BoxAnswer::No})
        if (name == BoxAnswerName(a)) return a;
    return std::nullopt;
}

QString IconName(MsgIcon i) {
    switch (i) {
        case MsgIcon::None: return QStringLiteral("none");
        case MsgIcon::Exclamation: return QStringLiteral("exclamation");
        case MsgIcon::Critical: return QStringLiteral("critical");
        case MsgIcon::Question: return QStringLiteral("question");
        case MsgIcon::Information: return QStringLiteral("information");
    }
    return QStringLiteral("none");
}

MsgIcon IconFromName(const QString& name) {
    for (MsgIcon i : {MsgIcon::Exclamation, MsgIcon::Critical, MsgIcon::Question, MsgIcon::Information})
        if (name == IconName(i)) return i;
    return MsgIcon::None;
}

QString ButtonsName(MsgButtons b) {
    switch (b) {
        case MsgButtons::Ok: return QStringLiteral("ok");
        case MsgButtons::OkCancel: return QStringLiteral("okcancel");
        case MsgButtons::YesNo: return QStringLiteral("yesno");
        case MsgButtons::YesNoCancel: return QStringLiteral("yesnocancel");
    }
    return QStringLiteral("ok");
}

std::optional<MsgButtons> ButtonsFromName(const QString& name) {
    for (MsgButtons b : {MsgButtons::Ok, MsgButtons::OkCancel, MsgButtons::YesNo, MsgButtons::YesNoCancel})
        if (name == ButtonsName(b)) return b;
    return std::nullopt;
}

BoxAnswer ToBoxAnswer(MsgAnswer a) {
    switch (a) {
        case MsgAnswer::Ok: return BoxAnswer::Ok;
        case MsgAnswer::Cancel: return BoxAnswer::Cancel;
        case MsgAnswer::Yes: return BoxAnswer::Yes;
        case MsgAnswer::No: return BoxAnswer::No;
    }
    return BoxAnswer::Ok;
}

MsgAnswer FromBoxAnswer(BoxAnswer a) {
    switch (a) {
        case BoxAnswer::Ok: return MsgAnswer::Ok;
        case BoxAnswer::Cancel: return MsgAnswer::Cancel;
        case BoxAnswer::Yes: return MsgAnswer::Yes;
        case BoxAnswer::No: return MsgAnswer::No;
    }
    return MsgAnswer::Ok;
}

QCborMap OptionsToCbor(const TableOptions& o) {
    QCborMap m;
    m.insert(QLatin1String("autoSave"), o.autoSave);
    m.insert(QLatin1String("sounds"), o.sounds);
    m.insert(QLatin1String("limitReactionTime"), o.limitReactionTime);
    m.insert(QLatin1String("backgroundMusic"), o.backgroundMusic);
    m.insert(QLatin1String("companySet"), o.companySet);
    m.insert(QLatin1String("awaySeconds"), o.awaySeconds);
    return m;
}

std::optional<QCborMap> DecodeFrame(const QByteArray& bytes, DecodeError* error) {
    auto fail = [error](ErrorCode code, const QString& text) -> std::optional<QCborMap> {
        if (error) *error = {code, text};
        return std::nullopt;
    };
    if (bytes.size() > MaxMessageBytes)
        return fail(ErrorCode::TooLarge, QStringLiteral("The message is longer than %1 bytes.").arg(MaxMessageBytes));
    QCborParserError parseError;
    const QCborValue v = QCborValue::fromCbor(bytes, &parseError);
    if (parseError.error != QCborError::NoError)
        return fail(ErrorCode::Malformed, QStringLiteral("The message is not CBOR: %1.").arg(parseError.errorString()));
    if (!v.isMap()) return fail(ErrorCode::Malformed, QStringLiteral("A message is a CBOR map."));
    QCborMap m = v.toMap();
    if (!m.value(QLatin1String("kind")).isString())
        return fail(ErrorCode::Malformed, QStringLiteral("A message needs its kind."));
    return m;
}

std::optional<Request> DecodeRequest(const QByteArray& bytes, DecodeError* error) {
    DecodeError frameError;
    const auto frame = DecodeFrame(bytes, &frameError);
    if (!frame) return Fail(error, frameError.text, frameError.code);
    const QCborMap& m = *frame;
    const QString kindName = m.value(QLatin1String("kind")).toString();
    const auto kind = KindFromName(kindName);
    Request r;
    if (!kind) return Fail(error, QStringLiteral("Unknown kind of message: %1.").arg(kindName.left(32)), ErrorCode::UnknownKind);
    r.kind = *kind;
    switch (r.kind) {
        case Kind::Hello: {
            const QCborValue v = m.value(QLatin1String("version"));
            if (!v.isInteger()) return Fail(error, QStringLiteral("hello needs the protocol version."), ErrorCode::Version);
            r.version = static_cast<int>(std::clamp<qint64>(v.toInteger(), -1, 1 << 30));
            return r;
        }
        case Kind::Create: return DecodeCreate(m, r, error);
        case Kind::List: return r;
        case Kind::Join:
            if (!RequiredText(m, "table", r.table, 64)) return Fail(error, QStringLiteral("join needs a table code."));
            if (!OptionalText(m, "name", r.name)) return Fail(error, QStringLiteral("A name is text."));
            if (r.name.size() > MaxNameLength)
                return Fail(error, QStringLiteral("A name has at most 12 characters."), ErrorCode::BadName);
            return r;
        case Kind::Watch:
            if (!RequiredText(m, "table", r.table, 64)) return Fail(error, QStringLiteral("watch needs a table code."));
            return r;
        case Kind::Resume:
            if (!RequiredText(m, "token", r.token, 64)) return Fail(error, QStringLiteral("resume needs a seat token."));
            return r;
        case Kind::Answer: {
            const QCborValue box = m.value(QLatin1String("box"));
            QString answer;
            if (!box.isInteger() || !RequiredText(m, "answer", answer, 16))
                return Fail(error, QStringLiteral("answer needs the box and the button."));
            const auto a = BoxAnswerFromName(answer);
            if (!a) return Fail(error, QStringLiteral("A box is answered ok, cancel, yes or no."));
            r.box = box.toInteger();
            r.answer = *a;
            return r;
        }
        case Kind::Operation: {
            const QCborValue op = m.value(QLatin1String("operation"));
            if (!op.isMap()) return Fail(error, QStringLiteral("operation needs the operation."));
            const QCborMap o = op.toMap();
            QString name, text;
            if (!RequiredText(o, "kind", name, 32)) return Fail(error, QStringLiteral("An operation needs its kind."));
            const auto k = OpKindFromName(name);
            if (!k) return Fail(error, QStringLiteral("Unknown operation: %1.").arg(name));
            r.op.kind = *k;
            if (!SmallInteger(o, "index", r.op.index) || !SmallInteger(o, "value", r.op.value) ||
                !SmallInteger(o, "window", r.op.window))
                return Fail(error, QStringLiteral("An operation's index, value and window are small whole numbers."));
            if (!OptionalText(o, "text", text) || text.size() > 16)
                return Fail(error, QStringLiteral("An operation's text is at most 16 characters."));
            r.op.text = text.toStdString();
            const QCborValue id = m.value(QLatin1String("id"));
            if (!id.isUndefined()) {
                if (!id.isInteger() || id.toInteger() < 0 || id.toInteger() > (qint64{1} << 53))
                    return Fail(error, QStringLiteral("An operation's id is a whole number from 0."));
                r.opId = id.toInteger();
            }
            return r;
        }
        case Kind::View: return r;
        case Kind::Chat: {
            if (!RequiredText(m, "text", r.text, MaxMessageBytes))
                return Fail(error, QStringLiteral("chat needs its text."));
            r.text = r.text.trimmed();
            if (r.text.isEmpty()) return Fail(error, QStringLiteral("There is nothing to say."));
            if (r.text.size() > MaxChatLength)
                return Fail(error, QStringLiteral("A chat line has at most %1 characters.").arg(MaxChatLength));
            return r;
        }
        default:
            return Fail(error, QStringLiteral("A client does not send %1.").arg(kindName), ErrorCode::UnknownKind);
    }
}

QByteArray Encode(const QCborMap& message) { return message.toCborValue().toCbor(); }

QCborMap Message(Kind k) {
    QCborMap m;
    m.insert(QLatin1String("kind"), KindName(k));
    return m;
}

QCborMap ErrorMessage(ErrorCode code, const QString& text, bool fatal) {
    QCborMap m = Message(Kind::Error);
    m.insert(QLatin1String("code"), ErrorCodeName(code));
    m.insert(QLatin1String("text"), text);
    m.insert(QLatin1String("fatal"), fatal);
    return m;
}

QByteArray HelloFrame(int version) {
    QCborMap m = Message(Kind::Hello);
    m.insert(QLatin1String("version"), version);
    return Encode(m);
}

QByteArray CreateFrame(const std::vector<SeatChoice>& seats, const TableOptions& options, std::optional<std::uint64_t> seed) {
    QCborMap m = Message(Kind::Create);
    QCborArray list;
    for (const SeatChoice& s : seats) {
        QCborMap seat;
        seat.insert(QLatin1String("type"), SeatTypeName(s.type));
        if (!s.name.isEmpty()) seat.insert(QLatin1String("name"), s.name);
        seat.insert(QLatin1String("sex"), s.male ? QStringLiteral("M") : QStringLiteral("F"));
        list.append(seat);
    }
    m.insert(QLatin1String("seats"), list);
    m.insert(QLatin1String("options"), OptionsToCbor(options));
    if (seed) m.insert(QLatin1String("seed"), static_cast<qint64>(*seed & 0x7FFF'FFFF'FFFF'FFFFull));
    return Encode(m);
}

QString OpKindName(OpKind k) {
    for (const auto& [kind, name] : OpKinds)
        if (kind == k) return QLatin1String(name);
    return {};
}

std::optional<OpKind> OpKindFromName(const QString& name) {
    for (const auto& [kind, n] : OpKinds)
        if (name == QLatin1String(n)) return kind;
    return std::nullopt;
}

QByteArray OperationFrame(const Op& op, qint64 id) {
    QCborMap o;
    o.insert(QLatin1String("kind"), OpKindName(op.kind));
    if (op.index) o.insert(QLatin1String("index"), op.index);
    if (op.value) o.insert(QLatin1String("value"), op.value);
    if (op.window) o.insert(QLatin1String("window"), op.window);
    if (!op.text.empty()) o.insert(QLatin1String("text"), QString::fromStdString(op.text));
    QCborMap m = Message(Kind::Operation);
    m.insert(QLatin1String("operation"), o);
    if (id >= 0) m.insert(QLatin1String("id"), id);
    return Encode(m);
}

QByteArray ChatFrame(const QString& text) {
    QCborMap m = Message(Kind::Chat);
    m.insert(QLatin1String("text"), text);
    return Encode(m);
}

QCborMap ChatMessage(int seat, const QString& name, const QString& text) {
    QCborMap m = Message(Kind::Chat);
    m.insert(QLatin1String("seat"), seat);
    m.insert(QLatin1String("name"), name);
    m.insert(QLatin1String("text"), text);
    return m;
}

bool LooksLikeToken(const QString& s) {
    if (s.size() != 32) return false;
    for (QChar c : s)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    return true;
}

bool LooksLikeTableCode(const QString& s) {
    if (s.size() != TableCodeLength) return false;
    const QLatin1String letters(TableCodeLetters);
    for (QChar c : s)
        if (!letters.contains(c)) return false;
    return true;
}

}  // namespace zx::net
