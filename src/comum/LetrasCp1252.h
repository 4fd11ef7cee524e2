#pragma once
// The letters of Windows-1252 as the program compares text: without regard to case, accented
// letters included, as the JET collation of the database does and the name lists do.

#include <cstdint>
#include <string_view>

// The upper-case form of a Windows-1252 letter (given by its Unicode code point); any other
// character unchanged.
char32_t MaiusculaCp1252(char32_t c);

// Compares two UTF-8 texts as the JET collation does: letters of Windows-1252 without
// regard to case (accented ones included); accented letters sort next to their base
// letter; texts that differ only in accents are still different.
int CompararJet(std::string_view a, std::string_view b);

// A whole-number key of a text as the database compares it trimmed: the text without its leading
// and trailing spaces (as SQL's TRIM removes them), its letters in upper case as CompararJet
// folds them, hashed. Texts that CompararJet finds equal once trimmed have the same key, so an
// indexed key narrows a search to a few rows without losing any; different texts may share a key.
int64_t ChaveJet(std::string_view texto);
