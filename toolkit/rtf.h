#pragma once
// The small rich-text subset the help text is written in: reading it into a
// Qt text document, and escaping plain text for writing it.

#include <string_view>

#include "toolkit/types.h"

class QTextDocument;

// Fills the document from RTF text. Understands groups, \fonttbl (font names),
// \colortbl, \fs (half-points), \cf, \b and \b0, \i, \ul, \par, \line, \tab,
// \pard, \plain, \emdash, \endash, \bullet, \lquote \rquote \ldblquote
// \rdblquote, \'hh (in the \ansicpg code page, 1252 by default), \uN with
// \ucN fallback skipping, the escapes \\ \{ \} and \~; skips \* destinations
// and every unknown control word. Bad input (unbalanced braces, truncated
// control words, garbage) never crashes or hangs: it reads what it can.
void ReadRtf(std::string_view rtf, QTextDocument& document);

// Text for insertion into an RTF document: backslash and braces escaped;
// characters outside ASCII written as \uN? (N signed 16-bit, surrogate pairs
// beyond the BMP; the "?" is the fallback a reader with \uc1 skips). ASCII
// text comes back unchanged.
String RtfEscape(const String& utf8);
