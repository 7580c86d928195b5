#pragma once
// Building, filling and cutting texts. Texts are 8-bit (Windows-1252) byte strings; every builder
// works on std::string, so a result is never cut short by a buffer.

#include <string>
#include <string_view>
#include <vector>

namespace kernel {

// The program's universal text builder: appends s1 to s8 to dst in this order.
void StrCat8(std::string& dst, std::string_view s1, std::string_view s2 = {}, std::string_view s3 = {},
             std::string_view s4 = {}, std::string_view s5 = {}, std::string_view s6 = {},
             std::string_view s7 = {}, std::string_view s8 = {});

void AppendChar(std::string& s, char c);

// Ends a non-empty folder path with the folder separator ('/') unless it already ends with one.
void AddBackslash(std::string& s);

// Fills s on the left (PadLeft) or right (PadRight) with c up to width characters; a text that is
// already width characters or longer is cut to its first width characters.
void PadLeft(int width, std::string& s, char c);
void PadRight(int width, std::string& s, char c);

void TrimLeadingBlanks(std::string& s);
void DeleteChar(std::string& s, char c);
// Removes every carriage return and every line feed.
void DeleteCRLF(std::string& s);
std::string BlanksToDashes(std::string_view src);
// Puts c in place of every '-' (the text windows use it for a typographic minus sign).
void ReplaceMinus(std::string& s, char c);

// Splits a list of fields each ended by ',' (the last one too) into its first n fields. A field
// with no ',' after it comes out empty, and so does every field after it.
std::vector<std::string> SplitCommaList(std::string_view s, int n);

}  // namespace kernel
