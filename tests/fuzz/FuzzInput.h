#pragma once
// What the fuzz targets share: cutting one input into the files and typed
// texts it stands for, and failing loudly when a property does not hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The byte that separates the pieces of an input. GBK text never holds it, so
// a starting corpus made by joining data files with it splits back into them.
constexpr char kPieceSeparator = '\x1E';

// The input cut at its first pieces - 1 separators; missing pieces are empty,
// the last piece keeps any later separators.
std::vector<std::string> splitInput(const std::uint8_t* data, std::size_t size, int pieces);

// Wide text from the bytes, three bytes a character read as a code point
// modulo 0x110000 (surrogates kept out), so every plane is reached.
std::wstring wideFromBytes(const std::string& bytes);

// Prints what failed and aborts, which the fuzzer reports as a crash.
void fuzzCheck(bool holds, const char* property);
