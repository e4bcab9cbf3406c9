#pragma once

#include <QString>

// Names players type are kept in Shift-JIS files between double quotes. These two helpers stand
// between the text box and the file.

// Input methods on Linux type some marks as Unicode characters that Shift-JIS (CP932) does not
// hold, although it holds the very same mark under another code point: the wave dash 〜 (U+301C)
// for the full-width tilde ～ (U+FF5E), the minus sign − for －, ‖ for ∥, ¢ £ ¬ ¥ ¦ ‾ ¯ for
// their full-width forms, the em dash — for the horizontal bar ―. Each is replaced by the
// character the file can hold, so the player gets the mark they typed.
QString withShiftJisLookAlikes(const QString &typed);

// Why `name` cannot be kept in a file the game writes, as a short caption for the player (it
// fits the instruction line of the name entry); empty when it can be kept. The refusal and the
// file writer agree: a name this accepts is one isStorableText accepts.
QString nameFault(const QString &name);
