#ifndef MARROWICK_FUZZ_FUZZINPUT_H
#define MARROWICK_FUZZ_FUZZINPUT_H

#include <QtCore/QByteArray>

#include <climits>
#include <cstddef>
#include <cstdint>

// Reads a fuzzer's input as a stream of small decisions. Past the end every
// read gives 0, so any input, however short, describes a whole case.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    { }

    bool atEnd() const { return m_position >= m_size; }
    uint8_t byte() { return atEnd() ? 0 : m_data[m_position++]; }
    // A number from 0 to @p count - 1.
    int below(int count) { return byte() % count; }
    bool flag() { return byte() & 1; }
    // Up to @p most bytes, as many as one length byte asks for and the input still holds.
    QByteArray bytes(int most)
    {
        QByteArray result;
        for (int length = below(most + 1); length > 0 && !atEnd(); --length)
            result.append(char(byte()));
        return result;
    }
    // Mostly small numbers, now and then one of the extremes of int or a number of any size.
    int number()
    {
        static const int special[] = {INT_MIN, INT_MIN + 1, -6, -1, INT_MAX - 1, INT_MAX};
        const uint8_t selector = byte();
        if (selector < 200)
            return selector % 8;
        if (selector < 250)
            return special[selector % 6];
        int any = 0;
        for (int i = 0; i < 4; ++i)
            any = int(unsigned(any) << 8 | byte());
        return any;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_position = 0;
};

#endif
