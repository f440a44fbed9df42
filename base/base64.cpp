#include "base/base64.h"

#include <stdexcept>

namespace Ko::Base64 {

namespace {

const char kStandard[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const char kUrlSafe[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

[[noreturn]] void invalid() {
    throw std::runtime_error("Input is not valid base64-encoded data.");
}

unsigned value(char c) {
    if (c >= 'A' && c <= 'Z')
        return unsigned(c - 'A');
    if (c >= 'a' && c <= 'z')
        return unsigned(c - 'a') + 26;
    if (c >= '0' && c <= '9')
        return unsigned(c - '0') + 52;
    if (c == '+' || c == '-')
        return 62;
    if (c == '/' || c == '_')
        return 63;
    invalid();
}

bool isPad(char c) {
    return c == '=' || c == '.';
}

std::string withLineBreaks(std::string text, size_t lineLength) {
    // Each inserted '\n' shifts the following positions by one, hence the stride of lineLength+1.
    for (size_t pos = lineLength; pos < text.size(); pos += lineLength + 1)
        text.insert(pos, 1, '\n');
    return text;
}

} // namespace

std::string encodeBytes(const uint8_t* data, size_t len, bool urlSafe) {
    const char* alphabet = urlSafe ? kUrlSafe : kStandard;
    const char pad = urlSafe ? '.' : '=';
    std::string out;
    out.reserve((len + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < len; i += 3) {
        const uint8_t b0 = data[i], b1 = data[i + 1], b2 = data[i + 2];
        out += alphabet[b0 >> 2];
        out += alphabet[((b0 & 3) << 4) | (b1 >> 4)];
        out += alphabet[((b1 & 15) << 2) | (b2 >> 6)];
        out += alphabet[b2 & 63];
    }
    if (len - i == 2) {
        const uint8_t b0 = data[i], b1 = data[i + 1];
        out += alphabet[b0 >> 2];
        out += alphabet[((b0 & 3) << 4) | (b1 >> 4)];
        out += alphabet[(b1 & 15) << 2];
        out += pad;
    } else if (len - i == 1) {
        const uint8_t b0 = data[i];
        out += alphabet[b0 >> 2];
        out += alphabet[(b0 & 3) << 4];
        out += pad;
        out += pad;
    }
    return out;
}

std::string encode(const std::string& bytes, bool urlSafe) {
    return encodeBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), urlSafe);
}

std::string encodePem(const uint8_t* data, size_t len) {
    return withLineBreaks(encodeBytes(data, len, false), 64);
}

std::string encodePem(const std::string& bytes) {
    return encodePem(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string encodeMime(const uint8_t* data, size_t len) {
    return withLineBreaks(encodeBytes(data, len, false), 76);
}

std::string encodeMime(const std::string& bytes) {
    return encodeMime(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string decode(const char* text, size_t len, bool stripLineBreaks) {
    if (len == 0)
        return {};
    if (stripLineBreaks) {
        std::string stripped;
        stripped.reserve(len);
        for (size_t i = 0; i < len; ++i) {
            if (text[i] != '\n')
                stripped += text[i];
        }
        return decode(stripped.data(), stripped.size(), false);
    }
    std::string out;
    out.reserve(len / 4 * 3);
    for (size_t i = 0; i < len; i += 4) {
        if (i + 1 >= len)
            invalid();
        const unsigned s0 = value(text[i]);
        const unsigned s1 = value(text[i + 1]);
        out += char((s0 << 2) + ((s1 >> 4) & 3));
        // Padding ends its group only; decoding goes on with the next one.
        if (i + 2 < len && !isPad(text[i + 2])) {
            const unsigned s2 = value(text[i + 2]);
            out += char(((s1 << 4) | ((s2 >> 2) & 15)) & 0xFF);
            if (i + 3 < len && !isPad(text[i + 3])) {
                const unsigned s3 = value(text[i + 3]);
                out += char((s3 + (s2 << 6)) & 0xFF);
            }
        }
    }
    return out;
}

std::string decode(const std::string& text, bool stripLineBreaks) {
    return decode(text.data(), text.size(), stripLineBreaks);
}

} // namespace Ko::Base64
