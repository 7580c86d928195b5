#pragma once
// The password and author data a figure file may carry: a password that guards saving, the
// history and the notebook, and four author lines. The password is stored as a modular power of
// each of its bytes (exponent E on writing, D on reading, E * D = 1 modulo P - 1 for the prime P),
// so the second power gives every byte from 1 to P - 1 back.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "kernel/byte_io.h"

namespace shell {

inline constexpr int kPasswordModulus = 251;
inline constexpr int kPasswordWriteExponent = 7;
inline constexpr int kPasswordReadExponent = 143;
// Each text is kept in a buffer of 101 bytes: at most 100 characters.
inline constexpr int kAuthorTextLength = 100;
inline constexpr int kAuthorBufferSize = kAuthorTextLength + 1;

// Bits of the permission word.
enum Permission : std::uint16_t {
  kGuardSave = 1,       // "save/rename": Save, Save As, saving on close
  kGuardHistory = 2,    // the history commands of the figure windows
  kGuardNotebook = 4,   // the notebook
  kShowCopyright = 1024,  // File > Author is enabled
};
// The mask the Password command is guarded with: any protection at all.
inline constexpr std::uint16_t kAnyGuard = 1023;

enum AuthorLine { kAuthor, kDate, kEmail, kHomepage };

struct AuthorData {
  std::string password;
  std::array<std::string, 4> lines;  // author, date, e-mail, homepage
  std::uint16_t permissions = 0;     // 0: the file is not protected
  std::uint8_t unlocked = 1;         // guarded operations may run without asking
};

// b to the power e modulo m by square-and-multiply in 32-bit arithmetic; 1 when e < 1.
int ModPow(int base, int exponent, int modulus);

// Replaces each byte c of text by ModPow(c, exponent, kPasswordModulus), up to the first NUL; a
// byte that becomes 0 ends the text there.
void TransformBytes(std::string& text, int exponent);

// Whether every byte of a password survives the transform both ways (1 to P - 1).
bool IsStorablePassword(std::string_view password);

// The file piece: the transformed password, then author, date, e-mail and homepage, each as a
// counted text.
void WriteAuthorPiece(kernel::ByteWriter& out, const AuthorData& data);
// Reads the piece into data (password restored); false when the file ends inside it.
bool ReadAuthorPiece(kernel::ByteReader& in, AuthorData& data);

}  // namespace shell
