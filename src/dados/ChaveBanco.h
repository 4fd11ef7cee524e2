#pragma once
// The page key of an encrypted database file, derived from the password once per process. Keying a
// connection with the password makes SQLCipher derive the key from it (PBKDF2, about 50 ms here);
// the program opens the listing database twice (its connection and the list query's), so the key
// derived for the first connection is handed raw to the second. The file, its cipher and its key
// derivation stay exactly as they are: the password still opens it anywhere.

#include <string>

// The key that SQLCipher 3 derives from the password for this file (PBKDF2-HMAC-SHA1 with the
// file's salt, its first 16 bytes, 64,000 rounds), in the raw form that sqlite3_key accepts
// ("x'<64 hex digits>'"). The last key derived is remembered for the same password and salt.
// Empty when the file has no salt to read (missing, or shorter than a salt).
std::string ChaveBrutaBanco(const std::string& arquivo, const std::string& senha);
