#include "dispatch.h"

#include "wire.h"

#include <cstring>
#include <string_view>
#include <unistd.h>

namespace engine::server {
namespace {

using protocol::Field;
using protocol::Kind;
using protocol::Reader;

void reset(Call &call) {
    for (Argument &a : call.args)
        a = Argument{};
    call.result = 0;
    call.bufferBytes = 0;
    call.passFd = -1;
}

// NUL-terminated copy of a byte string field, or null for kNullLength.
bool readText(Reader &in, std::vector<char> &store, const char **text) {
    uint32_t length = in.get<uint32_t>();
    if (length == protocol::kNullLength)
        return in.ok;
    const uint8_t *bytes = in.take(length);
    if (!bytes)
        return false;
    store.assign(bytes, bytes + length);
    store.push_back('\0');
    *text = store.data();
    return true;
}

bool readWideText(Reader &in, std::vector<unsigned short> &store, const unsigned short **text) {
    uint32_t units = in.get<uint32_t>();
    if (units == protocol::kNullLength)
        return in.ok;
    const uint8_t *bytes = in.take(size_t{units} * 2);
    if (!bytes)
        return false;
    store.resize(size_t{units} + 1);
    std::memcpy(store.data(), bytes, size_t{units} * 2);
    store[units] = 0;
    *text = store.data();
    return true;
}

// Decodes the fields of `row`; false when the message is malformed or a handle does not
// name a live object of the expected kind on this connection.
bool decode(Call &call, Reader &in) {
    const protocol::Operation &row = *call.row;
    HandleTable &handles = call.handles();
    size_t texts = 0;
    for (size_t i = 0; i < row.count; ++i) {
        Argument &a = call.args[i];
        const protocol::Param &p = row.params[i];
        switch (p.field) {
        case Field::Handle:
        case Field::HandleOrNull: {
            uint64_t word = in.get<uint64_t>();
            if (word == 0 && p.field == Field::HandleOrNull)
                break;
            Slot *slot = handles.find(word, p.kind, &a.ref);
            if (!slot)
                return false;
            a.object = slot->object;
            break;
        }
        case Field::Int:
            a.in.i = in.get<int32_t>();
            break;
        case Field::UInt:
            a.in.u = in.get<uint32_t>();
            break;
        case Field::ULong:
            a.in.ul = in.get<uint64_t>();
            break;
        case Field::Float:
            a.in.f = in.get<float>();
            break;
        case Field::Double:
            a.in.d = in.get<double>();
            break;
        case Field::Text:
            if (texts >= std::size(call.text) || !readText(in, call.text[texts++], &a.text))
                return false;
            break;
        case Field::WideText:
            if (!readWideText(in, call.wide, &a.wide))
                return false;
            break;
        case Field::Floats4In:
        case Field::Floats6In: {
            a.present = in.get<uint8_t>() != 0;
            size_t n = p.field == Field::Floats4In ? 4 : 6;
            for (size_t k = 0; k < n; ++k)
                a.floats[k] = in.get<float>();
            break;
        }
        case Field::OutInt:
        case Field::InOutInt:
            a.present = in.get<uint8_t>() != 0;
            a.out.i = in.get<int32_t>();
            break;
        case Field::OutFloat:
            a.present = in.get<uint8_t>() != 0;
            a.out.f = in.get<float>();
            break;
        case Field::OutDouble:
            a.present = in.get<uint8_t>() != 0;
            a.out.d = in.get<double>();
            break;
        case Field::OutFloats4:
            a.present = in.get<uint8_t>() != 0;
            for (float &f : a.out.f4)
                f = in.get<float>();
            break;
        case Field::OutHandle:
            a.present = in.get<uint8_t>() != 0;
            a.out.h = in.get<uint64_t>();
            break;
        case Field::OutBuffer:
            a.present = in.get<uint8_t>() != 0;
            a.capacity = in.get<uint64_t>();
            break;
        }
    }
    return in.ok && in.left == 0;
}

// When a call names a document and other objects, they must belong to that document: an
// object of one document handed to another would let the engine mix the two.
bool sameDocument(Call &call) {
    const protocol::Operation &row = *call.row;
    Ref document = 0;
    for (size_t i = 0; i < row.count; ++i)
        if (row.params[i].kind == Kind::Document)
            document = call.args[i].ref;
    if (!document)
        return true;
    for (size_t i = 0; i < row.count; ++i) {
        const protocol::Param &p = row.params[i];
        if (p.kind != Kind::None && p.kind != Kind::Document && call.args[i].ref &&
            call.handles().at(call.args[i].ref).document != document)
            return false;
    }
    return true;
}

void encodeOutputs(Call &call, protocol::Writer &out) {
    const protocol::Operation &row = *call.row;
    for (size_t i = 0; i < row.count; ++i) {
        const Argument &a = call.args[i];
        if (!a.present)
            continue;
        switch (row.params[i].field) {
        case Field::OutInt:
        case Field::InOutInt:
            out.put(a.out.i);
            break;
        case Field::OutFloat:
            out.put(a.out.f);
            break;
        case Field::OutDouble:
            out.put(a.out.d);
            break;
        case Field::OutFloats4:
            out.bytes(a.out.f4, sizeof a.out.f4);
            break;
        case Field::OutHandle:
            out.put(a.out.h);
            break;
        case Field::OutBuffer:
            out.put(static_cast<uint32_t>(call.bufferBytes));
            out.bytes(call.buffer.data(), call.bufferBytes);
            break;
        default:
            break;
        }
    }
}

} // namespace

void dispatchCall(Session &session, const uint8_t *body, size_t size, size_t nameLength, Call &call,
                  std::vector<uint8_t> &reply) {
    reset(call);
    call.session = &session;
    protocol::Status status = protocol::Status::Refused;
    reply.clear();
    reply.resize(sizeof(protocol::ReplyHeader));
    protocol::Writer out{reply};

    std::string_view name(reinterpret_cast<const char *>(body), nameLength <= size ? nameLength : 0);
    call.row = protocol::findOperation(name);
    if (call.row && nameLength <= size) {
        Reader in{body + nameLength, size - nameLength};
        size_t index = static_cast<size_t>(call.row - protocol::kOperations.data());
        if (decode(call, in) && sameDocument(call) && kHandlers[index].run(call)) {
            status = protocol::Status::Performed;
            encodeOutputs(call, out);
        }
    }
    if (status != protocol::Status::Performed && call.passFd >= 0) {
        close(call.passFd);
        call.passFd = -1;
    }
    protocol::ReplyHeader header{};
    header.size = static_cast<uint32_t>(reply.size());
    header.status = status;
    header.result = status == protocol::Status::Performed ? call.result : 0;
    std::memcpy(reply.data(), &header, sizeof header);
}

} // namespace engine::server
