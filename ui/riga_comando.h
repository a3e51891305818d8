// The command line and text input: typing, BACKSPACE, ENTER and the "="
// queries in the normal state; digits and free text (with the alternatives
// of accented letters) while a menu value is being typed.
#pragma once

// Bytes that each typed character takes in comando, by position.
extern int ByteCharattereInComando[128];
// Last plain character typed in text entry, and the index of the alternative
// shown for it (-1: no alternatives cycle is possible).
extern char UltimoCarattereInserito;
extern int AlternativaUltimoCarattere;

constexpr const char* CaratteriExtra = "+-:=";
constexpr int MassimoCaratteriComando = 8;

void comando_digitazione(char ch);
void comando_backspace();
void comando_invio();
void comando_digitazioneIntero(char ch);
void comando_digitazioneCarattere(int vk, unsigned char ch);

// Erases the typed text on the screen and empties the command line.
void SvuotaRigaComando();

// n with a full stop between groups of three digits, in a static buffer that
// each call overwrites.
const char* NumeroPuntato(unsigned n);
