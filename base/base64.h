#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Ko::Base64 {

// Threads: any thread.

// RFC 4648 base64. The URL-safe alphabet pads with '.' instead of '='.
std::string encodeBytes(const uint8_t* data, size_t len, bool urlSafe);
std::string encode(const std::string& bytes, bool urlSafe);
// Standard alphabet with a line feed after every 64 (PEM) or 76 (MIME) characters.
std::string encodePem(const std::string& bytes);
std::string encodePem(const uint8_t* data, size_t len);
std::string encodeMime(const std::string& bytes);
std::string encodeMime(const uint8_t* data, size_t len);

// Accepts both alphabets and both padding characters, with or without padding. Throws
// std::runtime_error "Input is not valid base64-encoded data." on any other character or a
// dangling single character; with stripLineBreaks every '\n' is ignored first.
std::string decode(const std::string& text, bool stripLineBreaks);
std::string decode(const char* text, size_t len, bool stripLineBreaks);

} // namespace Ko::Base64
