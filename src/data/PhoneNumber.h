#pragma once

#include <QString>

namespace quarvel {

// Brings a telephone number typed in any form into the mask "(999) 999-9999". The empty text
// and a text already in the mask come back unchanged. Otherwise the digits 0-9 are collected,
// blanks are put in front up to ten characters, and the result is built from the first three,
// the first three of the last seven, and the last four of them. Never fails.
QString FormatPhoneNumber(const QString& text);

} // namespace quarvel
