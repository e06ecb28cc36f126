#ifndef CAMGUIDE_FUZZINPUT_H
#define CAMGUIDE_FUZZINPUT_H

// What the fuzz targets and their seed writer share: the layout of an input
// and the check that stops a run when a property fails.
//
// An input is a series of fields, each a two-byte big-endian length followed
// by that many bytes; a length beyond the end takes what is left. A target
// may read single bytes between the fields.

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property that must hold for every input: a violation is a finding.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzzInput {

// The computer and the camera the reader's inputs are addressed to and come
// from; digits only, so that case never matters.
inline constexpr char hostMac[] = "02:00:00:00:00:01";
inline constexpr char cameraMac[] = "02:00:00:00:10:01";

class reader
{
public:
    reader(const uint8_t *data, size_t size) : at(data), end(data + size) {}

    bool atEnd() const { return at == end; }

    // 0 once the input is used up.
    uint8_t byte() { return at == end ? 0 : *at++; }

    // A copy, so that a read beyond the field is one beyond its own buffer.
    QByteArray field()
    {
        size_t length = size_t(byte()) << 8;
        length |= byte();
        const size_t left = size_t(end - at);
        if (length > left)
            length = left;
        const QByteArray out(reinterpret_cast<const char *>(at), qsizetype(length));
        at += length;
        return out;
    }

private:
    const uint8_t *at;
    const uint8_t *end;
};

// The writer's side of reader::field().
inline QByteArray field(const QByteArray &bytes)
{
    const qsizetype length = bytes.size() > 0xffff ? 0xffff : bytes.size();
    QByteArray out;
    out.append(char(length >> 8)).append(char(length & 0xff)).append(bytes.left(length));
    return out;
}

}  // namespace fuzzInput

#endif
