#pragma once
// The letters of Windows-1252 as the program compares text: without regard to case, accented
// letters included, as the JET collation of the database does and the name lists do.

#include <string_view>

// The upper-case form of a Windows-1252 letter (given by its Unicode code point); any other
// character unchanged.
char32_t MaiusculaCp1252(char32_t c);

// Compares two UTF-8 texts as the JET collation does: letters of Windows-1252 without
// regard to case (accented ones included); accented letters sort next to their base
// letter; texts that differ only in accents are still different.
int CompararJet(std::string_view a, std::string_view b);
