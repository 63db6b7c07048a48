// Text at file boundaries: the program keeps UTF-8 inside and code page 932 in files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace myu {

// UTF-8 -> code page 932. Empty optional when a character has no code-page-932 form.
std::optional<std::string> toCp932(std::string_view utf8);

// Code page 932 -> UTF-8. Empty optional when the bytes are not valid code page 932.
std::optional<std::string> fromCp932(std::string_view bytes);

// Code page 932 -> UTF-8 for display: invalid bytes become U+FFFD, never fails.
std::string fromCp932Lossy(std::string_view bytes);

// True when every character of the text can be stored in a code-page-932 file.
bool fitsCp932(std::string_view utf8);

// The length of a text in code-page-932 bytes: a full-width character counts 2, a
// half-width one 1. Every length limit of the game is measured with this. A character
// without a code-page-932 form counts 2.
int sjisLength(std::string_view utf8);

// True for a byte that starts a two-byte code-page-932 character.
bool isSjisLeadByte(unsigned char c);

// Cuts code-page-932 bytes to at most maxBytes without splitting a two-byte character.
std::string cutSjisBytes(std::string_view bytes, std::size_t maxBytes);

}  // namespace myu
