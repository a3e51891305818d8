// Commands of the program as a whole.
#pragma once

void comando_esci();
[[noreturn]] void ChiudiIlProgramma();
