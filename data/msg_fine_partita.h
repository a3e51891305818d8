// Texts of the draws the rules give without asking.
#pragma once

// The fifth occurrence of a position.
extern const char* const StrQuintuplaRipetizione[3];
