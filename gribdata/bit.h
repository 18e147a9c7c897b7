// Reads and writes bit fields, most significant bit first, over a byte
// buffer: the field decoder and the land masks read with it.
#ifndef GRIBDATA_BIT_H
#define GRIBDATA_BIT_H

class Bit {
public:
    unsigned int position = 0;  // in bits from the start of the buffer
    unsigned int limite = 0;    // bits that can be read; for a writer, bits written
    int length = 0;             // bytes in the buffer
    unsigned char* buffer = nullptr;

    // Over `buffer` (not owned) of `length` bytes; without a buffer, over
    // `length` zero bytes of its own (128 when `length` is below 1).
    Bit(int length, unsigned char* buffer);
    ~Bit();
    Bit(const Bit&) = delete;
    Bit& operator=(const Bit&) = delete;

    void set(int length, unsigned char* buffer);

    // The next n bits (1..32) as an unsigned value; bits past the limit read
    // as 0. Any other n is a programming error: the process ends (status 98).
    unsigned long read(int n)
    {
        // The decoder's case, one byte at a time.
        if (n == 8 && (position & 7) == 0 && position + 8 <= limite) {
            const unsigned char octet = buffer[position >> 3];
            position += 8;
            return octet;
        }
        return lire(n);
    }

    // Stores the n low bits of value at the position, growing the buffer
    // when needed; answers the bit limit.
    unsigned int write(unsigned long value, int n);
    // Adds n zero bytes at the end of the buffer.
    void update(int n);

    void skip(int n) { position += unsigned(n); }
    void seek(unsigned long p) { position = (unsigned int)p; }
    unsigned int tell() const { return position; }
    unsigned int tellmax() const { return limite; }
    unsigned char* tostring() const { return buffer; }
    int size() const { return length; }

private:
    unsigned long lire(int n);
    void agrandir(unsigned long longueur);
    void liberer();
    bool proprietaire_ = false;
};

#endif
