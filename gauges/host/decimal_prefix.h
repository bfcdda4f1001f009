// Reading a number from configuration text: the longest decimal floating-point prefix of the text,
// 0 when there is none. Independent of the C locale.
#pragma once

double decimal_prefix(const char* text);
