#pragma once

// Windows-1252, the one single-byte character set shared by the label files
// and the bitmap fonts: a font's glyph ids are the bytes of this code page.
namespace Windows1252 {

// The Unicode code point of a byte; 0 for the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char32_t toUnicode(unsigned char byte);

// The byte that stands for a code point, or -1 when the code page has none.
int fromUnicode(char32_t codePoint);

}  // namespace Windows1252
